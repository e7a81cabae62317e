#pragma once

#include "base/schuss.h"
#include "geometry/scheibengeometrie.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;

// The printed picture of one 10-shot series: six small targets side by side, targets 1 to 5
// with two consecutive shots each, target 6 with all ten and their average mark. It draws into
// any painter (printer page, PDF, image) at a rectangle in that device's pixels; it has no
// surface of its own, so whoever shows it repaints it after a change.
class TQRschussbild10
{
public:
    TypeScheiben Scheibentype() const { return m_geometrie.Typ; }
    // A new type resets the zoom to 5, limited to the ring count.
    void SetScheibentype(TypeScheiben typ);
    QColor Colorspiegel() const { return m_colorspiegel; }
    void SetColorspiegel(const QColor &farbe) { m_colorspiegel = farbe; }
    QColor Colorschuss() const { return m_colorschuss; }
    void SetColorschuss(const QColor &farbe) { m_colorschuss = farbe; }
    int Zoom() const { return m_geometrie.Zoom; }
    // 1 .. ring count.
    void SetZoom(int zoom);
    int von_Schussnr() const { return m_von; }
    void Setvon_Schussnr(int n) { m_von = n; }
    int Bis_Schussnr() const { return m_bis; }
    void SetBis_Schussnr(int n) { m_bis = n; }
    void SchussNrBereich(int von, int bis);

    // Index into Kaliberwerte, used on the types whose calibre can be chosen.
    int Kaliberindex() const { return m_kaliberindex; }
    void SetKaliberindex(int index);
    double Kaliber() const { return m_geometrie.Kaliber; }

    void GetSchuss(int n, TYSchuss &schuss) const;
    // Stores shot n (1..120) and widens the shown range to contain it; a shot that differs only
    // in its ring value is not stored. Only shots 1..10 are printed.
    void SetSchuss(int n, const TYSchuss &schuss);

    // The strip in the rectangle, in the painter's device pixels.
    void Drucken(QPainter &p, const QRect &rechteck) const;
    // The picture of a layout view: the six faces at the given size and the shown range's shots
    // on the first target.
    void Bildschirmzeichnen(QPainter &p, const QSize &groesse) const;

private:
    // Where the six faces go: centre line, scale and hole radius in the geometry, the left
    // edge and the spacing unit here.
    struct TStreifen
    {
        TScheibengeometrie Geometrie;
        int Links;
        int Einheit; // the strip is 12.4 units wide
        QFont Schrift;
    };

    TStreifen Streifen(int links, int my, int einheit, int hoehe, int punkte) const;
    void Scheibenzeichnen(QPainter &p, const TStreifen &s) const;
    void Lochzeichnen(QPainter &p, const TStreifen &s, const TYSchuss &schuss, int mx) const;
    void Durchschnittzeichnen(QPainter &p, const TStreifen &s, const TAblagesumme &summe) const;
    static int Scheibenmitte(const TStreifen &s, int scheibe);

    TScheibengeometrie m_geometrie;
    TSchussArray m_schuesse;
    int m_von = 0;
    int m_bis = 0;
    QColor m_colorspiegel = Qt::black;
    QColor m_colorschuss = QColor(255, 0, 0);
    int m_kaliberindex = 0;
};
