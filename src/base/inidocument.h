#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <unordered_map>

// The text of one INI file in memory, with the lookup rules of the Windows profile functions:
// section and key names compare without regard to case, sections and keys keep their file
// order, writing replaces a key in place or appends it at the end of its section, a new section
// goes to the end of the file. Lines that are neither sections nor keys are kept as they are.
class TIniDocument
{
public:
    // Windows-1252 text; CR LF or LF line ends.
    static TIniDocument FromBytes(const QByteArray &bytes);
    // Windows-1252, CR LF.
    QByteArray ToBytes() const;

    // The stored value as it stands in the file (after '=' up to the line end), if the key exists.
    std::optional<QStringView> RawValue(QStringView section, QStringView key) const;

    // Profile reads: blanks around the value stripped, one pair of enclosing quotes dropped,
    // at most 2047 characters; a missing key gives the default.
    QString ReadString(QStringView section, QStringView key, const QString &def) const;
    // Decimal, or hexadecimal after "0x"/"0X"; anything else gives the default.
    int ReadInteger(QStringView section, QStringView key, int def) const;
    // True for any integer other than 0.
    bool ReadBool(QStringView section, QStringView key, bool def) const;

    void WriteString(QStringView section, QStringView key, const QString &value);
    void WriteInteger(QStringView section, QStringView key, int value);
    void WriteBool(QStringView section, QStringView key, bool value);

    void DeleteKey(QStringView section, QStringView key);
    void EraseSection(QStringView section);

    bool SectionExists(QStringView section) const;
    QStringList Sections() const;
    QStringList Keys(QStringView section) const;

    // Callers pass plain literals ("Header") for names; these forward to the view versions.
    QString ReadString(const QString &section, const QString &key, const QString &def) const
    {
        return ReadString(QStringView(section), QStringView(key), def);
    }
    int ReadInteger(const QString &section, const QString &key, int def) const
    {
        return ReadInteger(QStringView(section), QStringView(key), def);
    }
    bool ReadBool(const QString &section, const QString &key, bool def) const
    {
        return ReadBool(QStringView(section), QStringView(key), def);
    }
    std::optional<QStringView> RawValue(const QString &section, const QString &key) const
    {
        return RawValue(QStringView(section), QStringView(key));
    }
    void WriteString(const QString &section, const QString &key, const QString &value)
    {
        WriteString(QStringView(section), QStringView(key), value);
    }
    void WriteInteger(const QString &section, const QString &key, int value)
    {
        WriteInteger(QStringView(section), QStringView(key), value);
    }
    void WriteBool(const QString &section, const QString &key, bool value)
    {
        WriteBool(QStringView(section), QStringView(key), value);
    }

    void DeleteKey(const QString &section, const QString &key)
    {
        DeleteKey(QStringView(section), QStringView(key));
    }
    void EraseSection(const QString &section) { EraseSection(QStringView(section)); }
    bool SectionExists(const QString &section) const { return SectionExists(QStringView(section)); }
    QStringList Keys(const QString &section) const { return Keys(QStringView(section)); }

private:
    struct CaseInsensitiveHash
    {
        std::size_t operator()(QStringView s) const noexcept;
    };
    struct CaseInsensitiveEqual
    {
        bool operator()(QStringView a, QStringView b) const noexcept
        {
            return a.compare(b, Qt::CaseInsensitive) == 0;
        }
    };
    using Index =
            std::unordered_map<QStringView, qsizetype, CaseInsensitiveHash, CaseInsensitiveEqual>;

    // Key, value and raw text are views into the document's text or into the owned strings of
    // the line (QString data does not move when the line does).
    struct Line
    {
        QStringView key; // empty for lines that are no key
        QStringView value;
        QStringView raw; // the whole line, for lines that are no key
        QString ownedKey, ownedValue;
    };
    struct Section
    {
        QStringView name;
        QString ownedName;
        bool hasHeader = false; // false only for the lines before the first section
        QStringView header; // the header line as read
        QList<Line> lines;
        Index index; // key -> line; the first of duplicate keys wins
        void Reindex();
    };

    const Section *Find(QStringView section) const;
    Section *Find(QStringView section);
    Section &FindOrAppend(QStringView section);
    void ReindexSections();

    QString m_text; // the decoded file; never changed, the views point into it
    QList<Section> m_sections; // the first entry holds the lines before any section header
    Index m_sectionIndex;
};

// Profile value rules shared by every reader.
QStringView ProfileView(QStringView raw);
inline QString ProfileString(QStringView raw)
{
    return ProfileView(raw).toString();
}
std::optional<int> ProfileInteger(QStringView text);
