#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

// Every byte exchanged with the machine, for support when a club reports a problem.
class TByteTrace
{
public:
    virtual ~TByteTrace() = default;
    virtual void Sent(const QByteArray &bytes) = 0;
    virtual void Received(const QByteArray &bytes) = 0;
    // Opening, closing, line changes: what helps to read the bytes around it.
    virtual void Note(const QString &text) = 0;
};

// One trace line: time, direction ("->" to the machine, "<-" from it), the bytes in hex and as
// text with a dot for each unprintable byte.
QString FormatTraceLine(const QDateTime &time, const char *direction, const QByteArray &bytes);

// The trace file beside setupRW.ini.
QString MachineTraceFileName();

// Appends the trace to a file, a line per chunk; each line reaches the disk at once, so the
// trace survives a crash of the program.
class TFileTrace : public TByteTrace
{
public:
    explicit TFileTrace(const QString &fileName);

    void Sent(const QByteArray &bytes) override;
    void Received(const QByteArray &bytes) override;
    void Note(const QString &text) override;

private:
    void WriteLine(const QString &line);

    QFile m_file;
};
