#include "machine/serialtransport.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <sys/stat.h>
#endif

namespace {

QSerialPort::Parity ToQt(TParity parity)
{
    switch (parity) {
    case paOdd:
        return QSerialPort::OddParity;
    case paEven:
        return QSerialPort::EvenParity;
    case paMark:
        return QSerialPort::MarkParity;
    case paSpace:
        return QSerialPort::SpaceParity;
    case paNone:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits ToQt(TStopbits stopbits)
{
    switch (stopbits) {
    case sb15:
        return QSerialPort::OneAndHalfStop;
    case sb20:
        return QSerialPort::TwoStop;
    case sb10:
        break;
    }
    return QSerialPort::OneStop;
}

} // namespace

TSerialTransport::TSerialTransport(QObject *parent) : TByteTransport(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &TByteTransport::DataArrived);
    connect(&m_port, &QSerialPort::bytesWritten, this, [this] {
        if (m_port.bytesToWrite() == 0)
            emit OutputEmpty();
    });
    connect(&m_port, &QSerialPort::errorOccurred, this, &TSerialTransport::PortError);
}

int TSerialTransport::OsErrorCode(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        return 0;
    case QSerialPort::DeviceNotFoundError:
        return ENOENT;
    case QSerialPort::PermissionError:
        return EACCES;
    case QSerialPort::OpenError:
        return EBUSY;
    case QSerialPort::ResourceError:
        return ENXIO;
    case QSerialPort::UnsupportedOperationError:
        return ENOTTY;
    case QSerialPort::TimeoutError:
        return ETIMEDOUT;
    case QSerialPort::NotOpenError:
        return EBADF;
    default:
        break;
    }
    return EIO;
}

TTransportResult TSerialTransport::Open(const QString &device)
{
#ifdef Q_OS_UNIX
    struct stat info
    {
    };
    if (::stat(device.toLocal8Bit().constData(), &info) == 0 && !S_ISCHR(info.st_mode))
        return {TTransportResult::NotCharDevice, 0};
#endif
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite))
        return TTransportResult::Failure(OsErrorCode(m_port.error()));
#ifdef Q_OS_UNIX
    int lines = 0;
    m_hasModemLines = ::ioctl(int(m_port.handle()), TIOCMGET, &lines) == 0;
#else
    m_hasModemLines = true;
#endif
    return TTransportResult::Success();
}

void TSerialTransport::Close()
{
    if (m_port.isOpen())
        m_port.close();
}

TTransportResult TSerialTransport::Apply(const TLineSettings &settings)
{
    bool ok = m_port.setBaudRate(settings.baudRate);
    // Qt's serial layer knows 5 to 8 data bits.
    if (settings.databits == da4)
        ok = false;
    else
        ok = m_port.setDataBits(QSerialPort::DataBits(int(settings.databits) + 4)) && ok;
    ok = m_port.setParity(ToQt(settings.parity)) && ok;
    ok = m_port.setStopBits(ToQt(settings.stopbits)) && ok;
    switch (settings.flowControl) {
    case fcNone:
        ok = m_port.setFlowControl(QSerialPort::NoFlowControl) && ok;
        if (m_hasModemLines) {
            ok = m_port.setDataTerminalReady(false) && ok;
            ok = m_port.setRequestToSend(false) && ok;
        }
        break;
    case fcCTS:
        ok = m_port.setFlowControl(QSerialPort::HardwareControl) && ok;
        break;
    case fcSoftware:
        ok = m_port.setFlowControl(QSerialPort::SoftwareControl) && ok;
        break;
    case fcDTR: // no DSR/DTR handshake in Qt's serial layer: the line runs without one
    case fcDefault:
        break;
    }
    m_port.setReadBufferSize(settings.readBufSize);
    if (ok)
        return TTransportResult::Success();
    return TTransportResult::Failure(OsErrorCode(m_port.error()));
}

TTransportResult TSerialTransport::Write(const QByteArray &bytes)
{
    if (m_port.write(bytes) != bytes.size())
        return TTransportResult::Failure(OsErrorCode(m_port.error()));
    // Hand the bytes to the system now rather than at the next turn of the event loop.
    m_port.flush();
    return TTransportResult::Success();
}

TTransportResult TSerialTransport::SetRts(bool on)
{
    if (!m_hasModemLines)
        return {TTransportResult::Unsupported, ENOTTY};
    if (!m_port.setRequestToSend(on))
        return TTransportResult::Failure(OsErrorCode(m_port.error()));
    return TTransportResult::Success();
}

TTransportResult TSerialTransport::SetDtr(bool on)
{
    if (!m_hasModemLines)
        return {TTransportResult::Unsupported, ENOTTY};
    if (!m_port.setDataTerminalReady(on))
        return TTransportResult::Failure(OsErrorCode(m_port.error()));
    return TTransportResult::Success();
}

void TSerialTransport::PortError(QSerialPort::SerialPortError error)
{
    // Refused settings are answered by Apply's result; only failures of the line count here.
    switch (error) {
    case QSerialPort::ResourceError:
        emit LineError(OsErrorCode(error), true);
        break;
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        emit LineError(OsErrorCode(error), false);
        break;
    default:
        break;
    }
}
