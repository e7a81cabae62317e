#include "ui/scheibe.h"

#include "base/userdialogs.h"
#include "geometry/ringwerte.h"
#include "geometry/runden.h"
#include "geometry/scheibenbild.h"
#include "print/kreis.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

const QColor Silber(192, 192, 192);
const QColor Rot(255, 0, 0);
const QColor Bernstein(253, 188, 36);
const QColor Kastanie(128, 0, 0);
const QColor Dunkelbraun(126, 89, 1);
const QColor Gruen(0, 255, 0);

void Fehler(const QString &text, const QString &caption)
{
    TMessage m;
    m.text = text;
    m.icon = TMsgIcon::Error;
    m.caption = caption;
    UserDialogs().Message(m);
}

} // namespace

TScheibe::TScheibe(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TScheibengeometrie TScheibe::Bild() const
{
    TScheibengeometrie g = m_geometrie;
    Ausrichten(g, width(), height());
    return g;
}

void TScheibe::SetScheibentype(TypeScheiben typ)
{
    if (typ == m_geometrie.Typ)
        return;
    // Zoom 7 is where a new type starts, narrowed to what the type can show.
    ScheibeEinrichten(m_geometrie, typ, 7);
    Paint();
}

void TScheibe::SetZoom(int zoom)
{
    if (zoom == m_geometrie.Zoom)
        return;
    m_geometrie.Zoom = std::clamp(zoom, 0, Scheibenkonstanten(m_geometrie.Typ).WeitesterZoom);
    Paint();
}

void TScheibe::Setvon_Schussnr(int n)
{
    SchussNrBereich(n, m_bis);
}

void TScheibe::SetBis_Schussnr(int n)
{
    SchussNrBereich(m_von, n);
}

void TScheibe::SchussNrBereich(int von, int bis)
{
    if (von == m_von && bis == m_bis)
        return;
    m_von = von;
    m_bis = bis;
    Paint();
}

void TScheibe::SetKaliber(double mm)
{
    if (!m_geometrie.KaliberAenderbar) {
        Fehler(QStringLiteral("Kaliber kann bei dieser Scheibe nicht geändert werden"), QString());
        return;
    }
    m_geometrie.Kaliber = mm;
    // The scale depends on the calibre: picture and pixel conversions must agree.
    Paint();
}

void TScheibe::GetSchuss(int n, TYSchuss &schuss) const
{
    schuss = n >= 1 && n <= MaxSchuss ? m_schuesse[n] : TYSchuss {};
}

void TScheibe::SetSchuss(int n, const TYSchuss &schuss)
{
    if (n < 1 || n > MaxSchuss) {
        Fehler(QStringLiteral("Schußnummer außerhalb von 1..120"), QStringLiteral("Error"));
        return;
    }
    TYSchuss &gespeichert = m_schuesse[n];
    if (gespeichert.Teiler == schuss.Teiler && gespeichert.Status == schuss.Status
        && gespeichert.Winkel == schuss.Winkel)
        return;
    gespeichert = schuss;
    gespeichert.Teiler =
            std::min(gespeichert.Teiler, MaxTeiler(m_geometrie.Masse, m_geometrie.Kaliber));
    // Show the shot's ring and the next one outward.
    if (IsPresent(gespeichert) && m_geometrie.Zoom < 11.0L - gespeichert.Ring)
        SetZoom(12 - Runden(gespeichert.Ring));
    if (!ImBereich(n))
        m_nachgetragen.set(n);
    update();
}

void TScheibe::ArraySetzen(const TSchussArray &schuesse)
{
    m_schuesse = schuesse;
    Paint();
}

void TScheibe::ArrayLoeschen(bool repaint)
{
    m_schuesse.Fill(TYSchuss {});
    if (repaint)
        Paint();
}

void TScheibe::Paint()
{
    m_nachgetragen.reset();
    update();
}

void TScheibe::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Zeichnen(p, size());
}

void TScheibe::Zeichnen(QPainter &p, const QSize &groesse) const
{
    TScheibengeometrie g = m_geometrie;
    Ausrichten(g, groesse.width(), groesse.height());
    p.save();
    Scheibezeichnen(p, g, groesse);
    if (m_von >= 1) {
        for (int n = m_von; n <= std::min(m_bis, MaxSchuss); ++n)
            Schusszeichnen(p, g, m_schuesse[n]);
    }
    Durchschnittzeichnen(p, g);
    for (int n = 1; n <= MaxSchuss; ++n) {
        if (m_nachgetragen[n] && !ImBereich(n))
            Schusszeichnen(p, g, m_schuesse[n]);
    }
    p.restore();
}

void TScheibe::Scheibezeichnen(QPainter &p, const TScheibengeometrie &g, const QSize &groesse) const
{
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    QColor hell = Silber;
    QColor dunkel = Qt::black;
    if (g.Invertiert) {
        hell = Qt::black;
        dunkel = Qt::white;
    }
    const int grad = 18 - g.Zoom;
    const int punkte = g.Mx < g.My ? Runden(groesse.width() / 800.0L * grad) + 3
                                   : Runden(groesse.height() / 600.0L * grad) + 3;
    QFont schrift = font();
    schrift.setPointSize(punkte);
    p.setFont(schrift);
    const QFontMetrics fm(schrift, p.device());
    const QString acht = QStringLiteral("8");
    const int hw = fm.horizontalAdvance(acht) / 2;
    const int hh = fm.height() / 2;
    const QPoint mitte(g.Mx, g.My);

    p.setBackgroundMode(Qt::OpaqueMode);
    for (int q = std::min(g.Zoom, g.Ringe); q >= 0; --q) {
        const bool schwarz = BandImSpiegel(g, q);
        const QColor fuellung = schwarz ? dunkel : hell;
        const QColor linie = schwarz ? hell : dunkel;
        p.setBrush(fuellung);
        if (const auto kante = Spiegelkante(g, q)) {
            p.setPen(Qt::NoPen);
            Kreis(p, mitte, Runden(*kante * g.Massstab));
        }
        p.setPen(QPen(linie, 1));
        if (g.Masse[q] > 0.1)
            Kreis(p, mitte, Runden(g.Masse[q] * (long double)g.Massstab));
        if (!AnzeigeBeschriftet(g.Typ, q))
            continue;
        const QString text = QString::number(Bandwert(g, q));
        const int m = Runden(((long double)g.Masse[q] + g.Masse[q - 1]) / 2 * g.Massstab);
        p.setBackground(fuellung);
        const QPoint ecken[] = {{g.Mx - hw - m, g.My - hh},
                                {g.Mx - hw + m, g.My - hh},
                                {g.Mx - hw, g.My - hh - m},
                                {g.Mx - hw, g.My - hh + m}};
        for (const QPoint &ecke : ecken)
            p.drawText(ecke + QPoint(0, fm.ascent()), text);
    }
    p.setBackgroundMode(Qt::TransparentMode);
}

void TScheibe::Schusszeichnen(QPainter &p, const TScheibengeometrie &g,
                              const TYSchuss &schuss) const
{
    if ((schuss.Status & (SchussVorhanden | SchussManuell)) == 0)
        return;
    const QPointF m = Schussmitte(g, schuss);
    const double px = m.x();
    const double py = std::max(0.0, m.y());
    const bool markiert = (schuss.Status & (SchussMarke1 | SchussBestaetigen)) != 0;
    const bool zehn = schuss.Ring >= 10.0f;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(markiert ? (zehn ? Rot : Bernstein) : (zehn ? Kastanie : Dunkelbraun));
    const double r = g.Lochradius;
    Kreis(p, Runden(px - r), Runden(py - r), Runden(px + r), Runden(py + r));
}

void TScheibe::Durchschnittzeichnen(QPainter &p, const TScheibengeometrie &g) const
{
    const auto punkt = Durchschnittspunkt(g, m_schuesse, m_von, m_bis);
    if (!punkt)
        return;
    const double ax = punkt->x();
    const double ay = punkt->y();
    const double r = g.Lochradius;
    p.setPen(QPen(Gruen, 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(Runden(ax), Runden(ay - r), Runden(ax), Runden(ay + r));
    p.drawLine(Runden(ax - r), Runden(ay), Runden(ax + r), Runden(ay));
    Kreis(p, Runden(ax - r), Runden(ay - r), Runden(ax + r), Runden(ay + r));
}

float TScheibe::XYPixToTeiler(int x, int y) const
{
    return ::XYPixToTeiler(Bild(), x, y);
}

float TScheibe::xyPixToWinkel(int x, int y) const
{
    return ::xyPixToWinkel(Bild(), x, y);
}

void TScheibe::Schusspostion(int n, int &x, int &y) const
{
    TYSchuss schuss;
    GetSchuss(n, schuss);
    const QPoint p = ::Schusspostion(Bild(), schuss);
    x = p.x();
    y = p.y();
}

int TScheibe::getlochradiusPix() const
{
    return ::getlochradiusPix(Bild());
}

int TScheibe::sucheloch(int &x, int &y) const
{
    return ::sucheloch(Bild(), m_schuesse, x, y);
}

int TScheibe::GetGanzeringe(bool centreMode, float teiler) const
{
    return ::GetGanzeringe(m_geometrie.Masse, m_geometrie.Kaliber, centreMode, teiler);
}

float TScheibe::GetZehntelringe(bool centreMode, float teiler) const
{
    return ::GetZehntelringe(m_geometrie.Masse, m_geometrie.Kaliber, centreMode, teiler);
}

float TScheibe::GetTeiler(float ring) const
{
    return ::GetTeiler(m_geometrie.Masse, ring);
}
