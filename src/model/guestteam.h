#pragma once

#include "model/records.h"

#include <QString>

#include <array>

// The guest team as the guest team dialog edits it: rows 1..10, columns pass number, name,
// "Stammschütze" mark, "Kein Manns." mark, remark. A mark is "X" or empty.
enum TGastSpalte { GastPassnr, GastName, GastStamm, GastKeinManns, GastBemerkung, GastSpalten };
using TGastZeile = std::array<QString, GastSpalten>;
using TGastTabelle = TOneBased<TGastZeile, PositionenAnzahl>;

// The rows of positions 1..10.
TGastTabelle GuestTableFromTeam(const TyMannschaft &gast);
// Rows with a name fill the positions from 1 on, team starters first, then those marked
// "Kein Manns.", each in row order. Series and shots stay with their positions.
void ApplyGuestTable(TyMannschaft &gast, const TGastTabelle &rows);

// A .GS file: the 50 cell texts of rows 1..10, one per line, Windows-1252, CR LF. Missing lines
// give empty cells. False after "E/A-Fehler ..." was shown; `rows` keeps the lines read so far.
bool ReadGuestFile(const QString &path, TGastTabelle &rows);
bool WriteGuestFile(const QString &path, const TGastTabelle &rows);
