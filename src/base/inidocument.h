#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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
    std::optional<QString> RawValue(const QString &section, const QString &key) const;

    // Profile reads: blanks around the value stripped, one pair of enclosing quotes dropped,
    // at most 2047 characters; a missing key gives the default.
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    // Decimal, or hexadecimal after "0x"/"0X"; anything else gives the default.
    int ReadInteger(const QString &section, const QString &key, int def) const;
    // True for any integer other than 0.
    bool ReadBool(const QString &section, const QString &key, bool def) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);

    void DeleteKey(const QString &section, const QString &key);
    void EraseSection(const QString &section);

    bool SectionExists(const QString &section) const;
    QStringList Sections() const;
    QStringList Keys(const QString &section) const;

private:
    struct Line
    {
        QString key; // empty for lines that are no key
        QString value;
        QString raw; // the line as read, for non-key lines
    };
    struct Section
    {
        QString name;
        QString header; // the header line as read; empty for the lines before the first section
        QList<Line> lines;
        QHash<QString, qsizetype> index; // folded key -> line
        void Reindex();
    };

    static QString Fold(const QString &name) { return name.toCaseFolded(); }
    const Section *Find(const QString &section) const;
    Section *Find(const QString &section);
    Section &FindOrAppend(const QString &section);

    QList<Section> m_sections; // the first entry holds the lines before any section header
    QHash<QString, qsizetype> m_sectionIndex;
};

// Profile value rules shared by every reader.
QString ProfileString(const QString &raw);
std::optional<int> ProfileInteger(const QString &text);
