#pragma once

#include "model/competition.h"

#include <QString>

// Writes the online-reporting export (RWKO.TXT) of a competition to `path`: per team the pass
// numbers and totals of positions 1..N, filler slots up to 7, three further slots, a separator.
// A team pass number shorter than 8 characters shows "Achtung!! Ausweisnr ... ist nicht
// 8-stellig" and is written as it is. False, after the "E/A-Fehler" message, when the file
// cannot be created or written.
bool ExportOnlineReport(const Competition &c, const QString &path);

// The file's lines, with the warnings shown as they arise.
QStringList OnlineReportLines(const Competition &c);
