#pragma once

#include "model/competition.h"

// The competition behind the golden files: a remark of blanks, an umlaut, a shot with
// Status 5, tenth values that differ between the two ring formats.
inline Competition GoldenCompetition(const QString &ringformat)
{
    Competition c;
    c.Ringformat = ringformat;
    c.Kopfdaten = {"Luftgewehr", "Schützenklasse",       "Bezirksoberliga", "A", "3", "10.12.2026",
                   "",           "Einzelschuss eingeben"};
    c.Sortieren = true;
    c.Mannschaftstaerke = 4;
    c.OMannschafts = 1;
    c.DISAG = "SCH=LG10;SSC=1;SZI=10;SGE=40;";
    c.Heim.Name = "SV Musterdorf 1";
    c.Heim.Mann_ident = "4711";
    c.Heim.Vnr = "12345";
    TYTeilnehmer &p = c.Heim.Teilnehmer[1];
    p.Name = "Müller, Jörg";
    p.Passnr = "12345678";
    p.Bemerk = "   ";
    p.Stammschuetze = true;
    p.Serie[1] = 95;
    p.Serie[2] = 97.5;
    p.Schuss[1] = {123.4f, 271.3f, 10.9f, 1};
    p.Schuss[2] = {400.0f, 45.67f, 9.0f, 5};
    TYTeilnehmer &e = c.Heim.Teilnehmer[5];
    e.Name = "Einzel, Eva";
    e.Bemerk = "Jugend";
    e.Serie[1] = 88;
    c.Gast.Name = "SG Nachbarort";
    c.Gast.Vnr = "54321";
    return c;
}
