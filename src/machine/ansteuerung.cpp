#include "machine/ansteuerung.h"

#include "base/cp1252.h"
#include "base/userdialogs.h"
#include "machine/commerror.h"
#include "machine/commtrace.h"
#include "machine/disagframe.h"
#include "machine/resultblock.h"
#include "machine/serialdevice.h"
#include "settings/setupdaten.h"

namespace {

const char *const MachineSilentMessage =
        "Das Ringlesegerät meldet sich nicht!! Mögliche Ursachen sind:\n\r"
        "Falsche Gerätesoftware ist im Gerät.\n\r"
        "RMIII steht nicht auf Fern.\n\r"
        "Falsche COM-Schnittstelle unter Optionen eingestellt.\n\r"
        "COM-Schnittstelle wird von einer anderen Software benutzt.";

void Show(const char *utf8)
{
    UserDialogs().ShowMessage(QString::fromUtf8(utf8));
}

QByteArray Byte(char c)
{
    return QByteArray(1, c);
}

} // namespace

TFRMAnsteuerung::TFRMAnsteuerung(QObject *parent)
    : TFRMAnsteuerung(std::make_unique<TComm>(), SystemClock(), TMachineTiming {}, parent)
{ }

TFRMAnsteuerung::TFRMAnsteuerung(std::unique_ptr<TCustomComm> comm, const TTickClock &clock,
                                 const TMachineTiming &timing, QObject *parent)
    : QObject(parent), m_comm(std::move(comm)), m_clock(clock), m_timing(timing), m_wait(clock),
      m_portLister(AvailablePorts)
{
    m_comm->SetDeviceName(QStringLiteral("Com2"));
    m_comm->SetMonitorEvents(evRxChar | evTxEmpty);
    m_comm->SetBaudRate(br2400);
    m_comm->SetOptions({});
    m_comm->SetFlowControl(fcNone);
    m_comm->OnRxChar = [this](TCustomComm &sender, int count) {
        Comm1RxChar(sender, count);
    };
    connect(m_comm.get(), &TCustomComm::Closed, &m_wait, &TEventWait::Wake);
    connect(m_comm.get(), &TCustomComm::OutputDrained, &m_wait, &TEventWait::Wake);
    FormCreate();
}

TFRMAnsteuerung::~TFRMAnsteuerung()
{
    m_wait.Cancel();
    m_comm->SetTrace(nullptr);
}

void TFRMAnsteuerung::FormCreate()
{
    Initialised = false;
}

void TFRMAnsteuerung::RequestAbort()
{
    AbortRequested = true;
    ++m_abortGeneration;
    m_wait.Wake();
}

void TFRMAnsteuerung::CancelWaits()
{
    m_wait.Cancel();
}

void TFRMAnsteuerung::StartMainTimer(quint32 ms)
{
    m_mainTimer = m_clock.Now() + ms;
}

bool TFRMAnsteuerung::MainTimerExpired() const
{
    return TickReached(m_clock.Now(), m_mainTimer);
}

bool TFRMAnsteuerung::Wait(const std::function<bool()> &done, std::optional<quint32> deadline)
{
    const quint64 generation = m_abortGeneration;
    const bool wasOpen = m_comm->Connected();
    m_wait.WaitUntil(
            [&] {
                return done() || UserAbortedSince(generation) || (wasOpen && !m_comm->Connected());
            },
            deadline);
    m_comm->RethrowHandlerError();
    return done();
}

void TFRMAnsteuerung::Pause(quint32 ms)
{
    m_wait.Sleep(ms);
    m_comm->RethrowHandlerError();
}

void TFRMAnsteuerung::Report(const QString &text)
{
    if (StatusCallback)
        StatusCallback(text);
}

TBaudrate TFRMAnsteuerung::DisagRate() const
{
    return Setupdaten().LangsameUebertragung() ? br9600 : br38400;
}

void TFRMAnsteuerung::OpenComm()
{
    if (Setupdaten().Datenprotokoll) {
        if (!m_trace)
            m_trace = std::make_unique<TFileTrace>(MachineTraceFileName());
        m_comm->SetTrace(m_trace.get());
    } else {
        m_comm->SetTrace(nullptr);
        m_trace.reset();
    }
    m_comm->Open();
}

void TFRMAnsteuerung::OpenPort(TBaudrate rate)
{
    const QString device = ConfiguredDevice(Setupdaten());
    if (m_comm->Connected() && PortNumber == Setupdaten().Comport && m_comm->DeviceName() == device)
        return;
    m_comm->Close();
    m_comm->SetDeviceName(device);
    PortNumber = Setupdaten().Comport;
    m_comm->SetBaudRate(rate);
    try {
        OpenComm();
    } catch (const ECommError &) {
        // A failure after the device opened leaves it open; the listing needs it closed.
        m_comm->Close();
        QString text = QString::fromUtf8("Verfügbare Schnittstellen: ");
        for (const QString &name : m_portLister())
            text += u' ' + name;
        UserDialogs().ShowMessage(text);
    }
}

bool TFRMAnsteuerung::SendRaw(const QByteArray &bytes)
{
    if (!m_comm->Connected()) {
        AbortRequested = true;
        m_wait.Wake();
        return false;
    }
    m_comm->Write(bytes);
    if (m_comm->OutQueueCount() > 0)
        Wait([this] { return m_comm->OutQueueCount() <= 0; }, m_clock.Now() + m_timing.outputDrain);
    return true;
}

void TFRMAnsteuerung::SendCommand(const QString &command)
{
    if (!m_comm->Connected())
        OpenComm();
    const quint64 generation = m_abortGeneration;
    StartMainTimer(m_timing.handshake);
    Report(QStringLiteral("Warten auf STX"));
    do {
        StxSeen = false;
        if (!SendRaw(Byte(Ctl::ENQ)))
            Show("COM-Schreibfehler!! \n\rWird der COM-Port von einem anderen Programm verwendet?");
        Received.clear();
        m_pollTimer = m_clock.Now() + m_timing.enqInterval;
        Wait([this] { return StxSeen; }, m_pollTimer);
    } while (!MainTimerExpired() && !StxSeen && !AbortRequested);
    if (AbortRequested) {
        Report(QStringLiteral("Benutzerabbruch"));
        return;
    }
    if (!StxSeen) {
        AbortRequested = true;
        Report(QStringLiteral("Timeout"));
        return;
    }

    if (command.isEmpty()) {
        AckSeen = true;
    } else {
        const QByteArray frame = DisagFrame(EncodeCp1252(command));
        AckSeen = false;
        for (int send = 0; send < m_timing.commandSends && !AckSeen; ++send) {
            Received.clear();
            AckSeen = false;
            if (!SendRaw(frame))
                Show("Schreibfehler");
            StartMainTimer(m_timing.ackWait);
            Wait([this] { return AckSeen; }, m_mainTimer);
            if (!AckSeen)
                Received.clear();
            if (UserAbortedSince(generation)) {
                Report(QStringLiteral("Benutzerabbruch"));
                return;
            }
        }
        if (!AckSeen) {
            Show("Fehler In der Datenübertragung");
            return;
        }
    }
    Received.clear();
    Report(QString());
}

void TFRMAnsteuerung::SetShotsPerTarget(int n)
{
    SendCommand(QStringLiteral("SNS=") + QString::number(n));
}

bool TFRMAnsteuerung::StartMachine(const QString &command)
{
    const int type = Setupdaten().Ringlesegeraet;
    SamFamily = type == 3 || type == 5;
    Rika = type == 4;
    if (Rika) {
        RikaStart(command);
        return true;
    }
    if (SamFamily) {
        SamStart();
        return true;
    }
    return DisagStart(command);
}

bool TFRMAnsteuerung::DisagStart(const QString &command)
{
    if (!Initialised) {
        const quint64 generation = m_abortGeneration;
        OpenPort(DisagRate());
        MessageComplete = false;
        Received.clear();
        m_rxBuffer.clear();
        StartMainTimer(m_timing.handshake);
        SendCommand(QString());
        Wait([this] { return StxSeen; }, m_mainTimer);
        // An abort by the user is no reason to load the machine's software.
        if (UserAbortedSince(generation))
            return false;
        if (!StxSeen && !LoadMachineSoftware()) {
            Show(MachineSilentMessage);
            return false;
        }
        m_comm->Close();
        Pause(m_timing.reopenPause);
        Received.clear();
        m_rxBuffer.clear();
        OpenPort(DisagRate());

        for (int attempt = 0; attempt < m_timing.probeAttempts; ++attempt) {
            MessageComplete = false;
            Received.clear();
            m_rxBuffer.clear();
            AbortRequested = false;
            SendCommand(QStringLiteral("S"));
            StartMainTimer(m_timing.probeWait);
            if (Wait([this] { return MessageComplete; }, m_mainTimer))
                break;
            if (UserAbortedSince(generation)) {
                AbortRequested = true;
                return false;
            }
        }
        if (!MessageComplete) {
            Show("Das Laden der Maschninensoftware ist fehlgeschlagen");
            return false;
        }
    }
    Initialised = true;
    SendCommand(command);
    return true;
}

bool TFRMAnsteuerung::LoadMachineSoftware()
{
    m_comm->Close();
    m_comm->SetBaudRate(br2400);
    m_comm->SetDeviceName(ConfiguredDevice(Setupdaten()));
    m_comm->OnRxChar = [this](TCustomComm &, int count) {
        LoadCollector(count);
    };
    struct RestoreHandler
    {
        TFRMAnsteuerung *driver;
        ~RestoreHandler()
        {
            driver->m_comm->Close();
            driver->m_comm->OnRxChar = [d = driver](TCustomComm &sender, int count) {
                d->Comm1RxChar(sender, count);
            };
        }
    } restore {this};

    Pause(m_timing.loadingPause);
    OpenComm();
    SendRaw(QByteArray("W\r"));
    MessageComplete = false;
    StartMainTimer(m_timing.loadingWait);
    m_comm->SetRTSState(true);
    Wait([this] { return MessageComplete; }, m_mainTimer);
    return MessageComplete;
}

void TFRMAnsteuerung::Comm1RxChar(TCustomComm &, int count)
{
    if (SamFamily)
        SamRx(count);
    else if (Rika)
        RikaRx(count);
    else
        DisagRx(count);
}

QByteArray TFRMAnsteuerung::ReadAnnounced(int count)
{
    QByteArray bytes;
    m_comm->Read(bytes, count);
    return bytes;
}

void TFRMAnsteuerung::DisagRx(int count)
{
    m_rxBuffer += ReadAnnounced(count);
    const TDisagRxStep step = TakeDisagRxStep(m_rxBuffer);
    switch (step.kind) {
    case TDisagRxStep::Ack:
        AckSeen = true;
        break;
    case TDisagRxStep::Stx:
        StxSeen = true;
        break;
    case TDisagRxStep::Message:
        Received = step.message;
        SendRaw(Byte(Ctl::ACK));
        MessageComplete = true;
        break;
    case TDisagRxStep::Refused:
        SendRaw(Byte(Ctl::NAK));
        break;
    case TDisagRxStep::Nothing:
        break;
    }
    // Noise without a CR must not grow the buffer for ever.
    if (m_rxBuffer.size() > DisagBufferLimit)
        m_rxBuffer = m_rxBuffer.right(DisagBufferLimit);
    m_wait.Wake();
}

void TFRMAnsteuerung::LoadCollector(int count)
{
    Received += ReadAnnounced(count);
    MessageComplete = true;
    m_wait.Wake();
}

void TFRMAnsteuerung::SamStart()
{
    OpenPort(br9600);
    if (!RemoteStarted) {
        SendRaw(QByteArray("\xB2"));
        RemoteStarted = true;
    }
}

void TFRMAnsteuerung::SamRx(int count)
{
    const QByteArray chunk = ReadAnnounced(count);
    if (chunk.contains(Ctl::STX))
        StxSeen = true;
    AckSeen = chunk.contains(Ctl::ACK);
    if (chunk.contains(Ctl::NAK)) {
        AckSeen = true;
    } else {
        Received += chunk;
        MessageComplete = Received.contains('$');
    }
    m_wait.Wake();
}

void TFRMAnsteuerung::SamReceive()
{
    Received.clear();
    StxSeen = false;
    do {
        if (!SendRaw(Byte(Ctl::ENQ)))
            return;
        StartMainTimer(m_timing.pollWait);
        Wait([this] { return StxSeen; }, m_mainTimer);
    } while (!StxSeen && !AbortRequested);

    bool checked = false;
    while (!checked && !AbortRequested) {
        MessageComplete = false;
        // The block may have come with the STX, before the flag was cleared.
        if (!Wait([this] { return Received.contains('$'); }, std::nullopt))
            return;
        checked = SamBlockCheckOk(Received);
        MessageComplete = false;
        if (!checked)
            Received.clear();
        if (!SendRaw(Byte(checked ? Ctl::ACK : Ctl::NAK)))
            return;
    }
    LocaliseDecimalPoints(Received);
}

void TFRMAnsteuerung::RikaStart(const QString &command)
{
    OpenPort(br9600);
    if (!SendRaw(QByteArray("\xD3")))
        return;
    StartMainTimer(m_timing.rikaWakeup);
    if (Wait([this] { return Received.size() > 2; }, m_mainTimer)) {
        Received.clear();
        SendRaw(EncodeCp1252(command));
    } else if (MainTimerExpired()) {
        Show("Fehler: RIKA-Ringlesegerät meldet sich nicht!");
    }
}

void TFRMAnsteuerung::RikaRx(int count)
{
    const QByteArray chunk = ReadAnnounced(count);
    if (chunk.contains(Ctl::STX))
        StxSeen = true;
    if (chunk.contains(Ctl::NAK))
        AckSeen = true;
    else if (chunk.contains(Ctl::EOT))
        EotSeen = true;
    else if (!chunk.contains(Ctl::NUL))
        Received += chunk;
    m_wait.Wake();
}

void TFRMAnsteuerung::RikaReceive()
{
    EotSeen = false;
    Received.clear();
    StxSeen = false;
    do {
        if (!SendRaw(Byte(Ctl::SYN)))
            return;
        StartMainTimer(m_timing.pollWait);
        Wait([this] { return EotSeen; }, m_mainTimer);
    } while (!EotSeen && !AbortRequested);
    EotSeen = false;
    SendRaw(Byte(Ctl::FF));
    MessageComplete = false;
    LocaliseDecimalPoints(Received);
    StripRikaPrefix(Received);
}

void TFRMAnsteuerung::ReceiveResults()
{
    if (Rika)
        RikaReceive();
    else if (SamFamily)
        SamReceive();
}

void TFRMAnsteuerung::ParseResults(const QByteArray &text, TypeScheiben targetType,
                                   TSchussArray &shots, int &count)
{
    shots.Fill(TYSchuss {});
    count = 0;
    if (Rika) {
        const std::optional<int> n = ParseRika(text, shots);
        if (!n) {
            AbortRequested = true;
            Show("Die Schusszahl im Ergebnis des RIKA-Ringlesegeräts ist nicht lesbar. Das "
                 "Ringlesen wird abgebrochen.");
            return;
        }
        count = *n;
    } else if (SamFamily) {
        count = ParseSam(text, targetType, shots);
    }
}
