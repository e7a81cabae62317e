#include "machine/serialdevice.h"

#include "settings/setupdaten.h"

#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>

namespace {

QString UserName(const QSerialPortInfo &info)
{
#ifdef Q_OS_WIN
    return info.portName();
#else
    static const QRegularExpression ttyS(QStringLiteral("^/dev/ttyS(\\d+)$"));
    const QRegularExpressionMatch m = ttyS.match(info.systemLocation());
    if (m.hasMatch())
        return QStringLiteral("COM") + QString::number(m.captured(1).toInt() + 1);
    return info.systemLocation();
#endif
}

} // namespace

QString ComDeviceName(int port)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM") + QString::number(port);
#else
    return QStringLiteral("/dev/ttyS") + QString::number(qMax(0, port - 1));
#endif
}

QString ConfiguredDevice(const tSetupdaten &settings)
{
    const QString path = settings.Schnittstelle.trimmed();
    return path.isEmpty() ? ComDeviceName(settings.Comport) : path;
}

QStringList AvailablePorts()
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        QSerialPort port(info);
        if (port.open(QIODevice::ReadWrite)) {
            port.close();
            names.append(UserName(info));
        }
    }
    return names;
}
