#pragma once

#include "geometry/scheibentypen.h"

// Ring values of a centre distance (Teiler, 1/100 mm) on a ring table with a given calibre.
// centreMode false is ring touch: a ring counts when the hole of the calibre touches its line;
// true is hole centre: it counts when the centre lies inside the line.

// Highest tenth value the shooting rules know.
constexpr float HoechsterZehntelring = 10.9f;

// 0..10. A Teiler exactly on a limit scores the lower ring. Ten lines are always looked at, so
// on Sch_GK5 the empty entries 7..10 score nothing beyond line 6.
int GetGanzeringe(const TScheibenmasse &masse, double kaliber, bool centreMode, float teiler);

// A multiple of 0.1, held as single. Ring touch gives 0.0 outside the target and at most 10.9
// (a hole dead in the centre would otherwise give 11.0); hole centre is a straight line through
// 10.0 at line 1 and 9.0 at line 2 without bounds.
float GetZehntelringe(const TScheibenmasse &masse, double kaliber, bool centreMode, float teiler);

// Largest Teiler a stored shot may have: two thirds of a calibre beyond the widest table entry.
float MaxTeiler(const TScheibenmasse &masse, double kaliber);
