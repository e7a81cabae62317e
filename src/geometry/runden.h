#pragma once

#include <cmath>

// "Round" of the ring arithmetic: halves go to the even neighbour (9.5 -> 10, 8.5 -> 8).
// std::round would send them away from zero and move shots by a pixel.
inline int Runden(long double value)
{
    return int(std::nearbyint(value));
}
