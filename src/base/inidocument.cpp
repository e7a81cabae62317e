#include "base/inidocument.h"

#include "base/cp1252.h"

#include <limits>

namespace {

constexpr int MaxProfileValue = 2047;

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView TrimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

} // namespace

QString ProfileString(const QString &raw)
{
    QStringView v = TrimBlanks(raw);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.sliced(1, v.size() - 2);
    return v.left(MaxProfileValue).toString();
}

std::optional<int> ProfileInteger(const QString &text)
{
    QStringView v = TrimBlanks(text);
    if (v.isEmpty())
        return std::nullopt;
    bool ok = false;
    qlonglong n = 0;
    if (v.size() > 2 && v[0] == u'0' && (v[1] == u'x' || v[1] == u'X')) {
        const QStringView digits = v.sliced(2);
        if (digits.front() == u'+' || digits.front() == u'-')
            return std::nullopt;
        n = digits.toLongLong(&ok, 16);
        // Hex values cover the full 32 bits, as colours stored that way may.
        if (!ok || n > 0xFFFFFFFFLL)
            return std::nullopt;
        return int(quint32(n));
    }
    for (qsizetype i = (v[0] == u'+' || v[0] == u'-') ? 1 : 0; i < v.size(); ++i) {
        if (!v[i].isDigit() || v[i].unicode() > 0x7F)
            return std::nullopt;
    }
    n = v.toLongLong(&ok, 10);
    if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(n);
}

void TIniDocument::Section::Reindex()
{
    // QHash::insert replaces; walking backwards lets the first of duplicate keys win.
    index.clear();
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (!lines[i].key.isEmpty())
            index.insert(Fold(lines[i].key), i);
    }
}

TIniDocument TIniDocument::FromBytes(const QByteArray &bytes)
{
    TIniDocument doc;
    doc.m_sections.append(Section {});
    const QString text = DecodeCp1252(bytes);
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(u'\n', pos);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).sliced(pos, end - pos);
        if (line.endsWith(u'\r'))
            line.chop(1);
        pos = end + 1;

        const QStringView trimmed = TrimBlanks(line);
        if (trimmed.startsWith(u'[')) {
            qsizetype close = trimmed.indexOf(u']');
            Section s;
            s.name = TrimBlanks(trimmed.sliced(1, (close < 0 ? trimmed.size() : close) - 1))
                             .toString();
            s.header = line.toString();
            doc.m_sections.append(std::move(s));
            continue;
        }
        Line l;
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && !trimmed.startsWith(u';')) {
            l.key = TrimBlanks(line.left(eq)).toString();
            l.value = line.sliced(eq + 1).toString();
        }
        if (l.key.isEmpty())
            l.raw = line.toString();
        doc.m_sections.last().lines.append(std::move(l));
    }
    for (qsizetype i = 1; i < doc.m_sections.size(); ++i) {
        const QString folded = Fold(doc.m_sections[i].name);
        if (!doc.m_sectionIndex.contains(folded))
            doc.m_sectionIndex.insert(folded, i);
    }
    for (Section &s : doc.m_sections)
        s.Reindex();
    return doc;
}

QByteArray TIniDocument::ToBytes() const
{
    QString text;
    text.reserve(4096);
    auto appendLine = [&text](const QString &line) {
        text += line;
        text += QLatin1String("\r\n");
    };
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        const Section &s = m_sections[i];
        if (i > 0)
            appendLine(s.header.isEmpty() ? u'[' + s.name + u']' : s.header);
        for (const Line &l : s.lines) {
            if (l.key.isEmpty())
                appendLine(l.raw);
            else {
                text += l.key;
                text += u'=';
                appendLine(l.value);
            }
        }
    }
    return EncodeCp1252(text);
}

const TIniDocument::Section *TIniDocument::Find(const QString &section) const
{
    const auto it = m_sectionIndex.constFind(Fold(section));
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[*it];
}

TIniDocument::Section *TIniDocument::Find(const QString &section)
{
    const auto it = m_sectionIndex.constFind(Fold(section));
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[*it];
}

TIniDocument::Section &TIniDocument::FindOrAppend(const QString &section)
{
    if (m_sections.isEmpty())
        m_sections.append(Section {});
    if (Section *s = Find(section))
        return *s;
    Section s;
    s.name = section;
    m_sections.append(std::move(s));
    m_sectionIndex.insert(Fold(section), m_sections.size() - 1);
    return m_sections.last();
}

std::optional<QString> TIniDocument::RawValue(const QString &section, const QString &key) const
{
    const Section *s = Find(section);
    if (!s)
        return std::nullopt;
    const auto it = s->index.constFind(Fold(key));
    if (it == s->index.constEnd())
        return std::nullopt;
    return s->lines[*it].value;
}

QString TIniDocument::ReadString(const QString &section, const QString &key,
                                 const QString &def) const
{
    const auto raw = RawValue(section, key);
    return raw ? ProfileString(*raw) : def;
}

int TIniDocument::ReadInteger(const QString &section, const QString &key, int def) const
{
    const auto raw = RawValue(section, key);
    if (!raw)
        return def;
    return ProfileInteger(ProfileString(*raw)).value_or(def);
}

bool TIniDocument::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniDocument::WriteString(const QString &section, const QString &key, const QString &value)
{
    Section &s = FindOrAppend(section);
    const QString folded = Fold(key);
    const auto it = s.index.constFind(folded);
    if (it != s.index.constEnd()) {
        s.lines[*it].value = value;
        return;
    }
    // Append after the last key of the section, so trailing blank lines stay at its end.
    qsizetype insertAt = s.lines.size();
    while (insertAt > 0 && s.lines[insertAt - 1].key.isEmpty()
           && TrimBlanks(s.lines[insertAt - 1].raw).isEmpty())
        --insertAt;
    Line l;
    l.key = key;
    l.value = value;
    if (insertAt == s.lines.size()) {
        s.lines.append(std::move(l));
        s.index.insert(folded, s.lines.size() - 1);
    } else {
        s.lines.insert(insertAt, std::move(l));
        s.Reindex();
    }
}

void TIniDocument::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniDocument::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniDocument::DeleteKey(const QString &section, const QString &key)
{
    Section *s = Find(section);
    if (!s)
        return;
    const auto it = s->index.constFind(Fold(key));
    if (it == s->index.constEnd())
        return;
    s->lines.removeAt(*it);
    s->Reindex();
}

void TIniDocument::EraseSection(const QString &section)
{
    const auto it = m_sectionIndex.constFind(Fold(section));
    if (it == m_sectionIndex.constEnd())
        return;
    m_sections.removeAt(*it);
    m_sectionIndex.clear();
    for (qsizetype i = m_sections.size() - 1; i >= 1; --i)
        m_sectionIndex.insert(Fold(m_sections[i].name), i);
}

bool TIniDocument::SectionExists(const QString &section) const
{
    return Find(section) != nullptr;
}

QStringList TIniDocument::Sections() const
{
    QStringList names;
    for (qsizetype i = 1; i < m_sections.size(); ++i)
        names.append(m_sections[i].name);
    return names;
}

QStringList TIniDocument::Keys(const QString &section) const
{
    QStringList keys;
    if (const Section *s = Find(section)) {
        for (const Line &l : s->lines) {
            if (!l.key.isEmpty())
                keys.append(l.key);
        }
    }
    return keys;
}
