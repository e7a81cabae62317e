#pragma once

#include "base/schuss.h"
#include "geometry/scheibengeometrie.h"
#include "geometry/scheibentypen.h"

#include <QWidget>

#include <bitset>

// The on-screen target: the rings of the current type, the shots of the shown range and their
// average point. It holds the 120 shots of one shooter and answers the geometry questions of
// its picture (pixel to Teiler and angle, Teiler to rings, the hole under the pointer).
//
// Every change asks for a repaint; paintEvent draws the whole picture with Zeichnen, which also
// paints into any other device at any size.
class TScheibe : public QWidget
{
    Q_OBJECT

public:
    explicit TScheibe(QWidget *parent = nullptr);

    TypeScheiben Scheibentype() const { return m_geometrie.Typ; }
    void SetScheibentype(TypeScheiben typ);
    int Zoom() const { return m_geometrie.Zoom; }
    // Limited to one band beyond the last ring (6 on Sch_SchFe).
    void SetZoom(int zoom);
    int von_Schussnr() const { return m_von; }
    void Setvon_Schussnr(int n);
    int Bis_Schussnr() const { return m_bis; }
    void SetBis_Schussnr(int n);
    void SchussNrBereich(int von, int bis);

    double Kaliber() const { return m_geometrie.Kaliber; }
    // Only on the types whose calibre can be chosen; elsewhere an error box.
    void SetKaliber(double mm);
    int Ringanzahl() const { return m_geometrie.Ringe; }
    bool Invertiert() const { return m_geometrie.Invertiert; }
    double SchwarzAbRing() const { return m_geometrie.SchwarzAbRing; }

    // Numbers outside 1..120 give an empty shot.
    void GetSchuss(int n, TYSchuss &schuss) const;
    // Stores shot n (1..120) with its Teiler limited to the target, widens the zoom to show it
    // and shows it even outside the shown range until the next full drawing. A shot that
    // differs only in its ring value is not stored.
    void SetSchuss(int n, const TYSchuss &schuss);
    void ArraySetzen(const TSchussArray &schuesse);
    void ArrayLoeschen(bool repaint);

    // Asks for a full drawing.
    void Paint();
    // The full drawing at the given size in logical pixels: face, shown shots, average point.
    void Zeichnen(QPainter &p, const QSize &groesse) const;

    float XYPixToTeiler(int x, int y) const;
    float xyPixToWinkel(int x, int y) const;
    void Schusspostion(int n, int &x, int &y) const;
    int getlochradiusPix() const;
    int sucheloch(int &x, int &y) const;
    int GetGanzeringe(bool centreMode, float teiler) const;
    float GetZehntelringe(bool centreMode, float teiler) const;
    float GetTeiler(float ring) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The geometry with centre and scale for the current size.
    TScheibengeometrie Bild() const;
    void Scheibezeichnen(QPainter &p, const TScheibengeometrie &g, const QSize &groesse) const;
    void Schusszeichnen(QPainter &p, const TScheibengeometrie &g, const TYSchuss &schuss) const;
    void Durchschnittzeichnen(QPainter &p, const TScheibengeometrie &g) const;
    bool ImBereich(int n) const { return m_von >= 1 && n >= m_von && n <= m_bis; }

    TScheibengeometrie m_geometrie; // centre and scale unset: they follow the size
    TSchussArray m_schuesse;
    int m_von = 0;
    int m_bis = 0;
    // Shots stored since the last full drawing that lie outside the shown range.
    std::bitset<MaxSchuss + 1> m_nachgetragen;
};
