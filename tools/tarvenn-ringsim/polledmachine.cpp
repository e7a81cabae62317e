#include "polledmachine.h"

#include "machine/disagframe.h"

#include <cmath>
#include <numbers>

namespace {

QByteArray Padded(const char *text, int width)
{
    return QByteArray(text).leftJustified(width, ' ', true);
}

QByteArray Right(qint64 value, int width)
{
    return QByteArray::number(value).rightJustified(width, ' ', true);
}

QByteArray Zeros(qint64 value, int width)
{
    return QByteArray::number(value).rightJustified(width, '0', true);
}

// Position of a shot in 1/100 mm, X to the right and Y up.
void Position(const TSimShot &shot, qint64 &x, qint64 &y)
{
    const double a = shot.winkel * std::numbers::pi / 180.0;
    x = std::llround(shot.teiler * std::sin(a));
    y = std::llround(shot.teiler * std::cos(a));
}

quint8 Xor(const QByteArray &bytes)
{
    quint8 check = 0;
    for (const char c : bytes)
        check ^= quint8(c);
    return check;
}

} // namespace

TPolledMachine::TPolledMachine(TPseudoTerminal &line, const TSimOptions &options, QTextStream &log)
    : m_line(line), m_options(options), m_log(log), m_total(options.shots > 0 ? options.shots : 40),
      m_badChecksLeft(options.badCheck)
{
    m_sinceTarget.start();
    connect(&m_line, &TPseudoTerminal::Arrived, this, &TPolledMachine::Arrived);
}

QByteArray TPolledMachine::SamBlock(const TSimOptions &options, int firstShot, int count,
                                    bool badCheck)
{
    QByteArray shots;
    for (int n = firstShot; n < firstShot + count; ++n) {
        const TSimShot shot = options.series.Shot(n);
        qint64 x = 0, y = 0;
        Position(shot, x, y);
        if (options.strip) {
            // The machine reads a strip turned by a quarter.
            const qint64 turned = x;
            x = y;
            y = -turned;
        }
        shots += QByteArray::number(shot.ring, 'f', 1).rightJustified(4, ' ', true) + ' '
                + QByteArray::number(shot.teiler, 'f', 1).rightJustified(6, ' ', true) + ' '
                + Right(x, 5) + ' ' + Right(y, 5) + ' ';
    }
    // The 28 bytes between STX and the count mean nothing to the program; the last of them
    // keeps the check byte out of the control range and off the "$" that ends the block.
    for (char filler = ' ';; ++filler) {
        QByteArray block = Ctl::STX + Padded("SAM-SIMULATOR", 27) + filler
                + Zeros(options.garbleCount ? 0 : count, 2) + ' ' + shots;
        if (options.garbleCount)
            block.replace(29, 2, "x?");
        const quint8 check = Xor(block);
        if (check < 0x20 || check == '$')
            continue;
        block += char(badCheck ? check ^ 0x01 : check);
        block += '$';
        return block;
    }
}

QByteArray TPolledMachine::RikaBlock(const TSimOptions &options, int firstShot, int count)
{
    QByteArray block = QByteArray(1, Ctl::ACK) + "RK2" + char(0x01);
    block += Padded("RIKA-SIMULATOR", 29)
            + (options.garbleCount ? QByteArray("x?z") : Zeros(count, 3)) + ' ';
    for (int n = firstShot; n < firstShot + count; ++n) {
        const TSimShot shot = options.series.Shot(n);
        qint64 x = 0, y = 0;
        Position(shot, x, y);
        block += Zeros(std::llround(shot.ring * 10), 3) + ' '
                + Zeros(std::llround(shot.teiler * 10), 5) + ' ' + Right(x, 6) + ' ' + Right(y, 6)
                + ' ';
    }
    return block;
}

void TPolledMachine::Put(const QByteArray &bytes)
{
    if (!m_options.split) {
        m_line.Send(bytes);
        return;
    }
    for (qsizetype i = 0; i < bytes.size(); i += 2)
        m_line.Send(bytes.mid(i, 2), true);
}

void TPolledMachine::Arrived(const QByteArray &bytes)
{
    if (m_options.silent)
        return;
    for (const char c : bytes) {
        if (m_options.family == TSimOptions::Rika)
            RikaByte(c);
        else
            SamByte(c);
    }
}

void TPolledMachine::SamByte(char c)
{
    switch (quint8(c)) {
    case 0xB2:
        m_log << "< Start" << Qt::endl;
        break;
    case 0xB0:
    case 0xD0:
        m_log << "< Ende" << Qt::endl;
        break;
    case quint8(Ctl::ENQ):
        if (m_blockOut || TargetReady())
            SendBlock();
        break;
    case quint8(Ctl::ACK):
        Confirmed();
        break;
    case quint8(Ctl::NAK):
        if (m_blockOut)
            SendBlock();
        break;
    default:
        break;
    }
}

void TPolledMachine::RikaByte(char c)
{
    if (!m_command.isEmpty() || c == Ctl::ESC) {
        m_command += c;
        if (c == Ctl::CR) {
            m_log << "< Start " << m_command.mid(1, m_command.size() - 2) << Qt::endl;
            m_command.clear();
        }
        return;
    }
    switch (quint8(c)) {
    case 0xD3:
        m_log << "< Wecken" << Qt::endl;
        m_line.Send("RIK");
        break;
    case 0xD0:
        m_log << "< Ende" << Qt::endl;
        break;
    case quint8(Ctl::SYN):
        if (m_blockOut || TargetReady())
            SendBlock();
        break;
    case quint8(Ctl::FF):
        Confirmed();
        break;
    default:
        break;
    }
}

bool TPolledMachine::TargetReady() const
{
    return m_nextShot <= m_total && m_sinceTarget.elapsed() >= m_options.targetDelayMs;
}

int TPolledMachine::BlockCount() const
{
    return qMin(m_options.perTarget, m_total - m_nextShot + 1);
}

void TPolledMachine::SendBlock()
{
    const int count = BlockCount();
    m_blockOut = true;
    m_log << "> Block " << m_nextShot << ".." << m_nextShot + count - 1 << Qt::endl;
    if (m_options.family == TSimOptions::Rika) {
        Put(RikaBlock(m_options, m_nextShot, count));
        // The program drops a chunk with EOT in it: the EOT goes alone.
        m_line.Send(QByteArray(1, Ctl::EOT), true);
        return;
    }
    const bool bad = m_badChecksLeft > 0;
    if (bad)
        --m_badChecksLeft;
    Put(SamBlock(m_options, m_nextShot, count, bad));
}

void TPolledMachine::Confirmed()
{
    if (!m_blockOut)
        return;
    m_blockOut = false;
    m_nextShot += BlockCount();
    m_sinceTarget.restart();
    m_log << "< bestätigt" << Qt::endl;
}
