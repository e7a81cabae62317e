#include "machine/resultblock.h"

#include "base/numberformat.h"
#include "machine/disagframe.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int ShotBytes = 24;

// Bytes `from` to `to` of the block, counted from 1.
QString Field(const QByteArray &block, qsizetype offset, int from, int to)
{
    return QString::fromLatin1(block.mid(offset + from - 1, to - from + 1));
}

std::optional<int> ReadInt(const QString &field)
{
    int value = 0;
    if (!ParseInteger(field, value))
        return std::nullopt;
    return value;
}

std::optional<double> ReadReal(const QString &field)
{
    double value = 0;
    if (!ParseReal(field, value))
        return std::nullopt;
    return value;
}

int LimitedCount(int count)
{
    return qBound(0, count, BlockShotLimit);
}

} // namespace

float WinkelAusPosition(double x, double y)
{
    if (y == 0)
        return x < 0 ? 270.0f : 90.0f;
    double w = std::atan(x / y) * 180.0 / std::numbers::pi;
    if (y < 0)
        w += 180;
    else if (x < 0)
        w += 360;
    return float(w);
}

bool SamBlockCheckOk(const QByteArray &block)
{
    if (block.size() < 2)
        return false;
    quint8 check = 0;
    for (qsizetype i = 0; i < block.size() - 2; ++i)
        check ^= quint8(block.at(i));
    return check == quint8(block.at(block.size() - 2));
}

void LocaliseDecimalPoints(QByteArray &block)
{
    block.replace('.', DecimalSeparator().toLatin1());
}

void StripRikaPrefix(QByteArray &block)
{
    if (block.size() <= 4)
        return;
    if (block.startsWith(Ctl::ACK))
        block.remove(0, 1);
    if (block.size() >= 4 && block.at(3) == 0x01)
        block.remove(0, 4);
}

int ParseSam(const QByteArray &block, TypeScheiben type, TSchussArray &shots)
{
    const int count = LimitedCount(ReadInt(Field(block, 0, 30, 31)).value_or(0));
    const bool strip = type == Sch_LG10 || type == Sch_LG5;
    qsizetype offset = 32;
    for (int n = 1; n <= count; ++n, offset += ShotBytes) {
        TYSchuss &shot = shots[n];
        shot.Status = SchussVorhanden;
        shot.Ring = float(ReadReal(Field(block, offset, 1, 4)).value_or(0));
        shot.Teiler = float(ReadReal(Field(block, offset, 6, 11)).value_or(100000));
        const std::optional<int> x = ReadInt(Field(block, offset, 13, 17));
        const std::optional<int> y = ReadInt(Field(block, offset, 19, 23));
        if (!x || !y) {
            shot.Status = 5;
            continue;
        }
        // The strips lie across the machine.
        shot.Winkel = strip ? WinkelAusPosition(-*y, *x) : WinkelAusPosition(*x, *y);
    }
    return count;
}

std::optional<int> ParseRika(const QByteArray &block, TSchussArray &shots)
{
    const std::optional<int> announced = ReadInt(Field(block, 0, 30, 32));
    if (!announced)
        return std::nullopt;
    const int count = LimitedCount(*announced);
    qsizetype offset = 33;
    for (int n = 1; n <= count; ++n, offset += ShotBytes) {
        TYSchuss &shot = shots[n];
        shot.Status = SchussVorhanden;
        const std::optional<double> ring = ReadReal(Field(block, offset, 1, 3));
        const std::optional<double> teiler = ReadReal(Field(block, offset, 5, 9));
        const std::optional<int> x = ReadInt(Field(block, offset, 11, 16));
        const std::optional<int> y = ReadInt(Field(block, offset, 18, 23));
        if (ring)
            shot.Ring = float(*ring / 10);
        if (teiler)
            shot.Teiler = float(*teiler / 10);
        if (!ring || !teiler || !x || !y) {
            shot.Status = 5;
            continue;
        }
        shot.Winkel = WinkelAusPosition(*x, *y);
    }
    return count;
}
