#include "ui/hometeamselection.h"

TFopenform::TFopenform(bool, THomeTeamFile &, QWidget *parent) : QDialog(parent) { }

QString TFopenform::SelectedSection() const
{
    return {};
}

QString TFopenform::Durchgang() const
{
    return {};
}

QList<TStarterChoice> TFopenform::Starters() const
{
    return {};
}
