#pragma once

#include "model/competition.h"

#include <QString>

// Results are carried by the series sums; shots only feed RecomputeSeries.

// Sets the series sums from the shots: every `proSerie` slots of the first `schussanzahl` make
// one series (absent slots hold 0). Series beyond the last complete one keep their values. A
// `proSerie` of 0 or less, possible only in an edited file, leaves the series as they are.
void RecomputeSeries(TYTeilnehmer &p, int schussanzahl, int proSerie);

// The six series sums added in order.
double ParticipantTotal(const TYTeilnehmer &p);
// Totals of positions 1..N in position order.
double TeamTotal(const TyMannschaft &team, int mannschaftstaerke);

// Two blanks and the formatted sum for every series above 0.
QString SeriesLine(const TYTeilnehmer &p, const QString &ringformat);

// The texts of one team's grid, as the competition window shows them.
struct TTeamTexts
{
    QString name; // cell (1,0)
    QString total; // cell (2,0): the team total
    TOneBased<QString, PositionenAnzahl> nameCells; // name, CR, series line
    TOneBased<QString, PositionenAnzahl> totalCells; // the position's total
};
TTeamTexts TeamTexts(const TyMannschaft &team, const Competition &c);

// Stable descending bubble sort of all ten positions by the sum of their series above 0; then
// positions 1..N count for the team, the others not.
void SortTeamByResult(TyMannschaft &team, int mannschaftstaerke);
// Both teams; Geaendert is left as it is.
void SortTeams(Competition &c);
