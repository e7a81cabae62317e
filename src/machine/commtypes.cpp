#include "machine/commtypes.h"

#include <array>

qint32 BaudrateValue(TBaudrate rate)
{
    static constexpr std::array<qint32, 15> values = {110,   300,   600,    1200,   2400,
                                                      4800,  9600,  14400,  19200,  38400,
                                                      56000, 57600, 115200, 128000, 256000};
    return values[size_t(rate)];
}
