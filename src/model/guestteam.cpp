#include "model/guestteam.h"

TGastTabelle GuestTableFromTeam(const TyMannschaft &)
{
    return {};
}

void ApplyGuestTable(TyMannschaft &, const TGastTabelle &) { }

bool ReadGuestFile(const QString &, TGastTabelle &)
{
    return false;
}

bool WriteGuestFile(const QString &, const TGastTabelle &)
{
    return false;
}
