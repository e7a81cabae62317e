#pragma once

#include "model/newcompetition.h"

#include <QDialog>

class THomeTeamFile;

// Choice of a home team from RWSetup.ini. In new-competition mode the user also ticks the
// starters (ticked: team starter, greyed: without team scoring) and types the meeting number;
// in pick-a-team mode only the team is chosen.
class TFopenform : public QDialog
{
    Q_OBJECT

public:
    TFopenform(bool newCompetitionMode, THomeTeamFile &file, QWidget *parent = nullptr);

    QString SelectedSection() const;
    QString Durchgang() const;
    QList<TStarterChoice> Starters() const;

    // As a user's click would: select a team in the list.
    void SelectSection(const QString &section);
    void SetStarterState(int index, TStarterState state);
    void SetDurchgang(const QString &durchgang);
    bool OkEnabled() const;

private:
    QString m_section;
};
