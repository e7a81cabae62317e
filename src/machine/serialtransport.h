#pragma once

#include "machine/transport.h"

#include <QSerialPort>

// The transport on a real serial device (COM port, USB adapter, pseudo-terminal).
class TSerialTransport : public TByteTransport
{
    Q_OBJECT
public:
    explicit TSerialTransport(QObject *parent = nullptr);

    TTransportResult Open(const QString &device) override;
    void Close() override;
    bool IsOpen() const override { return m_port.isOpen(); }
    TTransportResult Apply(const TLineSettings &settings) override;
    qint64 BytesAvailable() const override { return m_port.bytesAvailable(); }
    QByteArray Read(qint64 count) override { return m_port.read(count); }
    TTransportResult Write(const QByteArray &bytes) override;
    qint64 OutQueueCount() const override { return m_port.bytesToWrite(); }
    void Purge() override { m_port.clear(); }
    TTransportResult SetRts(bool on) override;
    TTransportResult SetDtr(bool on) override;

    // The system's error code for a port error, as the failure messages show it.
    static int OsErrorCode(QSerialPort::SerialPortError error);

private:
    void PortError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    bool m_hasModemLines = false;
};
