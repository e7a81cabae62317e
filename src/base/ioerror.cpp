#include "base/ioerror.h"

#include "base/userdialogs.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

int IoErrorCode(int posixErrno)
{
    switch (posixErrno) {
    case ENOENT:
        return 2;
    case ENOTDIR:
        return 3;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 5;
    case ENOSPC:
    case EFBIG:
        return 112;
    default:
        return posixErrno;
    }
}

QString IoErrorMessage(int posixErrno)
{
    return QStringLiteral("E/A-Fehler %1").arg(IoErrorCode(posixErrno));
}

void ShowIoError(int posixErrno)
{
    UserDialogs().MessageDlg(IoErrorMessage(posixErrno), TMsgIcon::Error, TMsgButtons::Ok);
}

bool WriteFileShowingIoError(const QString &path, const std::function<QByteArray()> &content)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file) {
        ShowIoError(errno);
        return false;
    }
    const QByteArray bytes = content();
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file)
                    == std::size_t(bytes.size())
            && std::fflush(file) == 0;
    const int error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        ShowIoError(error ? error : errno);
        return false;
    }
    return true;
}
