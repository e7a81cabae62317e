#pragma once

#include <QString>

// The input/output failure message the user knows from the platform: "E/A-Fehler" and the
// Windows error number (5 access denied, 3 path not found, 112 disk full), mapped from errno.
int IoErrorCode(int posixErrno);
QString IoErrorMessage(int posixErrno);
