#pragma once

#include "base/inidocument.h"

#include <QString>
#include <QStringList>

#include <functional>

// An INI file on disk used key by key, like the Windows private-profile functions: every read
// looks at the file as it is now, every write goes to the file at once. Other parts of the
// program may open the same file independently, so nothing is cached between calls.
class TIniFile
{
public:
    explicit TIniFile(QString path);

    const QString &FileName() const { return m_path; }

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    QStringList ReadSections() const;

    // Each write returns false when the file cannot be written, or is there but cannot be
    // read; the file is then unchanged.
    bool WriteString(const QString &section, const QString &key, const QString &value);
    bool WriteInteger(const QString &section, const QString &key, int value);
    bool WriteBool(const QString &section, const QString &key, bool value);
    bool DeleteKey(const QString &section, const QString &key);
    bool EraseSection(const QString &section);

    // Several changes in one write of the file.
    bool Update(const std::function<void(TIniDocument &)> &change);

    // The file's current contents; a missing or unreadable file reads as empty.
    TIniDocument Load() const;

private:
    QString m_path;
};

// Writes the bytes through a temporary file in the same folder, so a failed write leaves the
// previous file untouched.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);
