#pragma once

#include <QColor>
#include <QtGlobal>

// The settings keep colours as the colour dialog of the original platform delivers them:
// 0x00BBGGRR, red in the low byte.
inline QColor ColorFromRef(qint32 ref)
{
    return QColor(ref & 0xff, (ref >> 8) & 0xff, (ref >> 16) & 0xff);
}
