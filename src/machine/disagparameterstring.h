#pragma once

#include "geometry/disagparameter.h"
#include "settings/setupdaten.h"

#include <QString>

#include <array>
#include <optional>

// The text form of TDisagParameter that competitions and home teams store and the DISAG
// machine takes as the first command of a reading.

extern const std::array<const char *, ScheibentypAnzahl> ScheibentypTokens;
extern const std::array<const char *, 3> RingTokens;
extern const std::array<const char *, 3> TeilerTokens;
// "KAL=" + characters 5 to 7 of the calibre's name + ";".
QString KaliberToken(int kaliberindex);

// The most shots per target a machine takes on a target type; 0 = the machine cannot read it.
int SchussProScheibeGrenze(int ringlesegeraet, TypeScheiben type);

// At most 255 characters.
QString BuildParameterString(const TDisagParameter &record);

// Parses into `record` (reset first) and returns the first syntax error, as the user sees it
// (with LF, CR and the string appended); the fields of later steps keep their defaults.
std::optional<QString> ParseParameterStringError(const QString &text, TDisagParameter &record);

// The same, showing the error in a message box.
void ParseParameterString(const QString &text, TDisagParameter &record);
