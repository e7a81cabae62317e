#include "machine/commtrace.h"

#include "base/configfolder.h"

namespace {

QString Timestamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

} // namespace

QString FormatTraceLine(const QDateTime &time, const char *direction, const QByteArray &bytes)
{
    QString hex, text;
    for (const char c : bytes) {
        const auto b = quint8(c);
        if (!hex.isEmpty())
            hex += u' ';
        hex += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
        text += (b >= 0x20 && b < 0x7F) ? QChar(b) : QChar(u'.');
    }
    return Timestamp(time) + u' ' + QLatin1String(direction) + u' ' + hex + QStringLiteral("  |")
            + text + u'|';
}

QString MachineTraceFileName()
{
    return ConfigFile(QStringLiteral("Ringlesegeraet.log"));
}

TFileTrace::TFileTrace(const QString &fileName) : m_file(fileName) { }

void TFileTrace::Sent(const QByteArray &bytes)
{
    WriteLine(FormatTraceLine(QDateTime::currentDateTime(), "->", bytes));
}

void TFileTrace::Received(const QByteArray &bytes)
{
    WriteLine(FormatTraceLine(QDateTime::currentDateTime(), "<-", bytes));
}

void TFileTrace::Note(const QString &text)
{
    WriteLine(Timestamp(QDateTime::currentDateTime()) + QStringLiteral(" -- ") + text);
}

void TFileTrace::WriteLine(const QString &line)
{
    // A trace that cannot be written must not stop a reading.
    if (!m_file.isOpen() && !m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    m_file.write(line.toUtf8() + "\r\n");
    m_file.flush();
}
