#include "base/iniwriter.h"

#include "base/cp1252.h"

void TIniWriter::Append(QStringView text)
{
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        const qsizetype at = m_bytes.size();
        m_bytes.resize(at + text.size());
        char *out = m_bytes.data() + at;
        for (QChar c : text)
            *out++ = char(c.unicode());
    } else {
        m_bytes += EncodeCp1252(text);
    }
}

void TIniWriter::Section(QStringView name)
{
    m_bytes += '[';
    Append(name);
    m_bytes += "]\r\n";
}

void TIniWriter::Value(QStringView key, QStringView value)
{
    Append(key);
    m_bytes += '=';
    Append(value);
    m_bytes += "\r\n";
}

void TIniWriter::Line(QStringView line)
{
    Append(line);
    m_bytes += "\r\n";
}
