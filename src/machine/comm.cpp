#include "machine/comm.h"

#include "machine/commerror.h"
#include "machine/commtrace.h"
#include "machine/serialtransport.h"

void TCommEventChars::Assign(const TCommEventChars &other)
{
    SetXonChar(other.m_xon);
    SetXoffChar(other.m_xoff);
    SetErrorChar(other.m_error);
    SetEofChar(other.m_eof);
    SetEvtChar(other.m_evt);
}

void TCommEventChars::Set(quint8 &field, quint8 value)
{
    if (field == value)
        return;
    field = value;
    if (m_owner)
        m_owner->ApplyLineSettings();
}

TCustomComm::TCustomComm(std::unique_ptr<TByteTransport> transport, QObject *parent)
    : QObject(parent), m_transport(std::move(transport))
{
    m_transport->setParent(nullptr);
    connect(m_transport.get(), &TByteTransport::DataArrived, this,
            [this] { QueueEvents(evRxChar); });
    connect(m_transport.get(), &TByteTransport::OutputEmpty, this, [this] {
        emit OutputDrained();
        QueueEvents(evTxEmpty);
    });
    connect(m_transport.get(), &TByteTransport::LineError, this, &TCustomComm::LineFailed);
}

TCustomComm::~TCustomComm()
{
    // Whoever listens may be half destroyed by now.
    blockSignals(true);
    Close();
}

void TCustomComm::Open()
{
    if (m_open)
        throw ECommError(QString::fromLatin1(CommErrorText::AlreadyOpen), -1);
    OpenDeviceHandle();
    m_open = true;
    m_pending = {};
    m_errorFlags = 0;
    Note(QStringLiteral("geöffnet: %1, %2 Bit/s").arg(m_deviceName).arg(BaudrateValue(m_baudRate)));
    // The transport's reads return at once and its writes never block, which is what the
    // driver-level time-outs were for; nothing to set there.
    ApplyLineSettings();
}

void TCustomComm::OpenDeviceHandle()
{
    const TTransportResult r = m_transport->Open(m_deviceName);
    if (r.kind == TTransportResult::NotCharDevice)
        throw ECommError(QString::fromLatin1(CommErrorText::NotCharDevice), -1);
    if (!r.ok())
        throw ECommError(QString::fromUtf8(CommErrorText::OpenFailed), r.osError);
}

void TCustomComm::Close()
{
    if (!m_open)
        return;
    m_transport->Purge();
    m_transport->Close();
    m_open = false;
    m_pending = {};
    Note(QStringLiteral("geschlossen"));
    emit Closed();
}

int TCustomComm::Write(const QByteArray &data)
{
    if (!m_open)
        throw ECommError(QString::fromLatin1(CommErrorText::WriteFailed), -1);
    if (m_trace)
        m_trace->Sent(data);
    const TTransportResult r = m_transport->Write(data);
    if (!r.ok())
        throw ECommError(QString::fromLatin1(CommErrorText::WriteFailed), r.osError);
    return int(data.size());
}

int TCustomComm::Read(QByteArray &data, int count)
{
    if (!m_open)
        throw ECommError(QString::fromLatin1(CommErrorText::ReadFailed), -1);
    data = m_transport->Read(count);
    if (m_trace && !data.isEmpty())
        m_trace->Received(data);
    return int(data.size());
}

int TCustomComm::OutQueueCount()
{
    if (!m_open)
        return -1;
    m_errorFlags = 0;
    return int(m_transport->OutQueueCount());
}

void TCustomComm::SetRTSState(bool on)
{
    if (!m_open)
        throw ECommError(QString::fromLatin1(CommErrorText::NotOpen), -1);
    const TTransportResult r = m_transport->SetRts(on);
    // A pseudo-terminal has no RTS line; there is nothing to raise and nothing went wrong.
    if (r.kind == TTransportResult::Unsupported) {
        Note(QStringLiteral("keine RTS-Leitung"));
        return;
    }
    if (!r.ok())
        throw ECommError(QString::fromLatin1(CommErrorText::RtsFailed), r.osError);
    Note(on ? QStringLiteral("RTS an") : QStringLiteral("RTS aus"));
}

void TCustomComm::SetDeviceName(const QString &name)
{
    if (name == m_deviceName)
        return;
    RefuseWhileOpen();
    m_deviceName = name;
}

void TCustomComm::SetReadBufSize(int bytes)
{
    if (bytes == m_readBufSize)
        return;
    RefuseWhileOpen();
    m_readBufSize = bytes;
}

void TCustomComm::SetWriteBufSize(int bytes)
{
    if (bytes == m_writeBufSize)
        return;
    RefuseWhileOpen();
    m_writeBufSize = bytes;
}

void TCustomComm::SetMonitorEvents(TCommEventTypes events)
{
    if (events == m_monitorEvents)
        return;
    RefuseWhileOpen();
    m_monitorEvents = events;
}

void TCustomComm::RefuseWhileOpen() const
{
    if (m_open)
        throw ECommError(QString::fromLatin1(CommErrorText::AlreadyOpen), -1);
}

TLineSettings TCustomComm::LineSettings() const
{
    TLineSettings s;
    s.baudRate = BaudrateValue(m_baudRate);
    s.databits = m_databits;
    s.parity = m_parity;
    s.stopbits = m_stopbits;
    s.flowControl = m_flowControl;
    s.options = m_options;
    s.readBufSize = m_readBufSize;
    return s;
}

void TCustomComm::ApplyLineSettings()
{
    if (!m_open)
        return;
    const TTransportResult r = m_transport->Apply(LineSettings());
    if (!r.ok())
        throw ECommError(QString::fromLatin1(CommErrorText::LineSettings), r.osError);
}

void TCustomComm::RethrowHandlerError()
{
    if (m_handlerError)
        std::rethrow_exception(std::exchange(m_handlerError, nullptr));
}

void TCustomComm::QueueEvents(TCommEventTypes events)
{
    events &= m_monitorEvents;
    if (!m_open || !events)
        return;
    m_pending |= events;
    // The handlers run from the event loop, never from inside the transport's notification and
    // never inside one another, as the synchronous hand-over of a watching thread would have it.
    if (!m_dispatchQueued && !m_dispatching) {
        m_dispatchQueued = true;
        QMetaObject::invokeMethod(this, &TCustomComm::RunDispatch, Qt::QueuedConnection);
    }
}

void TCustomComm::RunDispatch()
{
    m_dispatchQueued = false;
    if (!m_open || !m_pending)
        return;
    const TCommEventTypes events = std::exchange(m_pending, {});
    m_dispatching = true;
    try {
        Dispatch(events);
    } catch (...) {
        if (!m_handlerError)
            m_handlerError = std::current_exception();
    }
    m_dispatching = false;
    if (m_pending)
        QueueEvents(m_pending);
}

void TCustomComm::Dispatch(TCommEventTypes events)
{
    const int errorFlags = std::exchange(m_errorFlags, 0);
    const int inQueue = int(m_transport->BytesAvailable());
    if (events.testFlag(evBreak) && OnBreak)
        OnBreak(*this);
    if (events.testFlag(evCts) && OnCts)
        OnCts(*this);
    if (events.testFlag(evDsr) && OnDsr)
        OnDsr(*this);
    if (events.testFlag(evError) && OnError)
        OnError(*this, errorFlags);
    if (events.testFlag(evRing) && OnRing)
        OnRing(*this);
    if (events.testFlag(evRlsd) && OnRlsd)
        OnRlsd(*this);
    if (events.testFlag(evRxChar) && OnRxChar && inQueue > 0 && m_open)
        OnRxChar(*this, inQueue);
    if (events.testFlag(evRxFlag) && OnRxFlag)
        OnRxFlag(*this);
    if (events.testFlag(evTxEmpty) && OnTxEmpty)
        OnTxEmpty(*this);
}

void TCustomComm::LineFailed(int flags, bool lost)
{
    m_errorFlags |= flags;
    QueueEvents(evError);
    if (lost) {
        Note(QStringLiteral("Schnittstelle verloren"));
        // Not from inside the transport's own notification.
        QMetaObject::invokeMethod(this, &TCustomComm::Close, Qt::QueuedConnection);
    }
}

void TCustomComm::Note(const QString &text)
{
    if (m_trace)
        m_trace->Note(text);
}

TComm::TComm(QObject *parent) : TCustomComm(std::make_unique<TSerialTransport>(), parent) { }
