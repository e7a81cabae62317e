#include "settings/hometeamfile.h"

#include "base/configfolder.h"

THomeTeamFile::THomeTeamFile() : THomeTeamFile(ConfigFile(QStringLiteral("RWSetup.ini"))) { }

THomeTeamFile::THomeTeamFile(QString path) : m_ini(std::move(path)) { }

QStringList THomeTeamFile::TeamSections() const
{
    return m_ini.ReadSections();
}

QString THomeTeamFile::ReadString(const QString &team, const QString &key, const QString &def) const
{
    return m_ini.ReadString(team, key, def);
}

int THomeTeamFile::ReadInteger(const QString &team, const QString &key, int def) const
{
    return m_ini.ReadInteger(team, key, def);
}

bool THomeTeamFile::ReadBool(const QString &team, const QString &key, bool def) const
{
    return m_ini.ReadBool(team, key, def);
}

bool THomeTeamFile::WriteString(const QString &team, const QString &key, const QString &value)
{
    return m_ini.WriteString(team, key, value);
}

bool THomeTeamFile::WriteInteger(const QString &team, const QString &key, int value)
{
    return m_ini.WriteInteger(team, key, value);
}

bool THomeTeamFile::WriteBool(const QString &team, const QString &key, bool value)
{
    return m_ini.WriteBool(team, key, value);
}

bool THomeTeamFile::DeleteKey(const QString &team, const QString &key)
{
    return m_ini.DeleteKey(team, key);
}

bool THomeTeamFile::DeleteTeam(const QString &team)
{
    return m_ini.EraseSection(team);
}

QString THomeTeamFile::NextTeamSection() const
{
    const QStringList sections = TeamSections();
    if (sections.isEmpty())
        return QStringLiteral("1");
    bool ok = false;
    const int last = sections.last().toInt(&ok);
    return ok ? QString::number(last + 1) : QStringLiteral("1");
}
