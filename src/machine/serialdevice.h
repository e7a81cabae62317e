#pragma once

#include <QString>
#include <QStringList>

class tSetupdaten;

// The device behind "COM" + n: the name itself on Windows, /dev/ttyS(n-1) elsewhere.
QString ComDeviceName(int port);

// The device the settings choose: the device path when one is set, otherwise COM port n.
QString ConfiguredDevice(const tSetupdaten &settings);

// The serial ports of this system that can be opened now, by the names a user enters:
// "COM3" where the device is a COM port, else its path ("/dev/ttyUSB0").
QStringList AvailablePorts();
