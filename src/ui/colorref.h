#pragma once

#include <QColor>
#include <QtGlobal>

// The settings keep colours as 0x00BBGGRR, red in the low byte.
inline QColor ColorFromRef(quint32 ref)
{
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

inline quint32 RefFromColor(const QColor &color)
{
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}
