#include "machine/commerror.h"

namespace {

QString ComposeMessage(const QString &text, int errorCode)
{
    return text + QStringLiteral(" (Error: ") + QString::number(errorCode) + QStringLiteral(") ");
}

} // namespace

ECommError::ECommError(const QString &text, int errorCode)
    : std::runtime_error(ComposeMessage(text, errorCode).toStdString()), m_errorCode(errorCode),
      m_message(ComposeMessage(text, errorCode))
{ }
