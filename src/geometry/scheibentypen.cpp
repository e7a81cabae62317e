#include "geometry/scheibentypen.h"

#include "base/userdialogs.h"

const std::array<const char *, ScheibentypAnzahl> Scheibennamen = {
        "LG 10er Band",
        "LG 5er Band",
        "LG Einzelscheibe",
        "Luftpistole",
        "Zimmerstutzen 15m",
        "Lfd. Scheibe 1er-Scheibe",
        "Lfd. Scheibe 2er-Scheibe",
        "KK 50m",
        "100m - 10kr.",
        "100m - 5kr.",
        "Schnellf./ SP-Duell",
        "LP-Schnellf",
        "",
        "",
};

const std::array<const char *, KaliberAnzahl> Kalibernamen = {
        "Kal.22",  "Kal.6mm", "Kal.6.5mm", "Kal 7mm", "Kal.30", "Kal.8mm", "Kal.32", "Kal.33",
        "Kal.9mm", "Kal.357", "Kal.36",    "Kal.38",  "Kal.44", "Kal.45",  "Kal.54", "Kal.58",
};

const std::array<float, KaliberAnzahl> Kaliberwerte = {
        5.588f, 6.0f,    6.5f,   7.0f,   7.62f,   8.0f,   8.128f,  8.382f,
        9.0f,   9.0678f, 9.144f, 9.652f, 11.176f, 11.43f, 13.716f, 14.732f,
};

namespace {

struct Ringgeometrie
{
    long double innen, offset, schritt;
    int linien;
};

constexpr Ringgeometrie Luftgewehr {-0.25L, 0.25L, 2.5L, 10};

Ringgeometrie GeometrieVon(int t)
{
    switch (t) {
    case Sch_LP:
        return {2.5L, 5.75L, 8.0L, 10};
    case Sch_ZS:
        return {0.0L, 2.225L, 4.5L, 10};
    case Sch_LS1:
    case Sch_LS2:
        return {0.25L, 2.75L, 2.5L, 10};
    case Sch_KK50:
        return {2.5L, 5.2L, 8.0L, 10};
    case Sch_GK10:
        return {12.5L, 25.0L, 25.0L, 10};
    case Sch_GK5:
        return {12.5L, 25.0L, 25.0L, 5};
    case Sch_SchFe:
        return {50.0L, 100.0L, 40.0L, 10};
    case SCH_LPSF:
        return {5.5L, 11.0L, 13.25L, 10};
    default:
        return Luftgewehr;
    }
}

} // namespace

QString Scheibenname(TypeScheiben type)
{
    const int t = Scheibentypwert(type);
    return t < ScheibentypAnzahl ? QString::fromUtf8(Scheibennamen[t]) : QString();
}

TScheibenmasse GetScheibenmasse(TypeScheiben type)
{
    const int t = Scheibentypwert(type);
    Ringgeometrie g = Luftgewehr;
    if (t > int(SCH_LPSF))
        UserDialogs().ShowMessage(QStringLiteral("Scheibenmasse ungekannt"));
    else
        g = GeometrieVon(t);
    TScheibenmasse masse {};
    for (int k = g.linien + 1; k >= 1; --k)
        masse[k] = float((k - 1) * g.schritt + g.offset);
    masse[0] = float(g.innen);
    return masse;
}

TScheibenkonstanten Scheibenkonstanten(TypeScheiben type)
{
    switch (Scheibentypwert(type)) {
    case Sch_LP:
        return {10, 4.5, 7, false, false, 11};
    case Sch_ZS:
        return {10, 4.65, 6, false, false, 11};
    case Sch_LS1:
    case Sch_LS2:
        return {10, 4.5, 5, false, false, 11};
    case Sch_KK50:
        return {10, 5.6, 3.625, false, false, 11};
    case Sch_GK10:
        return {10, 0, 7, false, true, 11};
    case Sch_GK5:
        return {5, 0, 3, true, true, 6};
    case Sch_SchFe:
        return {10, 0, 5, false, true, 6};
    case SCH_LPSF:
        return {10, 4.5, 8, false, false, 11};
    default:
        return {10, 4.5, 4, false, false, 11};
    }
}

float GetTeiler(const TScheibenmasse &masse, float ring)
{
    const long double spacing = (long double)masse[2] - (long double)masse[1];
    return float((11.0L - ring) * spacing * 100.0L - 0.01L);
}
