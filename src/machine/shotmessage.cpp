#include "machine/shotmessage.h"

#include "base/numberformat.h"

#include <optional>

namespace {

// The text up to the next ';' (or the end), removed from `rest` with its ';'.
QStringView NextField(QStringView &rest)
{
    const qsizetype end = rest.indexOf(u';');
    const QStringView field = end < 0 ? rest : rest.left(end);
    rest = end < 0 ? QStringView() : rest.mid(end + 1);
    return field;
}

std::optional<float> ReadReal(QStringView field)
{
    double value = 0;
    if (!ParseReal(field, value))
        return std::nullopt;
    return float(value);
}

quint8 StatusOfLetter(QStringView rest)
{
    if (rest.startsWith(u'G'))
        return 1;
    if (rest.startsWith(u'K'))
        return 0x15;
    return 0x35;
}

} // namespace

TYSchuss DecodeShotMessage(const QByteArray &message, TypeScheiben type, int &shotIndex)
{
    const TYSchuss unreadable {5000, 0, 0, 0x35};
    const qsizetype start = message.indexOf("SCH=");
    if (start < 0)
        return unreadable;
    // Comma and point alike are read as the decimal separator, so the machine's points need
    // no translation here.
    const QString text = QString::fromLatin1(message.mid(start, 255).mid(4));
    QStringView rest(text);

    int number = 0;
    if (!ParseInteger(NextField(rest), number))
        return unreadable;
    shotIndex = number;

    const std::optional<float> ring = ReadReal(NextField(rest));
    const std::optional<float> teiler = ReadReal(NextField(rest));
    const std::optional<float> winkel = ReadReal(NextField(rest));
    if (!ring || !teiler || !winkel)
        return unreadable;

    TYSchuss shot;
    shot.Ring = *ring;
    shot.Teiler = *teiler;
    shot.Winkel = *winkel > 359 ? 0.0f : *winkel;
    if (!(shot.Ring > 0)) {
        shot.Teiler = GetTeiler(GetScheibenmasse(type), 0);
        shot.Winkel = 45;
    }
    shot.Status = StatusOfLetter(rest);
    return shot;
}
