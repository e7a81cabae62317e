#include "geometry/ringwerte.h"

#include <algorithm>
#include <cmath>

int GetGanzeringe(const TScheibenmasse &masse, double kaliber, bool centreMode, float teiler)
{
    const long double halb = centreMode ? 0.0L : kaliber / 2.0L;
    // The innermost line whose limit lies beyond the Teiler decides.
    for (int linie = 1; linie <= 10; ++linie) {
        if (100.0L * (masse[linie] + halb) > teiler)
            return 11 - linie;
    }
    return 0;
}

namespace {

long double ZehntelBeiBeruehrung(const TScheibenmasse &masse, long double halb, float d)
{
    // The highest ring whose line the hole still touches; the fraction is where the hole's edge
    // lies within that ring's band.
    for (int ring = 10; ring >= 1; --ring) {
        const long double aussen = masse[11 - ring];
        const long double grenze = halb + aussen;
        if (grenze > d) {
            const long double band = ring == 10 ? grenze : aussen - masse[10 - ring];
            return ring + (grenze - d) / band;
        }
    }
    return 0.0L;
}

} // namespace

float GetZehntelringe(const TScheibenmasse &masse, double kaliber, bool centreMode, float teiler)
{
    const float d = float(teiler / 100.0L);
    const float wert = centreMode
            ? float(10.0L - (d - masse[1]) / ((long double)masse[2] - masse[1]))
            : float(ZehntelBeiBeruehrung(masse, kaliber / 2.0L, d));
    const float zehntel = float(std::trunc(wert * 10.0L) / 10.0L);
    return centreMode ? zehntel : std::min(zehntel, HoechsterZehntelring);
}

float MaxTeiler(const TScheibenmasse &masse, double kaliber)
{
    const long double weiteste = std::max(0.0f, *std::max_element(masse.begin(), masse.end()));
    return float((weiteste + kaliber * 2.0L / 3.0L) * 100.0L);
}
