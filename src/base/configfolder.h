#pragma once

#include <QString>

// The folder that holds setupRW.ini, RWSetup.ini and the help: the folder of the program file,
// unless a test or a portable installation chose another one.
QString ConfigFolder();
void SetConfigFolder(const QString &folder);
// ConfigFolder() + "/" + name.
QString ConfigFile(const QString &name);
