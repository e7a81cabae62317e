#pragma once

#include "base/eventwait.h"
#include "base/schuss.h"
#include "base/tickclock.h"
#include "geometry/scheibentypen.h"
#include "machine/comm.h"
#include "machine/machinetiming.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class TFileTrace;

// The driver of the ring-reading machine: the DISAG dialogue and the polled SAM and RIKA
// machines. It lives for the whole run and owns the port. It keeps what arrives in public
// fields that the reading window watches while it waits; the waits sleep until the port, the
// abort request, a close or a deadline wakes them.
class TFRMAnsteuerung : public QObject
{
    Q_OBJECT
public:
    using TStatusCallback = std::function<void(const QString &text)>;

    // On the serial device of the settings, with the system's clock.
    explicit TFRMAnsteuerung(QObject *parent = nullptr);
    TFRMAnsteuerung(std::unique_ptr<TCustomComm> comm, const TTickClock &clock,
                    const TMachineTiming &timing, QObject *parent = nullptr);
    ~TFRMAnsteuerung() override;

    TCustomComm &Comm1() { return *m_comm; }

    QByteArray Received;
    bool MessageComplete = false;
    bool AbortRequested = false;
    bool StxSeen = false;
    bool AckSeen = false;
    bool EotSeen = false;
    bool SamFamily = false;
    bool Rika = false;
    bool Initialised = false;
    bool RemoteStarted = false;
    TStatusCallback StatusCallback;
    int PortNumber = 0;

    bool StartMachine(const QString &command);
    void SendCommand(const QString &command);
    bool SendRaw(const QByteArray &bytes);
    void SetShotsPerTarget(int n);
    void ReceiveResults();
    // Clears the 120 shots, then decodes the block of the session's family into them. A RIKA
    // block without a readable count ends the reading: a message, `AbortRequested`, count 0.
    void ParseResults(const QByteArray &text, TypeScheiben targetType, TSchussArray &shots,
                      int &count);
    void OpenPort(TBaudrate rate);
    void Comm1RxChar(TCustomComm &sender, int count);
    void FormCreate();

    // The user's abort: sets `AbortRequested` and ends the wait that is running.
    void RequestAbort();
    // Ends every running wait without an abort (the window closes).
    void CancelWaits();

    // The main timer, also used by the reading window for its own waits.
    void StartMainTimer(quint32 ms);
    bool MainTimerExpired() const;
    quint32 MainTimerDeadline() const { return m_mainTimer; }

    // Waits until `done` holds, the deadline passes, the user aborts or the port closes, while
    // the port's events are serviced; true when `done` holds. A port error met by a receive
    // handler meanwhile is raised here.
    bool Wait(const std::function<bool()> &done, std::optional<quint32> deadline);

    const TTickClock &Clock() const { return m_clock; }
    const TMachineTiming &Timing() const { return m_timing; }
    // Where the listing of free ports comes from (tests replace the system's).
    void SetPortLister(std::function<QStringList()> lister) { m_portLister = std::move(lister); }

private:
    bool DisagStart(const QString &command);
    bool LoadMachineSoftware();
    void SamStart();
    void SamReceive();
    void RikaStart(const QString &command);
    void RikaReceive();
    void DisagRx(int count);
    void SamRx(int count);
    void RikaRx(int count);
    void LoadCollector(int count);
    QByteArray ReadAnnounced(int count);
    TBaudrate DisagRate() const;
    void OpenComm();
    void Pause(quint32 ms);
    void Report(const QString &text);
    bool UserAbortedSince(quint64 generation) const { return m_abortGeneration != generation; }

    std::unique_ptr<TCustomComm> m_comm;
    const TTickClock &m_clock;
    TMachineTiming m_timing;
    TEventWait m_wait;
    QByteArray m_rxBuffer;
    quint32 m_mainTimer = 0;
    quint32 m_pollTimer = 0;
    quint64 m_abortGeneration = 0;
    std::unique_ptr<TFileTrace> m_trace;
    std::function<QStringList()> m_portLister;
};
