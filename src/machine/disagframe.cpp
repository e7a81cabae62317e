#include "machine/disagframe.h"

quint8 DisagCheckByte(QByteArrayView text)
{
    quint8 check = 0;
    for (const char c : text)
        check ^= quint8(c);
    if (check < 0x20)
        check += 0x20;
    return check;
}

QByteArray DisagFrame(QByteArrayView command)
{
    QByteArray frame = command.toByteArray();
    frame += char(DisagCheckByte(command));
    frame += Ctl::CR;
    return frame;
}

TDisagRxStep TakeDisagRxStep(QByteArray &buffer)
{
    if (const qsizetype ack = buffer.indexOf(Ctl::ACK); ack >= 0) {
        buffer.remove(ack, 1);
        return {TDisagRxStep::Ack, {}};
    }
    if (const qsizetype stx = buffer.indexOf(Ctl::STX); stx >= 0) {
        buffer.remove(stx, 1);
        return {TDisagRxStep::Stx, {}};
    }
    // A buffer that starts with a control byte is line noise until a CR clears it.
    if (buffer.isEmpty() || quint8(buffer.front()) < 0x0D || !buffer.contains(Ctl::CR))
        return {};
    const qsizetype size = buffer.size();
    if (size >= 2) {
        const QByteArray text = buffer.left(size - 2);
        if (DisagCheckByte(text) == quint8(buffer.at(size - 2))) {
            buffer = buffer.mid(buffer.indexOf(Ctl::CR) + 1).left(DisagBufferLimit);
            return {TDisagRxStep::Message, text};
        }
    }
    buffer.clear();
    return {TDisagRxStep::Refused, {}};
}
