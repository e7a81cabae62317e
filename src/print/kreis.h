#pragma once

#include <QPainter>
#include <QPoint>
#include <QRect>

// A circle given by the corners of its bounding box, both lying on the outline: a radius r
// around c covers the pixels c - r .. c + r. Filled with the painter's brush, outlined with its
// pen.
inline void Kreis(QPainter &p, int links, int oben, int rechts, int unten)
{
    p.drawEllipse(QRect(links, oben, rechts - links, unten - oben));
}

inline void Kreis(QPainter &p, QPoint mitte, int radius)
{
    Kreis(p, mitte.x() - radius, mitte.y() - radius, mitte.x() + radius, mitte.y() + radius);
}
