#include "geometry/scheibengeometrie.h"

#include "geometry/runden.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

long double Bogenmass(float winkel)
{
    return winkel * Pi / 180.0L;
}

struct TVersatz
{
    long double x, y;
};

TVersatz Pixelversatz(const TScheibengeometrie &g, const TYSchuss &schuss)
{
    const long double w = Bogenmass(schuss.Winkel);
    return {std::sin(w) * schuss.Teiler * g.Massstab / 100.0L,
            -std::cos(w) * schuss.Teiler * g.Massstab / 100.0L};
}

} // namespace

void ScheibeEinrichten(TScheibengeometrie &g, TypeScheiben typ, int grundzoom)
{
    g.Typ = typ;
    g.Masse = GetScheibenmasse(typ);
    g.Ringe = 10;
    g.Invertiert = false;
    g.KaliberAenderbar = false;
    int weitester = grundzoom;
    if (IstBekannterScheibentyp(typ)) {
        const TScheibenkonstanten k = Scheibenkonstanten(typ);
        g.Ringe = k.Ringe;
        g.Invertiert = k.Invertiert;
        g.KaliberAenderbar = k.KaliberAenderbar;
        if (!k.KaliberAenderbar)
            g.Kaliber = k.Kaliber;
        g.SchwarzAbRing = k.SchwarzAbRing;
        weitester = k.WeitesterZoom;
    }
    g.Zoom = std::min({grundzoom, weitester, g.Ringe});
}

void Ausrichten(TScheibengeometrie &g, int breite, int hoehe)
{
    g.Mx = breite / 2;
    g.My = hoehe / 2;
    const int seite = g.Mx > g.My ? hoehe : breite;
    g.Massstab = double((seite - 5) / ((long double)g.Masse[g.Zoom] + g.Kaliber) / 2.0L);
    g.Lochradius = double(g.Kaliber / 2.0L * g.Massstab);
}

QPointF Schussmitte(const TScheibengeometrie &g, const TYSchuss &schuss)
{
    const TVersatz v = Pixelversatz(g, schuss);
    return QPointF(double(v.x + g.Mx), double(v.y + g.My));
}

QPoint Schusspostion(const TScheibengeometrie &g, const TYSchuss &schuss)
{
    const TVersatz v = Pixelversatz(g, schuss);
    return QPoint(Runden(v.x) + g.Mx, Runden(v.y) + g.My);
}

float XYPixToTeiler(const TScheibengeometrie &g, int x, int y)
{
    const qint32 dx = x - g.Mx;
    const qint32 dy = y - g.My;
    const qint32 quadrat = dx * dx + dy * dy;
    return float(std::sqrt((long double)quadrat) / g.Massstab * 100.0L);
}

float xyPixToWinkel(const TScheibengeometrie &g, int x, int y)
{
    const int dx = x - g.Mx;
    const int dy = y - g.My;
    if (dy == 0)
        return dx < 0 ? 270.0f : 90.0f;
    long double a = std::atan((long double)dx / -dy) * 180.0L / Pi;
    if (dx < 0 && dy < 0)
        a += 360.0L;
    if (dy > 0)
        a += 180.0L;
    return float(a);
}

int getlochradiusPix(const TScheibengeometrie &g)
{
    return Runden(g.Lochradius);
}

int sucheloch(const TScheibengeometrie &g, const TSchussArray &schuesse, int &x, int &y)
{
    constexpr quint8 Waehlbar = SchussVorhanden | SchussBestaetigen;
    int bester = 0x0FFFFFFF;
    int gefunden = 0;
    QPoint mitte;
    for (int i = 1; i <= MaxSchuss; ++i) {
        if ((schuesse[i].Status & Waehlbar) != Waehlbar)
            continue;
        const QPoint p = Schusspostion(g, schuesse[i]);
        const qint32 dx = p.x() - x;
        const qint32 dy = p.y() - y;
        const int abstand = Runden(std::sqrt((long double)(dx * dx + dy * dy)));
        if (abstand < bester) {
            bester = abstand;
            gefunden = i;
            mitte = p;
        }
    }
    if (gefunden == 0 || g.Massstab <= 0 || !(g.Kaliber / 2.0L > bester / (long double)g.Massstab))
        return 0;
    x = mitte.x();
    y = mitte.y();
    return gefunden;
}

TAblage Ablage(const TYSchuss &schuss)
{
    const long double w = Bogenmass(schuss.Winkel);
    const long double d = schuss.Teiler / 100.0L;
    return {std::sin(w) * d, -std::cos(w) * d};
}

void TAblagesumme::Hinzu(const TYSchuss &schuss)
{
    const TAblage a = Ablage(schuss);
    X = float(X + a.X);
    Y = float(Y + a.Y);
    ++Anzahl;
}

std::optional<QPointF> Durchschnittspunkt(const TScheibengeometrie &g, const TSchussArray &schuesse,
                                          int von, int bis)
{
    if (von < 1)
        return std::nullopt;
    TAblagesumme summe;
    for (int i = von; i <= std::min(bis, MaxSchuss); ++i) {
        if (schuesse[i].Status == SchussVorhanden)
            summe.Hinzu(schuesse[i]);
    }
    if (summe.Anzahl == 0)
        return std::nullopt;
    const float ax = float(summe.X * (long double)g.Massstab / summe.Anzahl + g.Mx);
    const float ay = float(summe.Y * (long double)g.Massstab / summe.Anzahl + g.My);
    return QPointF(ax, ay);
}
