#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// Control bytes of the machines' lines.
namespace Ctl {
constexpr char NUL = 0x00;
constexpr char STX = 0x02;
constexpr char EOT = 0x04;
constexpr char ENQ = 0x05;
constexpr char ACK = 0x06;
constexpr char FF = 0x0C;
constexpr char CR = 0x0D;
constexpr char NAK = 0x15;
constexpr char SYN = 0x16;
constexpr char ESC = 0x1B;
} // namespace Ctl

// XOR of the text's bytes, lifted by 0x20 out of the control range; both directions use it.
quint8 DisagCheckByte(QByteArrayView text);

// A command as it goes on the line: text, check byte, CR.
QByteArray DisagFrame(QByteArrayView command);

// What one receive event makes of the DISAG receive buffer.
struct TDisagRxStep
{
    enum Kind {
        Nothing, // wait for more bytes
        Ack, // the machine acknowledged
        Stx, // the machine is ready for a command
        Message, // a frame with a good check byte: acknowledge it
        Refused, // a frame with a bad check byte: refuse it, the machine sends it again
    };
    Kind kind = Nothing;
    QByteArray message; // Message: the frame without check byte and CR
};

// Takes exactly one step from the buffer and removes what it consumed. An ACK comes before a
// message that arrived with it; the message waits for the next receive event.
TDisagRxStep TakeDisagRxStep(QByteArray &buffer);

// Bytes the buffer keeps after a message; more means a line that only sends noise.
constexpr qsizetype DisagBufferLimit = 1000;
