#pragma once

#include "shotseries.h"

// How the simulated machine behaves, from the command line.
struct TSimOptions
{
    enum Family { Disag, Sam, Rika };
    Family family = Disag;
    int shots = 0; // 0: DISAG takes SGE= of the parameters, SAM and RIKA 40
    int perTarget = 1; // SAM and RIKA: shots in one result block
    bool strip = false; // SAM: positions as the machine reads a strip target
    int intervalMs = 20;
    int targetDelayMs = 100;
    int resendMs = 600; // DISAG: a message without an answer goes again
    TShotSeries series;

    // Faults of the line and the machine.
    bool silent = false;
    bool needsLoading = false;
    bool split = false;
    bool ackJoined = false;
    bool garbleCount = false;
    int badCheck = 0; // the first n messages or blocks go out with a wrong check byte
    int nak = 0; // the first n program frames are refused, -1 all of them
};
