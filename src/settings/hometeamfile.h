#pragma once

#include "base/inifile.h"

#include <QString>
#include <QStringList>

// RWSetup.ini: one section per home team, named by its team number. The home team dialog and
// the new-competition dialog open it independently, so every call works on the file as it is.
class THomeTeamFile
{
public:
    // RWSetup.ini in the configuration folder.
    THomeTeamFile();
    explicit THomeTeamFile(QString path);

    const QString &FileName() const { return m_ini.FileName(); }

    // Section names in file order.
    QStringList TeamSections() const;
    QString ReadString(const QString &team, const QString &key, const QString &def) const;
    int ReadInteger(const QString &team, const QString &key, int def) const;
    bool ReadBool(const QString &team, const QString &key, bool def) const;

    bool WriteString(const QString &team, const QString &key, const QString &value);
    bool WriteInteger(const QString &team, const QString &key, int value);
    bool WriteBool(const QString &team, const QString &key, bool value);
    bool DeleteKey(const QString &team, const QString &key);
    bool DeleteTeam(const QString &team);

    // The last section's number plus 1; "1" when there is none or it is no number.
    QString NextTeamSection() const;

    // Shooter entries T1..T50 of a team.
    static constexpr int ShooterEntries = 50;
    // Key of shooter entry n (1..ShooterEntries).
    static QString ShooterKey(int n) { return QStringLiteral("T%1").arg(n); }

private:
    TIniFile m_ini;
};
