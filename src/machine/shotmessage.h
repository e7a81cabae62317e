#pragma once

#include "base/schuss.h"
#include "geometry/scheibentypen.h"

#include <QByteArray>

// Decodes a DISAG shot message "SCH=nr;ring;Teiler;Winkel;status". The machine's shot number
// goes to `shotIndex` as soon as it is read; a record that cannot be read keeps Teiler 5000,
// Winkel 0, Ring 0 and status 0x35. A ring of 0 or less gets the Teiler of ring 0 on `type`
// and the angle 45.
TYSchuss DecodeShotMessage(const QByteArray &message, TypeScheiben type, int &shotIndex);
