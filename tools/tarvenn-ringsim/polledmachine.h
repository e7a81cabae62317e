#pragma once

#include "pseudoterminal.h"
#include "simoptions.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTextStream>

// A SAM or RIKA machine: started by its command bytes, it answers polls with the result block of
// the next target once the target has been evaluated, and moves on when the program confirms.
class TPolledMachine : public QObject
{
    Q_OBJECT
public:
    TPolledMachine(TPseudoTerminal &line, const TSimOptions &options, QTextStream &log);

    // The blocks as they go on the line (without the RIKA EOT).
    static QByteArray SamBlock(const TSimOptions &options, int firstShot, int count, bool badCheck);
    static QByteArray RikaBlock(const TSimOptions &options, int firstShot, int count);

private:
    void Arrived(const QByteArray &bytes);
    void SamByte(char c);
    void RikaByte(char c);
    bool TargetReady() const;
    int BlockCount() const;
    void SendBlock();
    void Confirmed();
    void Put(const QByteArray &bytes);

    TPseudoTerminal &m_line;
    TSimOptions m_options;
    QTextStream &m_log;
    int m_total;
    int m_nextShot = 1;
    int m_badChecksLeft;
    bool m_blockOut = false; // sent and not yet confirmed
    QElapsedTimer m_sinceTarget;
    QByteArray m_command; // RIKA: the start command being received
};
