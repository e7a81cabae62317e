#include "base/inidocument.h"

#include "base/cp1252.h"
#include "base/iniwriter.h"

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

QStringView ProfileView(QStringView raw)
{
    QStringView v = TrimBlanks(raw);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.sliced(1, v.size() - 2);
    return v.left(MaxProfileValue);
}

std::optional<int> ProfileInteger(QStringView text)
{
    QStringView v = TrimBlanks(text);
    if (v.isEmpty())
        return std::nullopt;
    bool ok = false;
    if (v.size() > 2 && v[0] == u'0' && (v[1] == u'x' || v[1] == u'X')) {
        const QStringView digits = v.sliced(2);
        if (digits.front() == u'+' || digits.front() == u'-')
            return std::nullopt;
        const qulonglong n = digits.toULongLong(&ok, 16);
        // Hex values cover the full 32 bits, as colours stored that way may.
        if (!ok || n > 0xFFFFFFFFULL)
            return std::nullopt;
        return int(quint32(n));
    }
    for (qsizetype i = (v[0] == u'+' || v[0] == u'-') ? 1 : 0; i < v.size(); ++i) {
        if (v[i] < u'0' || v[i] > u'9')
            return std::nullopt;
    }
    const qlonglong n = v.toLongLong(&ok, 10);
    if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(n);
}

std::size_t TIniDocument::CaseInsensitiveHash::operator()(QStringView s) const noexcept
{
    // FNV-1a over case-folded characters; ASCII folds without a table lookup.
    std::size_t h = 1469598103934665603ULL;
    for (QChar c : s) {
        char16_t u = c.unicode();
        if (u < 0x80)
            u = (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
        else
            u = c.toCaseFolded().unicode();
        h = (h ^ u) * 1099511628211ULL;
    }
    return h;
}

void TIniDocument::Section::Reindex()
{
    index.clear();
    index.reserve(std::size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].key.isEmpty())
            index.emplace(lines[i].key, i); // emplace keeps the first of duplicate keys
    }
}

void TIniDocument::ReindexSections()
{
    m_sectionIndex.clear();
    for (qsizetype i = 1; i < m_sections.size(); ++i)
        m_sectionIndex.emplace(m_sections[i].name, i);
}

TIniDocument TIniDocument::FromBytes(const QByteArray &bytes)
{
    TIniDocument doc;
    doc.m_text = DecodeCp1252(bytes);
    doc.m_sections.append(Section {});
    const QStringView text(doc.m_text);
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(u'\n', pos);
        if (end < 0)
            end = text.size();
        QStringView line = text.sliced(pos, end - pos);
        if (line.endsWith(u'\r'))
            line.chop(1);
        pos = end + 1;

        const QStringView trimmed = TrimBlanks(line);
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            Section s;
            s.name = TrimBlanks(trimmed.sliced(1, (close < 0 ? trimmed.size() : close) - 1));
            s.hasHeader = true;
            s.header = line;
            doc.m_sections.append(std::move(s));
            continue;
        }
        Line l;
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && !trimmed.startsWith(u';')) {
            l.key = TrimBlanks(line.left(eq));
            l.value = line.sliced(eq + 1);
        }
        if (l.key.isEmpty())
            l.raw = line;
        doc.m_sections.last().lines.append(l);
    }
    doc.ReindexSections();
    for (Section &s : doc.m_sections)
        s.Reindex();
    return doc;
}

QByteArray TIniDocument::ToBytes() const
{
    TIniWriter writer;
    writer.Reserve(m_text.size() + 256);
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        const Section &s = m_sections[i];
        if (i > 0) {
            if (s.header.isEmpty())
                writer.Section(s.name);
            else
                writer.Line(s.header);
        }
        for (const Line &l : s.lines) {
            if (l.key.isEmpty())
                writer.Line(l.raw);
            else
                writer.Value(l.key, l.value);
        }
    }
    return writer.Bytes();
}

const TIniDocument::Section *TIniDocument::Find(QStringView section) const
{
    const auto it = m_sectionIndex.find(section);
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

TIniDocument::Section *TIniDocument::Find(QStringView section)
{
    const auto it = m_sectionIndex.find(section);
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

TIniDocument::Section &TIniDocument::FindOrAppend(QStringView section)
{
    if (m_sections.isEmpty())
        m_sections.append(Section {});
    if (Section *s = Find(section))
        return *s;
    Section s;
    s.ownedName = section.toString();
    s.name = s.ownedName;
    s.hasHeader = true;
    m_sections.append(std::move(s));
    m_sectionIndex.emplace(m_sections.last().name, m_sections.size() - 1);
    return m_sections.last();
}

std::optional<QStringView> TIniDocument::RawValue(QStringView section, QStringView key) const
{
    const Section *s = Find(section);
    if (!s)
        return std::nullopt;
    const auto it = s->index.find(key);
    if (it == s->index.end())
        return std::nullopt;
    return s->lines[it->second].value;
}

QString TIniDocument::ReadString(QStringView section, QStringView key, const QString &def) const
{
    const auto raw = RawValue(section, key);
    return raw ? ProfileString(*raw) : def;
}

int TIniDocument::ReadInteger(QStringView section, QStringView key, int def) const
{
    const auto raw = RawValue(section, key);
    if (!raw)
        return def;
    return ProfileInteger(ProfileView(*raw)).value_or(def);
}

bool TIniDocument::ReadBool(QStringView section, QStringView key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniDocument::WriteString(QStringView section, QStringView key, const QString &value)
{
    Section &s = FindOrAppend(section);
    const auto it = s.index.find(key);
    if (it != s.index.end()) {
        Line &l = s.lines[it->second];
        l.ownedValue = value;
        l.value = l.ownedValue;
        return;
    }
    // Append after the last key of the section, so trailing blank lines stay at its end.
    qsizetype insertAt = s.lines.size();
    while (insertAt > 0 && s.lines[insertAt - 1].key.isEmpty()
           && TrimBlanks(s.lines[insertAt - 1].raw).isEmpty())
        --insertAt;
    Line l;
    l.ownedKey = key.toString();
    l.ownedValue = value;
    l.key = l.ownedKey;
    l.value = l.ownedValue;
    const bool atEnd = insertAt == s.lines.size();
    s.lines.insert(insertAt, l);
    if (atEnd)
        s.index.emplace(s.lines.last().key, s.lines.size() - 1);
    else
        s.Reindex();
}

void TIniDocument::WriteInteger(QStringView section, QStringView key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniDocument::WriteBool(QStringView section, QStringView key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniDocument::DeleteKey(QStringView section, QStringView key)
{
    Section *s = Find(section);
    if (!s)
        return;
    const auto it = s->index.find(key);
    if (it == s->index.end())
        return;
    s->lines.removeAt(it->second);
    s->Reindex();
}

void TIniDocument::EraseSection(QStringView section)
{
    const auto it = m_sectionIndex.find(section);
    if (it == m_sectionIndex.end())
        return;
    m_sections.removeAt(it->second);
    ReindexSections();
}

bool TIniDocument::SectionExists(QStringView section) const
{
    return Find(section) != nullptr;
}

QStringList TIniDocument::Sections() const
{
    QStringList names;
    for (qsizetype i = 1; i < m_sections.size(); ++i)
        names.append(m_sections[i].name.toString());
    return names;
}

QStringList TIniDocument::Keys(QStringView section) const
{
    QStringList keys;
    if (const Section *s = Find(section)) {
        for (const Line &l : s->lines) {
            if (!l.key.isEmpty())
                keys.append(l.key.toString());
        }
    }
    return keys;
}
