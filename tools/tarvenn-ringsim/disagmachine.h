#pragma once

#include "pseudoterminal.h"
#include "simoptions.h"

#include <QByteArray>
#include <QObject>
#include <QTextStream>
#include <QTimer>

#include <deque>
#include <optional>

// A DISAG machine: answers ENQ with STX, acknowledges good frames and refuses bad ones, and
// plays a series as WSC=, STA and SCH= messages, each sent until the program acknowledges it.
class TDisagMachine : public QObject
{
    Q_OBJECT
public:
    TDisagMachine(TPseudoTerminal &line, const TSimOptions &options, QTextStream &log);

private:
    struct Outgoing
    {
        QByteArray text; // empty: start the next target here
        int delayMs = 0;
    };

    void Arrived(const QByteArray &bytes);
    void LoadingByte(char c);
    void FrameComplete(const QByteArray &frame);
    void Command(const QByteArray &text);
    void Parameters(const QByteArray &text);
    void QueueTarget(int firstShot, int count);
    void StartNextTarget();
    void Queue(const QByteArray &text, int delayMs);
    void SendNext();
    void Transmit();
    void Acknowledged();
    void Put(const QByteArray &bytes);

    TPseudoTerminal &m_line;
    TSimOptions m_options;
    QTextStream &m_log;
    bool m_loaded;
    QByteArray m_input;
    std::deque<Outgoing> m_outbox;
    std::optional<QByteArray> m_outstanding;
    int m_resends = 0;
    QTimer m_next;
    QTimer m_resend;
    bool m_ackPending = false; // the ACK of the frame just taken waits for a message to join
    int m_badChecksLeft;
    int m_naksLeft;
    int m_total = 40;
    int m_perTarget = 1;
    int m_nextPerTarget = 1;
    int m_nextShot = 1;
    int m_lastTargetFirst = 0;
    int m_lastTargetCount = 0;
};
