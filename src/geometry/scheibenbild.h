#pragma once

#include "geometry/scheibengeometrie.h"

#include <optional>

// How the bands of a target are painted, shared by the screen target and the printed strip.
// Band q lies between ring lines q - 1 and q (the disc inside line 1 for q = 1).

// The number a band carries: 11 - q on a ten-ring type.
inline int Bandwert(const TScheibengeometrie &g, int band)
{
    return g.Ringe - band + 1;
}

// Whether band q lies in the black aiming area.
inline bool BandImSpiegel(const TScheibengeometrie &g, int band)
{
    return Bandwert(g, band) >= g.SchwarzAbRing;
}

// The black edge of Sch_KK50 crosses the band of its 3, 3 mm outside the line of the 4: its
// radius in mm when it has to be painted before the circle of band q.
std::optional<double> Spiegelkante(const TScheibengeometrie &g, int band);

// Whether the screen target writes the band's number into the picture.
bool AnzeigeBeschriftet(TypeScheiben typ, int band);
// The printed strip labels fewer types: none on Sch_SchFe and SCH_LPSF.
bool DruckBeschriftet(TypeScheiben typ, int band);
