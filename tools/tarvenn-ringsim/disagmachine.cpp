#include "disagmachine.h"

#include "machine/disagframe.h"

#include <QRegularExpression>

namespace {

int NumberAfter(const QByteArray &text, const char *key, int fallback)
{
    const QRegularExpression re(QLatin1String(key) + QStringLiteral("(\\d+);"));
    const QRegularExpressionMatch m = re.match(QString::fromLatin1(text));
    return m.hasMatch() ? m.captured(1).toInt() : fallback;
}

} // namespace

TDisagMachine::TDisagMachine(TPseudoTerminal &line, const TSimOptions &options, QTextStream &log)
    : m_line(line), m_options(options), m_log(log), m_loaded(!options.needsLoading),
      m_badChecksLeft(options.badCheck), m_naksLeft(options.nak)
{
    m_next.setSingleShot(true);
    m_resend.setSingleShot(true);
    connect(&m_line, &TPseudoTerminal::Arrived, this, &TDisagMachine::Arrived);
    connect(&m_next, &QTimer::timeout, this, [this] {
        if (m_outbox.empty() || m_outstanding)
            return;
        m_outstanding = m_outbox.front().text;
        m_outbox.pop_front();
        m_resends = 0;
        Transmit();
    });
    connect(&m_resend, &QTimer::timeout, this, [this] {
        if (!m_outstanding)
            return;
        if (++m_resends <= 20) {
            Transmit();
            return;
        }
        m_outstanding.reset();
        SendNext();
    });
}

void TDisagMachine::Put(const QByteArray &bytes)
{
    if (!m_options.split) {
        m_line.Send(bytes);
        return;
    }
    for (qsizetype i = 0; i < bytes.size(); i += 2)
        m_line.Send(bytes.mid(i, 2), true);
}

void TDisagMachine::Arrived(const QByteArray &bytes)
{
    if (m_options.silent)
        return;
    for (const char c : bytes) {
        if (!m_loaded) {
            LoadingByte(c);
            continue;
        }
        if (m_input.isEmpty()) {
            if (c == Ctl::ENQ)
                m_line.Send(QByteArray(1, Ctl::STX));
            else if (c == Ctl::ACK)
                Acknowledged();
            else if (c == Ctl::NAK && m_outstanding)
                Transmit();
            else if (quint8(c) >= 0x20)
                m_input += c;
            continue;
        }
        m_input += c;
        if (c == Ctl::CR) {
            FrameComplete(m_input);
            m_input.clear();
        } else if (m_input.size() > 300) {
            m_input.clear();
        }
    }
}

void TDisagMachine::LoadingByte(char c)
{
    m_input = (m_input + c).right(8);
    if (!m_input.endsWith("W\r"))
        return;
    m_input.clear();
    const int rate = m_line.Baudrate();
    m_log << "< W (Laden, " << rate << " Bit/s)" << Qt::endl;
    if (rate != 0 && rate != 2400)
        return;
    m_line.Send("LADEN\r");
    m_loaded = true;
}

void TDisagMachine::FrameComplete(const QByteArray &frame)
{
    const QByteArray text = frame.left(frame.size() - 2);
    if (frame.size() < 3 || DisagCheckByte(text) != quint8(frame.at(frame.size() - 2))) {
        m_log << "< (Prüfzeichen falsch) " << text << Qt::endl;
        m_line.Send(QByteArray(1, Ctl::NAK));
        return;
    }
    if (m_naksLeft != 0) {
        if (m_naksLeft > 0)
            --m_naksLeft;
        m_log << "< (abgelehnt) " << text << Qt::endl;
        m_line.Send(QByteArray(1, Ctl::NAK));
        return;
    }
    m_ackPending = m_options.ackJoined;
    if (!m_ackPending)
        m_line.Send(QByteArray(1, Ctl::ACK));
    Command(text);
    if (m_ackPending) {
        m_ackPending = false;
        m_line.Send(QByteArray(1, Ctl::ACK));
    }
}

void TDisagMachine::Command(const QByteArray &text)
{
    m_log << "< " << text << Qt::endl;
    if (text == "S") {
        Queue("VER=TARVENN-SIM", 0);
    } else if (text == "ABR") {
        m_outbox.clear();
        m_next.stop();
        m_resend.stop();
        m_outstanding.reset();
    } else if (text == "WID") {
        if (m_lastTargetCount > 0) {
            m_outbox.clear();
            m_next.stop();
            m_resend.stop();
            m_outstanding.reset();
            m_nextShot = m_lastTargetFirst + m_lastTargetCount;
            QueueTarget(m_lastTargetFirst, m_lastTargetCount);
        }
    } else if (text.startsWith("SNS=")) {
        m_nextPerTarget = qBound(1, text.mid(4).toInt(), 15);
    } else if (text.startsWith("EDI=") || (text.startsWith("SCH=") && text.endsWith(";V"))) {
        // Corrections: the program's values are taken as they come.
    } else if (text.startsWith("SCH=") || text.contains("SSC=") || text.contains("SGE=")) {
        Parameters(text);
    }
}

void TDisagMachine::Parameters(const QByteArray &text)
{
    m_perTarget = qBound(1, NumberAfter(text, "SSC=", 1), 15);
    m_nextPerTarget = m_perTarget;
    m_total = m_options.shots > 0 ? m_options.shots : NumberAfter(text, "SGE=", 40);
    m_nextShot = 1;
    m_outbox.clear();
    StartNextTarget();
}

void TDisagMachine::StartNextTarget()
{
    if (m_nextShot > m_total)
        return;
    const int count = qMin(m_nextPerTarget, m_total - m_nextShot + 1);
    m_nextPerTarget = m_perTarget;
    const int first = m_nextShot;
    m_nextShot += count;
    QueueTarget(first, count);
}

void TDisagMachine::QueueTarget(int first, int count)
{
    m_lastTargetFirst = first;
    m_lastTargetCount = count;
    Queue("WSC=" + QByteArray::number(count), m_options.intervalMs);
    Queue("STA", m_options.targetDelayMs);
    for (int n = first; n < first + count; ++n) {
        const TSimShot shot = m_options.series.Shot(n);
        QByteArray text = "SCH=" + QByteArray::number(n) + ';'
                + QByteArray::number(shot.ring, 'f', 1) + ';'
                + QByteArray::number(shot.teiler, 'f', 1) + ';'
                + QByteArray::number(shot.winkel, 'f', 1) + ';' + shot.status;
        if (n == m_total)
            text += ";WSE";
        Queue(text, m_options.intervalMs);
    }
    m_outbox.push_back({});
    SendNext();
}

void TDisagMachine::Queue(const QByteArray &text, int delayMs)
{
    m_outbox.push_back({text, delayMs});
    SendNext();
}

void TDisagMachine::SendNext()
{
    if (m_outstanding || m_next.isActive())
        return;
    while (!m_outbox.empty() && m_outbox.front().text.isEmpty()) {
        m_outbox.pop_front();
        StartNextTarget();
        if (m_outstanding || m_next.isActive())
            return;
    }
    if (m_outbox.empty())
        return;
    if (m_ackPending) {
        // The answer goes out with the ACK, in one piece.
        m_outstanding = m_outbox.front().text;
        m_outbox.pop_front();
        m_resends = 0;
        Transmit();
        return;
    }
    m_next.start(m_outbox.front().delayMs);
}

void TDisagMachine::Transmit()
{
    QByteArray frame = DisagFrame(*m_outstanding);
    if (m_badChecksLeft > 0) {
        --m_badChecksLeft;
        frame[frame.size() - 2] = char(frame.at(frame.size() - 2) ^ 0x01);
    }
    m_log << "> " << *m_outstanding << Qt::endl;
    if (m_ackPending) {
        m_ackPending = false;
        m_line.Send(Ctl::ACK + frame);
    } else {
        Put(frame);
    }
    m_resend.start(m_options.resendMs);
}

void TDisagMachine::Acknowledged()
{
    if (!m_outstanding)
        return;
    m_outstanding.reset();
    m_resend.stop();
    SendNext();
}
