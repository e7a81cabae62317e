#pragma once

#include "base/onebased.h"
#include "base/schuss.h"

#include <QString>

constexpr int SerienAnzahl = 6;
constexpr int PositionenAnzahl = 10;
// A starter's remark as home team entries give it.
constexpr int BemerkLaenge = 10;
using TSerien = TOneBased<double, SerienAnzahl>;

// One starter of a team.
struct TYTeilnehmer
{
    QString Name; // empty: the position is empty
    QString Passnr;
    QString Bemerk; // at most BemerkLaenge characters from a home team entry
    bool Stammschuetze = false;
    TSerien Serie; // series sums in rings, 0 = not shot
    TSchussArray Schuss;
    bool NurEinzel = false; // counts for the individual result only

    bool operator==(const TYTeilnehmer &) const = default;
};

struct TyMannschaft
{
    QString Name;
    QString Mann_ident; // team identification for passing results on
    QString Vnr; // club number
    TOneBased<TYTeilnehmer, PositionenAnzahl> Teilnehmer;

    bool operator==(const TyMannschaft &) const = default;
};

// Every text empty, every number 0, every flag false, every shot absent.
inline void ClearTeam(TyMannschaft &team)
{
    team = TyMannschaft {};
}
