#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The paper target types. Stored in one byte; values above 13 occur only in damaged data and
// are treated by clearing the top bit and, beyond 11, as unknown.
enum TypeScheiben : quint8 {
    Sch_LG10, // air rifle, 10-target strip
    Sch_LG5, // air rifle, 5-target strip
    Sch_LGES, // air rifle, single target
    Sch_LP, // air pistol
    Sch_ZS, // 15 m indoor rifle
    Sch_LS1, // running target, single
    Sch_LS2, // running target, double
    Sch_KK50, // small-bore 50 m
    Sch_GK10, // 100 m, ten rings
    Sch_GK5, // 100 m, five rings
    Sch_SchFe, // 25 m rapid fire / duel
    SCH_LPSF, // air pistol rapid fire
    Sch_user, // reserved, no dimensions
    Sch_user2, // reserved, no dimensions
};

constexpr int ScheibentypAnzahl = 14;

// Display names, indexed by the type (UTF-8).
extern const std::array<const char *, ScheibentypAnzahl> Scheibennamen;
QString Scheibenname(TypeScheiben type);

// Radii in mm from the target centre: entry 0 the inner ten (drawn when > 0.1), entries 1..n
// the ring lines innermost first, entry n + 1 one step beyond the last line, the rest 0.
using TScheibenmasse = std::array<float, 21>;

// Builds the ring table of a type; an unknown type shows "Scheibenmasse ungekannt" and gets the
// air rifle table, so drawing and scoring go on with valid numbers.
TScheibenmasse GetScheibenmasse(TypeScheiben type);

// What the drawings need besides the ring table.
struct TScheibenkonstanten
{
    int Ringe; // 10, or 5 on Sch_GK5
    double Kaliber; // mm; 0 where the calibre comes from the calibre table
    double SchwarzAbRing; // a band worth k points is black when k >= this
    bool Invertiert; // light and dark swap roles (Sch_GK5)
    bool KaliberAenderbar;
    int WeitesterZoom;
};

// For types 12 and above (after clearing the top bit) the air rifle values.
TScheibenkonstanten Scheibenkonstanten(TypeScheiben type);

// The type with its top bit cleared; above 11 it is unknown.
inline int Scheibentypwert(TypeScheiben type)
{
    return int(type) & 0x7F;
}
inline bool IstBekannterScheibentyp(TypeScheiben type)
{
    return Scheibentypwert(type) <= int(SCH_LPSF);
}

// Calibres of the types whose calibre can be chosen; the index is the DISAG calibre index.
constexpr int KaliberAnzahl = 16;
extern const std::array<const char *, KaliberAnzahl> Kalibernamen;
extern const std::array<float, KaliberAnzahl> Kaliberwerte;

// Teiler of a ring value: (11 - r) * ring spacing * 100 - 0.01, held as single. On the types
// where half the calibre plus the inner line equals the spacing this inverts the tenth-ring
// value in ring-touch mode.
float GetTeiler(const TScheibenmasse &masse, float ring);
