#pragma once

#include "model/competition.h"

#include <QString>
#include <QStringList>

class TIniDocument;
class TIniWriter;
class tSetupdaten;

// The .RW competition file: an INI text in Windows-1252 with sections Header, Registrierung,
// Heim and Gast.

// Takes the text up to the first ";" off `value` and returns it (the whole rest without one).
QString NextField(QString &value);

// What a reader does with a shot value it cannot read: the program stops reading there and
// shows the conversion message; the file check notes it and reads on.
struct TReadProblems
{
    bool collect = false;
    QStringList found;
};

// Reads one team section into `team` (cleared first). False when a shot value could not be
// read; without `collect` the reading stops at that shot.
bool ReadTeam(const TIniDocument &ini, const QString &section, TyMannschaft &team,
              TReadProblems &problems);
void WriteTeam(TIniWriter &ini, const QString &section, const TyMannschaft &team,
               const Competition &c);

// The whole file as it is written: header, registration (club data of `settings`), both teams.
QByteArray CompetitionFileBytes(const Competition &c, const tSetupdaten &settings);

// Reads c.Dateiname into `c`, whose Ringformat is already set. A missing file gives a
// competition of defaults. A shot value that is no number ends the reading with
// "'...' ist kein gültiger Gleitkommawert" (through the dialogs); `c` then holds what was read
// and the result is false.
bool LoadCompetition(Competition &c);

enum class TSaveResult { Saved, Cancelled, Failed };
struct TSaveOutcome
{
    TSaveResult result = TSaveResult::Cancelled;
    bool historyChanged = false; // the file menu's history entries need rebuilding
};

// Writes `c` to c.Dateiname, asking for a name first while the competition is unnamed. The file
// is written completely and replaced in one step: it holds exactly this competition, and a
// failed write leaves the previous file as it was, shows "nach ... kann nicht geschrieben
// werden" and leaves Geaendert set.
TSaveOutcome SaveCompetition(Competition &c, tSetupdaten &settings);
// Asks for a new name (no initial folder) and saves under it.
TSaveOutcome SaveCompetitionAs(Competition &c, tSetupdaten &settings);

// Every problem a file holds, for the command-line check: unreadable shots, numbers that read
// as defaults, limits the reader has to apply. Empty when the file is sound.
QStringList CheckCompetitionFile(const QString &path);
