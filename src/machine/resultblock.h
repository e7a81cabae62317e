#pragma once

#include "base/schuss.h"
#include "geometry/scheibentypen.h"

#include <QByteArray>

#include <optional>

// The polled machines' result blocks: a header with the shot count, then 24 bytes per shot.

// Direction of a position in degrees, 0 = up (positive Y), clockwise, 0 <= result < 360.
float WinkelAusPosition(double x, double y);

// The SAM block's check: XOR of every byte but the last two equals the second-to-last.
bool SamBlockCheckOk(const QByteArray &block);

// Replaces the machine's decimal points by the locale's separator, as the block is kept.
void LocaliseDecimalPoints(QByteArray &block);

// A received RIKA block as the parser takes it: longer than 4 bytes, a leading ACK goes, and then
// the four bytes before the header when the fourth of them is 0x01.
void StripRikaPrefix(QByteArray &block);

// At most this many shots are taken from a block, whatever its count says.
constexpr int BlockShotLimit = MaxSchuss;

// Fills shots 1, 2, ... and returns how many. An unreadable count gives 0 shots; an unreadable
// position gives status 5 and no angle. On the two strip targets the position is turned
// a quarter first.
int ParseSam(const QByteArray &block, TypeScheiben type, TSchussArray &shots);

// The same for RIKA, where every field must be readable (status 5 otherwise); no result when
// the count cannot be read.
std::optional<int> ParseRika(const QByteArray &block, TSchussArray &shots);
