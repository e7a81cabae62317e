#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The input/output failure message the user knows from the platform: "E/A-Fehler" and the
// Windows error number (5 access denied, 3 path not found, 112 disk full), mapped from errno.
int IoErrorCode(int posixErrno);
QString IoErrorMessage(int posixErrno);

// The message as an error box.
void ShowIoError(int posixErrno);

// Creates or overwrites `path`, then writes what `content` makes (which may itself show
// messages, after the file was created); on failure shows the "E/A-Fehler" box and returns false
// (what was written until then stays).
bool WriteFileShowingIoError(const QString &path, const std::function<QByteArray()> &content);
