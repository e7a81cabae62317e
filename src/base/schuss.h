#pragma once

#include "base/onebased.h"

#include <QtGlobal>

// One shot as the ring-reading machine, the manual entry and the target control exchange it.
struct TYSchuss
{
    float Teiler = 0; // distance of the hole centre from the target centre, 1/100 mm
    float Winkel = 0; // degrees, 0 = up, clockwise
    float Ring = 0; // whole or tenth ring value
    quint8 Status = 0;

    bool operator==(const TYSchuss &) const = default;
};

// Status bits.
constexpr quint8 SchussVorhanden = 0x01; // the slot holds a shot
constexpr quint8 SchussMarke1 = 0x02;
constexpr quint8 SchussBestaetigen = 0x04; // the user has to confirm the shot
constexpr quint8 SchussManuell = 0x80; // entered or corrected by hand

constexpr int MaxSchuss = 120;
using TSchussArray = TOneBased<TYSchuss, MaxSchuss>;

inline bool IsPresent(const TYSchuss &s)
{
    return (s.Status & SchussVorhanden) != 0;
}
