#include "geometry/scheibenbild.h"

namespace {

// Labels of "8 and below" on the ten-ring types, without the 3 on Sch_KK50 whose band the
// black edge crosses.
bool AchtUndTiefer(int typ, int band)
{
    return band > 2 && !(typ == Sch_KK50 && band == 8);
}

} // namespace

std::optional<double> Spiegelkante(const TScheibengeometrie &g, int band)
{
    if (Scheibentypwert(g.Typ) != Sch_KK50 || Bandwert(g, band) <= g.SchwarzAbRing
        || g.Ringe - band >= g.SchwarzAbRing)
        return std::nullopt;
    return g.Masse[band] + 3.0;
}

bool AnzeigeBeschriftet(TypeScheiben typ, int band)
{
    const int t = Scheibentypwert(typ);
    if (band <= 1)
        return false;
    if (t <= Sch_KK50 || t == SCH_LPSF)
        return AchtUndTiefer(t, band);
    return t <= Sch_SchFe;
}

bool DruckBeschriftet(TypeScheiben typ, int band)
{
    const int t = Scheibentypwert(typ);
    if (band <= 1)
        return false;
    if (t <= Sch_KK50)
        return AchtUndTiefer(t, band);
    return t == Sch_GK10 || t == Sch_GK5;
}
