#include "base/ioerror.h"

#include <cerrno>

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
