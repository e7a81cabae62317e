#pragma once

#include <QString>

#include <stdexcept>

// A failure of the serial port. The message carries the code as the user sees it:
// text + " (Error: " + code + ") ".
class ECommError : public std::runtime_error
{
public:
    ECommError(const QString &text, int errorCode);

    int ErrorCode() const { return m_errorCode; }
    QString Message() const { return m_message; }

private:
    int m_errorCode;
    QString m_message;
};

// The texts of the port's failures.
namespace CommErrorText {
inline constexpr const char *AlreadyOpen = "Port already assigned (open)";
inline constexpr const char *OpenFailed = "Zugriff auf die Serielle Schnittstelle fehlgeschlagen";
inline constexpr const char *NotCharDevice = "Invalid device handle, access denied";
inline constexpr const char *Timeouts = "Error updating CommTimeouts";
inline constexpr const char *LineSettings = "Error updating DataControlBlock";
inline constexpr const char *Buffers = "Error initializing Read/Write Buffers";
inline constexpr const char *WriteFailed = "Write error";
inline constexpr const char *ReadFailed = "Read error";
inline constexpr const char *NotOpen = "Port not open, unable to complete operation";
inline constexpr const char *RtsFailed = "EscapeCommFunction failure";
} // namespace CommErrorText
