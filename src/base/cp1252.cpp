#include "base/cp1252.h"

namespace {

constexpr char16_t HighTable[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char EncodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (HighTable[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QString DecodeCp1252(QByteArrayView bytes)
{
    QString result(bytes.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(HighTable[b - 0x80]) : QChar(char16_t(b));
    }
    return result;
}

QByteArray EncodeCp1252(QStringView text)
{
    QByteArray result(text.size(), Qt::Uninitialized);
    char *out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = EncodeOne(text[i].unicode());
    return result;
}
