#pragma once

#include "machine/transport.h"

#include <QList>

#include <functional>

// A transport without a device: the test delivers the machine's bytes and sees every write.
class TFakeTransport : public TByteTransport
{
    Q_OBJECT
public:
    TTransportResult Open(const QString &device) override
    {
        openedDevice = device;
        if (openResult.ok())
            open = true;
        return openResult;
    }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    TTransportResult Apply(const TLineSettings &settings) override
    {
        applied = settings;
        ++applyCount;
        if (settings.flowControl == fcNone)
            rts = dtr = false;
        return applyResult;
    }
    qint64 BytesAvailable() const override { return input.size(); }
    QByteArray Read(qint64 count) override
    {
        const QByteArray bytes = input.left(count);
        input.remove(0, bytes.size());
        return bytes;
    }
    TTransportResult Write(const QByteArray &bytes) override
    {
        written.append(bytes);
        if (onWrite)
            onWrite(bytes);
        return TTransportResult::Success();
    }
    qint64 OutQueueCount() const override { return outQueue; }
    void Purge() override { input.clear(); }
    TTransportResult SetRts(bool on) override
    {
        if (!modemLines)
            return {TTransportResult::Unsupported, 25};
        rts = on;
        return TTransportResult::Success();
    }
    TTransportResult SetDtr(bool on) override
    {
        dtr = on;
        return TTransportResult::Success();
    }

    // The machine's bytes arrive as one chunk.
    void Deliver(const QByteArray &bytes)
    {
        input += bytes;
        emit DataArrived();
    }
    QByteArray AllWritten() const { return written.join(); }

    bool open = false;
    QString openedDevice;
    TTransportResult openResult;
    TTransportResult applyResult;
    TLineSettings applied;
    int applyCount = 0;
    QByteArray input;
    QList<QByteArray> written;
    std::function<void(const QByteArray &)> onWrite;
    qint64 outQueue = 0;
    bool modemLines = true;
    bool rts = true;
    bool dtr = true;
};
