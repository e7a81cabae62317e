#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class THomeTeamFile;

// The rules of a home team definition that need no window: the shooter entry "name;pass;remark",
// the checks before a save and the number of a new team.

struct TShooterEntry
{
    QString name;
    QString passnr;
    QString bemerkung;
};

// An entry without ";" gives an empty row. The remark keeps its first 10 characters.
TShooterEntry SplitShooterEntry(const QString &value);
QString JoinShooterEntry(const TShooterEntry &entry);

// The fields the save checks look at, as texts the way the dialog holds them.
struct THomeTeamForm
{
    QString bezeichnung;
    QString mannschaftstaerke;
    QString oMannschafts;
    QStringList names; // grid rows 1, 2, ...
    QString schussanzahl; // empty: no selection
    QString schussanzahlSerie;
};

// The message of the first check that fails; nothing when the team may be saved.
std::optional<QString> CheckHomeTeam(const THomeTeamForm &form);

// Shots per shooter against shots per series: whole series, at most 6 of them.
std::optional<QString> ShotCombinationError(int schussanzahl, int schussanzahlSerie);

// The next team number; when that section exists already (sections out of order, or a last
// section that is no number), one above the highest number in use, so no team is overwritten.
QString NewTeamSection(const THomeTeamFile &file);
