#include "ui/setuppreviews.h"

#include "base/numberformat.h"
#include "ui/colorref.h"

#include <QMouseEvent>
#include <QPainter>

#include <array>

TSchussbildVorschau::TSchussbildVorschau(QWidget *parent) : QWidget(parent)
{
    setFixedSize(72, 72);
}

void TSchussbildVorschau::SetSpiegel(qint32 farbe)
{
    m_spiegel = farbe;
    update();
}

void TSchussbildVorschau::SetSchuss(qint32 farbe)
{
    m_schuss = farbe;
    update();
}

QRect TSchussbildVorschau::SpiegelRect() const
{
    return rect().adjusted(12, 12, -12, -12);
}

QRect TSchussbildVorschau::SchussRect() const
{
    const QRect spiegel = SpiegelRect();
    return QRect(spiegel.center() + QPoint(4, -14), QSize(10, 10));
}

void TSchussbildVorschau::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(ColorFromRef(m_spiegel));
    p.drawEllipse(SpiegelRect());
    p.setBrush(ColorFromRef(m_schuss));
    p.drawEllipse(SchussRect());
}

namespace {

// Heights of the four bars in percent of the drawing height.
constexpr std::array<int, TDiagrammVorschau::BalkenAnzahl> BalkenHoehe = {60, 85, 70, 95};
constexpr int WertHoehe = 16;

} // namespace

TDiagrammVorschau::TDiagrammVorschau(QWidget *parent) : QWidget(parent)
{
    setFixedSize(160, 100);
    setCursor(Qt::PointingHandCursor);
}

void TDiagrammVorschau::SetBalken(qint32 farbe)
{
    m_balken = farbe;
    update();
}

void TDiagrammVorschau::SetBalken10(qint32 farbe)
{
    m_balken10 = farbe;
    update();
}

void TDiagrammVorschau::SetWertSichtbar(bool sichtbar)
{
    m_wertSichtbar = sichtbar;
    update();
}

QString TDiagrammVorschau::Beispielwert()
{
    return FormatFixed(10.5, 1);
}

QRect TDiagrammVorschau::BalkenRect(int index) const
{
    const int platz = width() / BalkenAnzahl;
    const int breite = platz * 2 / 3;
    const int nutzhoehe = height() - WertHoehe;
    const int hoehe = nutzhoehe * BalkenHoehe[index] / 100;
    return QRect(index * platz + (platz - breite) / 2, height() - hoehe, breite, hoehe);
}

QRect TDiagrammVorschau::WertRect() const
{
    const QRect balken = BalkenRect(ZehnerBalken);
    return QRect(balken.left() - 10, balken.top() - WertHoehe, balken.width() + 20, WertHoehe);
}

void TDiagrammVorschau::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (int i = 0; i < BalkenAnzahl; ++i)
        p.fillRect(BalkenRect(i), ColorFromRef(i == ZehnerBalken ? m_balken10 : m_balken));
    if (m_wertSichtbar) {
        p.setPen(Qt::black);
        p.drawText(WertRect(), Qt::AlignCenter, Beispielwert());
    }
}

void TDiagrammVorschau::mousePressEvent(QMouseEvent *event)
{
    for (int i = 0; i < BalkenAnzahl; ++i) {
        if (BalkenRect(i).contains(event->position().toPoint())) {
            emit BalkenGeklickt(i);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}
