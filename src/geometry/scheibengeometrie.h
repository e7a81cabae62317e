#pragma once

#include "base/schuss.h"
#include "geometry/scheibentypen.h"

#include <QPoint>
#include <QPointF>

#include <optional>

// What a target picture needs to draw its type and to turn shots into pixels and back: the
// ring table and per-type values, the zoom, and centre and scale for the picture's size.
// A new state is an air rifle target.
struct TScheibengeometrie
{
    TypeScheiben Typ = Sch_LG10;
    TScheibenmasse Masse = GetScheibenmasse(Sch_LG10);
    int Ringe = 10; // 5 on Sch_GK5
    bool Invertiert = false; // light and dark swap roles
    bool KaliberAenderbar = false;
    double Kaliber = 4.5; // mm
    double SchwarzAbRing = 4;
    int Zoom = 5; // index into Masse of the widest line shown
    int Mx = 0;
    int My = 0;
    double Massstab = 0; // pixel per mm
    double Lochradius = 0; // pixel
};

// Takes over a new type: its ring table and values, the zoom at most `grundzoom` and within the
// type. A choosable calibre stays what it was until the host sets one; the reserved types get
// only the air rifle table and keep calibre and black area.
void ScheibeEinrichten(TScheibengeometrie &g, TypeScheiben typ, int grundzoom);

// Centre and scale for a picture of the given size: the zoomed line plus one calibre spans the
// shorter side less 5 pixels.
void Ausrichten(TScheibengeometrie &g, int breite, int hoehe);

// The hole centre of a shot in picture pixels, unrounded and rounded.
QPointF Schussmitte(const TScheibengeometrie &g, const TYSchuss &schuss);
QPoint Schusspostion(const TScheibengeometrie &g, const TYSchuss &schuss);

// Teiler and angle (0 = up, clockwise) of a pixel; the centre pixel itself gives 90.
float XYPixToTeiler(const TScheibengeometrie &g, int x, int y);
float xyPixToWinkel(const TScheibengeometrie &g, int x, int y);

int getlochradiusPix(const TScheibengeometrie &g);

// Number of the hole under (x, y) among the shots marked for confirmation (status bits 0 and
// 2), or 0. The nearest hole wins, the lower number on a tie, and only when the pointer lies
// strictly inside it; then (x, y) moves to the hole's centre.
int sucheloch(const TScheibengeometrie &g, const TSchussArray &schuesse, int &x, int &y);

// Offset of a shot's hole centre from the target centre in mm, x to the right, y downwards.
struct TAblage
{
    long double X, Y;
};
TAblage Ablage(const TYSchuss &schuss);

// Hole-centre offsets added in single precision.
struct TAblagesumme
{
    float X = 0;
    float Y = 0;
    quint16 Anzahl = 0;

    void Hinzu(const TYSchuss &schuss);
};

// Centre of gravity of the unmarked shots (status exactly 1) among von..bis, in pixels; none
// when von is below 1 or no shot counts. Numbers beyond 120 are not looked at.
std::optional<QPointF> Durchschnittspunkt(const TScheibengeometrie &g, const TSchussArray &schuesse,
                                          int von, int bis);
