#include "print/schussbild10.h"

#include "base/userdialogs.h"
#include "geometry/runden.h"
#include "geometry/scheibenbild.h"
#include "print/kreis.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

void TQRschussbild10::SetScheibentype(TypeScheiben typ)
{
    if (typ == m_geometrie.Typ)
        return;
    ScheibeEinrichten(m_geometrie, typ, 5);
    // As on the screen target, a choosable calibre comes from the calibre table.
    if (m_geometrie.KaliberAenderbar)
        m_geometrie.Kaliber = Kaliberwerte[m_kaliberindex];
}

void TQRschussbild10::SetZoom(int zoom)
{
    // Zoom 0 would scale by the inner ten alone, which is zero or negative on some types.
    m_geometrie.Zoom = std::clamp(zoom, 1, m_geometrie.Ringe);
}

void TQRschussbild10::SchussNrBereich(int von, int bis)
{
    m_von = von;
    m_bis = bis;
}

void TQRschussbild10::SetKaliberindex(int index)
{
    m_kaliberindex = std::clamp(index, 0, KaliberAnzahl - 1);
    if (m_geometrie.KaliberAenderbar)
        m_geometrie.Kaliber = Kaliberwerte[m_kaliberindex];
}

void TQRschussbild10::GetSchuss(int n, TYSchuss &schuss) const
{
    schuss = n >= 1 && n <= MaxSchuss ? m_schuesse[n] : TYSchuss {};
}

void TQRschussbild10::SetSchuss(int n, const TYSchuss &schuss)
{
    if (n < 1 || n > MaxSchuss) {
        TMessage m;
        m.text = QStringLiteral("Schußnummer außerhalb von 1..120");
        m.icon = TMsgIcon::Error;
        m.caption = QStringLiteral("Error");
        UserDialogs().Message(m);
        return;
    }
    if (n > m_bis)
        m_bis = n;
    if (m_von == 0)
        m_von = 1;
    if (n < m_von)
        m_von = n;
    TYSchuss &gespeichert = m_schuesse[n];
    if (gespeichert.Teiler == schuss.Teiler && gespeichert.Status == schuss.Status
        && gespeichert.Winkel == schuss.Winkel)
        return;
    gespeichert = schuss;
}

TQRschussbild10::TStreifen TQRschussbild10::Streifen(int links, int my, int einheit, int hoehe,
                                                     int punkte) const
{
    TStreifen s {m_geometrie, links, einheit, QFont(QStringLiteral("Courier"))};
    TScheibengeometrie &g = s.Geometrie;
    g.My = my;
    // The zoomed line spans the height less 5 pixels, without the calibre the screen adds.
    g.Massstab = float((hoehe - 5) / (long double)g.Masse[g.Zoom] / 2.0L);
    g.Lochradius = double(g.Kaliber / 2.0L * g.Massstab);
    s.Schrift.setPointSize(punkte);
    return s;
}

int TQRschussbild10::Scheibenmitte(const TStreifen &s, int scheibe)
{
    // The total picture sits 0.4 units further right than the regular spacing would put it.
    return scheibe <= 5 ? s.Links + (2 * scheibe - 1) * s.Einheit
                        : s.Links + Runden(s.Einheit * 11.4L);
}

void TQRschussbild10::Drucken(QPainter &p, const QRect &rechteck) const
{
    const int links = rechteck.left();
    const int oben = rechteck.top();
    const int rechts = links + rechteck.width();
    const int unten = oben + rechteck.height();
    const TStreifen s =
            Streifen(links, Runden((unten - oben) / 2.0L + oben),
                     Runden((rechts - links) / 2.0L / 6.2L + links) - links, unten - oben, 5);
    p.save();
    Scheibenzeichnen(p, s);
    for (int k = 1; k <= 10; ++k) {
        if (IsPresent(m_schuesse[k]))
            Lochzeichnen(p, s, m_schuesse[k], Scheibenmitte(s, (k + 1) / 2));
    }
    TAblagesumme summe;
    for (int k = 1; k <= 10; ++k) {
        if (IsPresent(m_schuesse[k])) {
            Lochzeichnen(p, s, m_schuesse[k], Scheibenmitte(s, 6));
            summe.Hinzu(m_schuesse[k]);
        }
    }
    if (summe.Anzahl > 0)
        Durchschnittzeichnen(p, s, summe);
    p.restore();
}

void TQRschussbild10::Bildschirmzeichnen(QPainter &p, const QSize &groesse) const
{
    const int hoehe = groesse.height();
    const TStreifen s = Streifen(0, hoehe / 2, Runden(groesse.width() / 2.0L / 6.2L), hoehe,
                                 Runden(hoehe / 600.0L * (18 - m_geometrie.Zoom)) + 3);
    p.save();
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    Scheibenzeichnen(p, s);
    if (0 < m_von && m_von < m_bis) {
        for (int n = m_von; n <= std::min(m_bis, MaxSchuss); ++n) {
            if (IsPresent(m_schuesse[n]))
                Lochzeichnen(p, s, m_schuesse[n], Scheibenmitte(s, 1));
        }
    }
    p.restore();
}

void TQRschussbild10::Scheibenzeichnen(QPainter &p, const TStreifen &s) const
{
    const TScheibengeometrie &g = s.Geometrie;
    QColor hell = Qt::white;
    QColor dunkel = m_colorspiegel;
    if (g.Invertiert)
        std::swap(hell, dunkel);
    const QPen linie(Qt::black, Runden(g.Massstab / 8.0L));
    p.setFont(s.Schrift);
    const QFontMetrics fm(s.Schrift, p.device());
    const QString acht = QStringLiteral("8");
    const int hw = fm.horizontalAdvance(acht) / 2;
    const int hh = fm.height() / 2;
    for (int scheibe = 1; scheibe <= 6; ++scheibe) {
        const QPoint mitte(Scheibenmitte(s, scheibe), g.My);
        const int x = mitte.x();
        const int cy = mitte.y();
        for (int q = g.Zoom; q >= 0; --q) {
            p.setBrush(BandImSpiegel(g, q) ? dunkel : hell);
            if (const auto kante = Spiegelkante(g, q)) {
                p.setPen(Qt::NoPen);
                Kreis(p, mitte, Runden(*kante * g.Massstab));
            }
            p.setPen(linie);
            if (g.Masse[q] > 0.1)
                Kreis(p, mitte, Runden(g.Masse[q] * (long double)g.Massstab));
            if (!DruckBeschriftet(g.Typ, q))
                continue;
            const QString text = QString::number(Bandwert(g, q));
            const int m = Runden(((long double)g.Masse[q] + g.Masse[q - 1]) / 2 * g.Massstab);
            const QPoint ecken[] = {{x - hw - m, cy - hh - 1},
                                    {x - hw + m - 2, cy - hh - 1},
                                    {x - hw - 1, cy - hh - m},
                                    {x - hw - 1, cy - hh + m - 2}};
            p.setPen(Qt::black);
            for (const QPoint &ecke : ecken)
                p.drawText(ecke + QPoint(0, fm.ascent()), text);
        }
    }
}

void TQRschussbild10::Lochzeichnen(QPainter &p, const TStreifen &s, const TYSchuss &schuss,
                                   int mx) const
{
    const TScheibengeometrie &g = s.Geometrie;
    const TAblage a = Ablage(schuss);
    const float px = float(a.X * g.Massstab + mx);
    const float py = float(a.Y * g.Massstab + g.My);
    const double r = g.Lochradius;
    p.setPen(QPen(Qt::white, Runden(g.Massstab / 8.0L)));
    p.setBrush(m_colorschuss);
    // One pixel inside the hole on every side, so that neighbouring holes stay apart.
    Kreis(p, Runden(px - r + 1), Runden(py - r + 1), Runden(px + r - 1), Runden(py + r - 1));
}

void TQRschussbild10::Durchschnittzeichnen(QPainter &p, const TStreifen &s,
                                           const TAblagesumme &summe) const
{
    const TScheibengeometrie &g = s.Geometrie;
    const float ax = float(Scheibenmitte(s, 6) + g.Massstab * (summe.X / summe.Anzahl));
    const float ay = float(g.My + g.Massstab * (summe.Y / summe.Anzahl));
    const int w = Runden(g.Massstab / 4.0L);
    const double r = g.Lochradius;
    const auto linie = [&p](double x1, double y1, double x2, double y2) {
        p.drawLine(Runden(x1), Runden(y1), Runden(x2), Runden(y2));
    };
    // A black cross of arm length R, outlined in white so it shows on the black and on a hole.
    p.setPen(QPen(Qt::white, w, Qt::SolidLine, Qt::RoundCap));
    linie(ax - r, ay + w, ax + r, ay + w);
    linie(ax - r, ay - w, ax + r, ay - w);
    linie(ax - w, ay + r, ax - w, ay - r);
    linie(ax + w, ay + r, ax + w, ay - r);
    p.setPen(QPen(Qt::black, w, Qt::SolidLine, Qt::RoundCap));
    linie(ax - r, ay, ax + r, ay);
    linie(ax, ay + r, ax, ay - r);
}
