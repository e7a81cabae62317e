#pragma once

#include "model/competition.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class THomeTeamFile;
class tSetupdaten;

// A starter entry of a home team ("name;pass number;remark") and how the user marked it in the
// home team selection.
enum class TStarterState { NotTicked, Ticked, Greyed };
struct TStarterChoice
{
    QString entry;
    TStarterState state = TStarterState::NotTicked;
};

// The entries of keys T1..T50 of a team that contain a ";", in key order.
QStringList StarterEntries(const THomeTeamFile &file, const QString &section);

// Fills `c` (teams cleared before) from home team `section`: team data, header texts, scoring
// rules, and the starters, ticked ones first, then greyed ones. Too many starters end the
// placing with the message of the rule that was broken.
void FillNewCompetition(Competition &c, const THomeTeamFile &file, const QString &section,
                        const QList<TStarterChoice> &starters, const QString &durchgang,
                        const tSetupdaten &settings, const QDate &today);
