#pragma once

#include <QtGlobal>

// Every time limit of the machine dialogue, in milliseconds of the driver's clock.
struct TMachineTiming
{
    quint32 handshake = 3000; // ENQ until STX, in all
    quint32 enqInterval = 200; // one ENQ per interval
    quint32 ackWait = 800; // per send of a command frame
    int commandSends = 5;
    quint32 probeWait = 4000; // per "S" probe after start-up
    int probeAttempts = 16;
    quint32 loadingPause = 200; // before opening at the loading rate
    quint32 loadingWait = 4000; // for the first byte of the loading answer
    quint32 reopenPause = 300; // before reopening at the DISAG rate
    quint32 pollWait = 500; // SAM and RIKA polls
    quint32 rikaWakeup = 500;
    quint32 outputDrain = 1000; // after every send, until the output queue is empty
};
