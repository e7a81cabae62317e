#pragma once

#include <QFlags>
#include <QtGlobal>

// Line settings and events of the serial port, in the order the settings store them.

enum TBaudrate {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000,
};

enum TParity { paNone, paOdd, paEven, paMark, paSpace };
enum TStopbits { sb10, sb15, sb20 };
enum TDatabits { da4, da5, da6, da7, da8 };
enum TFlowControl { fcNone, fcCTS, fcDTR, fcSoftware, fcDefault };

enum TCommOption {
    coParityCheck = 0x01,
    coDsrSensitivity = 0x02,
    coIgnoreXOff = 0x04,
    coErrorChar = 0x08,
    coNullStrip = 0x10,
};
Q_DECLARE_FLAGS(TCommOptions, TCommOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TCommOptions)

// The values are the bits of the event mask word.
enum TCommEventType {
    evRxChar = 0x01,
    evRxFlag = 0x02,
    evTxEmpty = 0x04,
    evCts = 0x08,
    evDsr = 0x10,
    evRlsd = 0x20,
    evBreak = 0x40,
    evError = 0x80,
    evRing = 0x100,
};
Q_DECLARE_FLAGS(TCommEventTypes, TCommEventType)
Q_DECLARE_OPERATORS_FOR_FLAGS(TCommEventTypes)

constexpr TCommEventTypes AllCommEvents = TCommEventTypes(0x1FF);

// Bit/s of a rate.
qint32 BaudrateValue(TBaudrate rate);
