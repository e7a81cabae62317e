#include "ui/images.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include <functional>

namespace {

QIcon Drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(picture);
}

void Window(QPainter &p, const QRect &r)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.fillRect(r.left() + 1, r.top() + 1, r.width() - 1, 2, QColor(0, 0, 128));
}

QIcon Printer()
{
    return Drawn([](QPainter &p) {
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 8, 6);
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(1, 7, 14, 6);
        p.setBrush(Qt::white);
        p.drawRect(4, 11, 8, 4);
    });
}

QIcon Envelope()
{
    return Drawn([](QPainter &p) {
        p.setPen(Qt::black);
        p.setBrush(QColor(255, 255, 224));
        p.drawRect(1, 3, 14, 10);
        p.drawPolyline(QPolygon({QPoint(1, 3), QPoint(8, 9), QPoint(15, 3)}));
    });
}

QIcon GuestTeam()
{
    return Drawn([](QPainter &p) {
        p.setPen(Qt::NoPen);
        for (const auto &[x, colour] :
             {std::pair {1, QColor(0, 0, 192)}, std::pair {8, QColor(192, 0, 0)}}) {
            p.setBrush(colour);
            p.drawEllipse(x + 1, 1, 5, 5);
            p.drawRoundedRect(x, 7, 7, 8, 2, 2);
        }
    });
}

QIcon Tiles(bool aboveEachOther)
{
    return Drawn([aboveEachOther](QPainter &p) {
        if (aboveEachOther) {
            Window(p, QRect(1, 1, 14, 6));
            Window(p, QRect(1, 9, 14, 6));
        } else {
            Window(p, QRect(1, 1, 6, 14));
            Window(p, QRect(9, 1, 6, 14));
        }
    });
}

QIcon Cascade()
{
    return Drawn([](QPainter &p) {
        Window(p, QRect(1, 1, 9, 8));
        Window(p, QRect(3, 4, 9, 8));
        Window(p, QRect(6, 7, 9, 8));
    });
}

QIcon Sort()
{
    return Drawn([](QPainter &p) {
        p.setPen(QPen(Qt::black, 2));
        for (int i = 0; i < 4; ++i)
            p.drawLine(1, 2 + 4 * i, 10 - 2 * i, 2 + 4 * i);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 128, 0));
        p.drawPolygon(QPolygon({QPoint(11, 10), QPoint(15, 10), QPoint(13, 15)}));
        p.fillRect(12, 1, 2, 9, QColor(0, 128, 0));
    });
}

QIcon Help()
{
    return Drawn([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 192));
        p.drawEllipse(1, 1, 14, 14);
        QFont font = p.font();
        font.setPixelSize(12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon Neutral()
{
    return Drawn([](QPainter &p) {
        p.setPen(QColor(128, 128, 128));
        p.setBrush(QColor(224, 224, 224));
        p.drawRect(3, 3, 10, 10);
    });
}

} // namespace

TFimages::TFimages()
{
    const QStyle *style = QApplication::style();
    const auto standard = [style](QStyle::StandardPixmap pixmap) {
        return style->standardIcon(pixmap);
    };
    m_images.fill(Neutral(), Anzahl);
    m_images[6] = standard(QStyle::SP_FileIcon);
    m_images[7] = standard(QStyle::SP_DialogOpenButton);
    m_images[8] = standard(QStyle::SP_DialogSaveButton);
    m_images[10] = standard(QStyle::SP_DirHomeIcon);
    m_images[14] = Printer();
    m_images[15] = Envelope();
    m_images[22] = GuestTeam();
    m_images[26] = standard(QStyle::SP_FileDialogDetailedView);
    m_images[27] = Help();
    m_images[28] = Tiles(true);
    m_images[29] = Tiles(false);
    m_images[30] = Cascade();
    m_images[31] = standard(QStyle::SP_TitleBarMinButton);
    m_images[36] = Sort();
}

QIcon TFimages::Image(int index) const
{
    return m_images.value(index);
}
