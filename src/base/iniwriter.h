#pragma once

#include <QByteArray>
#include <QStringView>

// Writes INI text straight into Windows-1252 bytes with CR LF line ends. A file written from
// scratch (a competition) needs no document in between.
class TIniWriter
{
public:
    void Section(QStringView name);
    void Value(QStringView key, QStringView value);
    void Line(QStringView line);

    const QByteArray &Bytes() const { return m_bytes; }
    void Reserve(qsizetype bytes) { m_bytes.reserve(bytes); }

private:
    void Append(QStringView text);
    QByteArray m_bytes;
};
