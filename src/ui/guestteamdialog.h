#pragma once

#include "model/guestteam.h"

#include <QDialog>

// Entry of the guest team, with loading and saving of .GS lists. Created once and reused.
class TFGast : public QDialog
{
    Q_OBJECT

public:
    explicit TFGast(QWidget *parent = nullptr);

    void SetTable(const TGastTabelle &rows);
    TGastTabelle Table() const;
    QString Mannschaftsname() const;
    void SetMannschaftsname(const QString &name);
    QString Vereinsnr() const;
    void SetVereinsnr(const QString &vnr);
};

// Fills the dialog from `gast`, shows it and, after OK, takes team name, club number and the
// rows back into `gast`. True after OK.
bool EditGuestTeam(TyMannschaft &gast, TFGast &dialog);
