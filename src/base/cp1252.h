#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252 with our own table, so files read the same with any Qt build. The five bytes
// that the code page leaves undefined map to the C1 control of the same value, as Windows does.
QString DecodeCp1252(QByteArrayView bytes);

// Characters outside the code page become '?'.
QByteArray EncodeCp1252(QStringView text);
