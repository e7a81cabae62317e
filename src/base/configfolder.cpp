#include "base/configfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString &Override()
{
    static QString folder;
    return folder;
}

} // namespace

QString ConfigFolder()
{
    if (!Override().isEmpty())
        return Override();
    return QCoreApplication::applicationDirPath();
}

void SetConfigFolder(const QString &folder)
{
    Override() = folder;
}

QString ConfigFile(const QString &name)
{
    return QDir(ConfigFolder()).filePath(name);
}
