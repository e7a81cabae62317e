#include "model/scoring.h"

#include "base/numberformat.h"

#include <utility>

void RecomputeSeries(TYTeilnehmer &p, int schussanzahl, int proSerie)
{
    if (proSerie <= 0)
        return;
    const int shots = qMin(schussanzahl, MaxSchuss);
    double acc = 0;
    for (int i = 1; i <= shots; ++i) {
        acc += p.Schuss[i].Ring;
        if (i % proSerie == 0) {
            const int series = i / proSerie;
            if (series <= SerienAnzahl)
                p.Serie[series] = acc;
            acc = 0;
        }
    }
}

double ParticipantTotal(const TYTeilnehmer &p)
{
    double total = 0;
    for (int n = 1; n <= SerienAnzahl; ++n)
        total += p.Serie[n];
    return total;
}

double TeamTotal(const TyMannschaft &team, int mannschaftstaerke)
{
    double total = 0;
    for (int i = 1; i <= qMin(mannschaftstaerke, PositionenAnzahl); ++i)
        total += ParticipantTotal(team.Teilnehmer[i]);
    return total;
}

QString SeriesLine(const TYTeilnehmer &p, const QString &ringformat)
{
    QString line;
    for (int n = 1; n <= SerienAnzahl; ++n) {
        if (p.Serie[n] > 0)
            line += QLatin1String("  ") + FormatRing(ringformat, p.Serie[n]);
    }
    return line;
}

TTeamTexts TeamTexts(const TyMannschaft &team, const Competition &c)
{
    TTeamTexts texts;
    texts.name = team.Name;
    for (int i = 1; i <= PositionenAnzahl; ++i) {
        const TYTeilnehmer &p = team.Teilnehmer[i];
        texts.nameCells[i] = p.Name + QChar(13) + SeriesLine(p, c.Ringformat);
        texts.totalCells[i] = c.FormatRinge(ParticipantTotal(p));
    }
    texts.total = c.FormatRinge(TeamTotal(team, c.Mannschaftstaerke));
    return texts;
}

namespace {

double SortKey(const TYTeilnehmer &p)
{
    double key = 0;
    for (int n = 1; n <= SerienAnzahl; ++n) {
        if (p.Serie[n] > 0)
            key += p.Serie[n];
    }
    return key;
}

} // namespace

void SortTeamByResult(TyMannschaft &team, int mannschaftstaerke)
{
    for (int pass = 0; pass < PositionenAnzahl; ++pass) {
        for (int r = 2; r <= PositionenAnzahl; ++r) {
            if (SortKey(team.Teilnehmer[r - 1]) < SortKey(team.Teilnehmer[r]))
                std::swap(team.Teilnehmer[r - 1], team.Teilnehmer[r]);
        }
    }
    for (int q = 1; q <= PositionenAnzahl; ++q)
        team.Teilnehmer[q].NurEinzel = q > mannschaftstaerke;
}

void SortTeams(Competition &c)
{
    SortTeamByResult(c.Heim, c.Mannschaftstaerke);
    SortTeamByResult(c.Gast, c.Mannschaftstaerke);
}
