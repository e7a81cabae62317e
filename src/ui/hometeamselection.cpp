#include "ui/hometeamselection.h"

TFopenform::TFopenform(bool, THomeTeamFile &, QWidget *parent) : QDialog(parent) { }

QString TFopenform::SelectedSection() const
{
    return m_section;
}

QString TFopenform::Durchgang() const
{
    return {};
}

QList<TStarterChoice> TFopenform::Starters() const
{
    return {};
}

void TFopenform::SelectSection(const QString &section)
{
    m_section = section;
}

void TFopenform::SetStarterState(int, TStarterState) { }

void TFopenform::SetDurchgang(const QString &) { }

bool TFopenform::OkEnabled() const
{
    return true;
}
