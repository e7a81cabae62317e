#include "ui/targetcursor.h"

#include <QPainter>
#include <QPixmap>

QCursor TargetCursor()
{
    constexpr int size = 32;
    constexpr int centre = size / 2;
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        // A white halo under every black ring keeps the target visible on dark cells.
        for (const auto &[colour, width] : {std::pair {Qt::white, 3}, std::pair {Qt::black, 1}}) {
            p.setPen(QPen(colour, width));
            for (int radius : {12, 8, 4})
                p.drawEllipse(QPoint(centre, centre), radius, radius);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPoint(centre, centre), 1, 1);
    }
    return QCursor(picture, centre, centre);
}
