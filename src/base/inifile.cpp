#include "base/inifile.h"

#include <QFile>
#include <QSaveFile>

bool WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so a failing write (disk full) is seen here and not lost in a late flush
    // after which the half-written file would still replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

TIniFile::TIniFile(QString path) : m_path(std::move(path)) { }

TIniDocument TIniFile::Load() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return TIniDocument::FromBytes({});
    return TIniDocument::FromBytes(file.readAll());
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    return Load().ReadString(section, key, def);
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    return Load().ReadInteger(section, key, def);
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return Load().ReadBool(section, key, def);
}

QStringList TIniFile::ReadSections() const
{
    return Load().Sections();
}

bool TIniFile::Update(const std::function<void(TIniDocument &)> &change)
{
    // A file that is there but cannot be read must not be replaced by what little a write adds
    // to nothing: every other team or setting in it would be gone.
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) && file.exists())
        return false;
    TIniDocument doc = TIniDocument::FromBytes(file.isOpen() ? file.readAll() : QByteArray());
    change(doc);
    return WriteFileAtomically(m_path, doc.ToBytes());
}

bool TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    return Update([&](TIniDocument &d) { d.WriteString(section, key, value); });
}

bool TIniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    return Update([&](TIniDocument &d) { d.WriteInteger(section, key, value); });
}

bool TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    return Update([&](TIniDocument &d) { d.WriteBool(section, key, value); });
}

bool TIniFile::DeleteKey(const QString &section, const QString &key)
{
    return Update([&](TIniDocument &d) { d.DeleteKey(section, key); });
}

bool TIniFile::EraseSection(const QString &section)
{
    return Update([&](TIniDocument &d) { d.EraseSection(section); });
}
