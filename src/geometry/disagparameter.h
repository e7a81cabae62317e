#pragma once

#include "geometry/scheibentypen.h"

#include <QString>
#include <QtGlobal>

// How a DISAG machine reads and scores: the record behind the DISAG parameter string that each
// home team and each competition stores.
struct TDisagParameter
{
    QString Bezeichnung; // designation for the target print, at most 6 characters
    TypeScheiben Scheibentyp = Sch_LG10;
    quint8 Ringanzeige = 0; // 0 whole rings, 1 tenth rings, 2 none
    quint8 Teileranzeige = 0; // 0 none, 1 tenth Teiler, 2 hundredth Teiler
    qint32 SchussProScheibe = 1;
    qint32 SchussProSerie = 10; // intermediate sum every n shots, 0 = none
    qint32 SchussGesamt = 40;
    qint32 Teilergrenze = 250;
    quint8 Kaliberindex = 0; // into Kalibernamen / Kaliberwerte
    quint8 Ringberechnung = 0; // 0 ring touch, 1 hole centre
    bool Scheibenaufdruck = false;
    bool TeilerNurMarkieren = false;

    bool operator==(const TDisagParameter &) const = default;
};

// Resets the record to the machine defaults.
inline void InitDisagParameter(TDisagParameter &p)
{
    p = TDisagParameter {};
}
