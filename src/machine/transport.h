#pragma once

#include "machine/commtypes.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// What the port puts on the line: the part of the port's settings a transport applies.
struct TLineSettings
{
    qint32 baudRate = 9600;
    TDatabits databits = da8;
    TParity parity = paNone;
    TStopbits stopbits = sb10;
    TFlowControl flowControl = fcDefault;
    TCommOptions options;
    int readBufSize = 4096;

    bool operator==(const TLineSettings &) const = default;
};

// Outcome of a transport operation; `osError` is the system's error code on failure.
struct TTransportResult
{
    enum Kind { Ok, Failed, NotCharDevice, Unsupported };
    Kind kind = Ok;
    int osError = 0;

    bool ok() const { return kind == Ok; }
    static TTransportResult Success() { return {}; }
    static TTransportResult Failure(int osError) { return {Failed, osError}; }
};

// The bytes under the port: a serial device, or a script in a test. All calls return at once;
// arrivals and sent-out bytes are announced by the signals, on the thread that owns the object.
class TByteTransport : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual TTransportResult Open(const QString &device) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual TTransportResult Apply(const TLineSettings &settings) = 0;

    virtual qint64 BytesAvailable() const = 0;
    // At most `count` of the bytes that have arrived; an empty result when there are none.
    virtual QByteArray Read(qint64 count) = 0;
    // Queues the bytes and starts sending; Failed when the transport refused them.
    virtual TTransportResult Write(const QByteArray &bytes) = 0;
    // Bytes queued but not yet handed to the line.
    virtual qint64 OutQueueCount() const = 0;
    virtual void Purge() = 0;
    // Unsupported where the device has no modem lines (a pseudo-terminal).
    virtual TTransportResult SetRts(bool on) = 0;
    virtual TTransportResult SetDtr(bool on) = 0;

signals:
    void DataArrived();
    void OutputEmpty();
    // A line error; `lost` when the device is gone (unplugged, the other side closed).
    void LineError(int flags, bool lost);
};
