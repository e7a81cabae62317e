#include "base/tickclock.h"

TTickClock &SystemClock()
{
    static TSystemClock clock;
    return clock;
}
