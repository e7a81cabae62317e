#include "ui/guestteamdialog.h"

TFGast::TFGast(QWidget *parent) : QDialog(parent) { }

void TFGast::SetTable(const TGastTabelle &) { }

TGastTabelle TFGast::Table() const
{
    return {};
}

QString TFGast::Mannschaftsname() const
{
    return {};
}

void TFGast::SetMannschaftsname(const QString &) { }

QString TFGast::Vereinsnr() const
{
    return {};
}

void TFGast::SetVereinsnr(const QString &) { }

bool EditGuestTeam(TyMannschaft &, TFGast &)
{
    return false;
}
