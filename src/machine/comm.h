#pragma once

#include "machine/commtypes.h"
#include "machine/transport.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <memory>

class TByteTrace;
class TCustomComm;

// The five special characters of the line. Changing one re-applies the line settings of an
// open port.
class TCommEventChars
{
public:
    explicit TCommEventChars(TCustomComm *owner) : m_owner(owner) { }

    quint8 XonChar() const { return m_xon; }
    quint8 XoffChar() const { return m_xoff; }
    quint8 ErrorChar() const { return m_error; }
    quint8 EofChar() const { return m_eof; }
    quint8 EvtChar() const { return m_evt; }
    void SetXonChar(quint8 c) { Set(m_xon, c); }
    void SetXoffChar(quint8 c) { Set(m_xoff, c); }
    void SetErrorChar(quint8 c) { Set(m_error, c); }
    void SetEofChar(quint8 c) { Set(m_eof, c); }
    void SetEvtChar(quint8 c) { Set(m_evt, c); }
    // Copies the five characters, not the owner.
    void Assign(const TCommEventChars &other);

private:
    void Set(quint8 &field, quint8 value);

    TCustomComm *m_owner;
    quint8 m_xon = 17;
    quint8 m_xoff = 19;
    quint8 m_error = 0;
    quint8 m_eof = 0;
    quint8 m_evt = 0;
};

// The serial port on any byte transport. Everything runs on the thread that owns it: the
// transport's notifications take the place of a watching thread, and each one becomes one
// dispatch of the handlers, never nested, so a handler may read, write and even wait.
// A failure raised by a handler does not travel through the event loop: it is kept and raised
// again by RethrowHandlerError(), which the code that waits for the port calls.
class TCustomComm : public QObject
{
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(TCustomComm &sender)>;
    using TErrorEvent = std::function<void(TCustomComm &sender, int errorFlags)>;
    using TRxCharEvent = std::function<void(TCustomComm &sender, int count)>;

    explicit TCustomComm(std::unique_ptr<TByteTransport> transport, QObject *parent = nullptr);
    ~TCustomComm() override;

    void Open();
    void Close();
    bool Connected() const { return m_open; }
    // Bytes handed to the transport.
    int Write(const QByteArray &data);
    // Takes up to `count` of the bytes that have arrived; never waits.
    int Read(QByteArray &data, int count);
    // −1 while closed.
    int OutQueueCount();
    void SetRTSState(bool on);

    QString DeviceName() const { return m_deviceName; }
    void SetDeviceName(const QString &name);
    int ReadTimeout() const { return m_readTimeout; }
    void SetReadTimeout(int ms) { m_readTimeout = ms; }
    int WriteTimeout() const { return m_writeTimeout; }
    void SetWriteTimeout(int ms) { m_writeTimeout = ms; }
    int ReadBufSize() const { return m_readBufSize; }
    void SetReadBufSize(int bytes);
    int WriteBufSize() const { return m_writeBufSize; }
    void SetWriteBufSize(int bytes);
    TCommEventTypes MonitorEvents() const { return m_monitorEvents; }
    void SetMonitorEvents(TCommEventTypes events);
    TBaudrate BaudRate() const { return m_baudRate; }
    void SetBaudRate(TBaudrate rate) { SetLineValue(m_baudRate, rate); }
    TParity Parity() const { return m_parity; }
    void SetParity(TParity parity) { SetLineValue(m_parity, parity); }
    TStopbits Stopbits() const { return m_stopbits; }
    void SetStopbits(TStopbits stopbits) { SetLineValue(m_stopbits, stopbits); }
    TDatabits Databits() const { return m_databits; }
    void SetDatabits(TDatabits databits) { SetLineValue(m_databits, databits); }
    TCommEventChars &EventChars() { return m_eventChars; }
    const TCommEventChars &EventChars() const { return m_eventChars; }
    void SetEventChars(const TCommEventChars &chars) { m_eventChars.Assign(chars); }
    TCommOptions Options() const { return m_options; }
    void SetOptions(TCommOptions options) { SetLineValue(m_options, options); }
    TFlowControl FlowControl() const { return m_flowControl; }
    void SetFlowControl(TFlowControl flow) { SetLineValue(m_flowControl, flow); }

    TNotifyEvent OnBreak, OnCts, OnDsr, OnRing, OnRlsd, OnRxFlag, OnTxEmpty;
    TErrorEvent OnError;
    TRxCharEvent OnRxChar;

    // Where the bytes are traced; none by default.
    void SetTrace(TByteTrace *trace) { m_trace = trace; }
    void RethrowHandlerError();
    // The line settings the port puts on its transport.
    TLineSettings LineSettings() const;

signals:
    // The port was closed, by Close() or because the device went away.
    void Closed();
    // Everything written has left the output queue; announced at once, also during a handler.
    void OutputDrained();

protected:
    virtual void OpenDeviceHandle();
    TByteTransport &Transport() { return *m_transport; }

private:
    friend class TCommEventChars;

    template<class T>
    void SetLineValue(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        ApplyLineSettings();
    }
    void RefuseWhileOpen() const;
    void ApplyLineSettings();
    void QueueEvents(TCommEventTypes events);
    void RunDispatch();
    void Dispatch(TCommEventTypes events);
    void LineFailed(int flags, bool lost);
    void Note(const QString &text);

    std::unique_ptr<TByteTransport> m_transport;
    bool m_open = false;
    QString m_deviceName = QStringLiteral("Com2");
    int m_readTimeout = 1000;
    int m_writeTimeout = 1000;
    int m_readBufSize = 4096;
    int m_writeBufSize = 2048;
    TCommEventTypes m_monitorEvents = AllCommEvents;
    TBaudrate m_baudRate = br9600;
    TParity m_parity = paNone;
    TStopbits m_stopbits = sb10;
    TDatabits m_databits = da8;
    TCommEventChars m_eventChars {this};
    TCommOptions m_options;
    TFlowControl m_flowControl = fcDefault;

    TByteTrace *m_trace = nullptr;
    TCommEventTypes m_pending;
    int m_errorFlags = 0;
    bool m_dispatchQueued = false;
    bool m_dispatching = false;
    std::exception_ptr m_handlerError;
};

// The program's port: a serial device by name ("COM2", "/dev/ttyUSB0", a pseudo-terminal).
class TComm : public TCustomComm
{
    Q_OBJECT
public:
    explicit TComm(QObject *parent = nullptr);
};
