#include "base/numberformat.h"

#include "base/inidocument.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Number text built in place: some thousand numbers go into every competition file.
struct TDigits
{
    char buf[400];
    int len = 0;

    void Append(const char *s)
    {
        while (*s)
            buf[len++] = *s++;
    }
    void Append(char c, int count = 1)
    {
        while (count-- > 0)
            buf[len++] = c;
    }
};

void AppendFixed(TDigits &d, double value, int decimals)
{
    if (decimals == 0) {
        // Ties exist only for whole-number rounding: a binary double cannot end in 5 at any
        // decimal place after the point. std::to_chars would round them to even.
        double rounded = std::nearbyint(value);
        if (std::fabs(value - std::trunc(value)) == 0.5)
            rounded = std::trunc(value) + (value < 0 ? -1.0 : 1.0);
        value = rounded;
    }
    auto r = std::to_chars(d.buf + d.len, d.buf + sizeof d.buf, value, std::chars_format::fixed,
                           decimals);
    d.len = int(r.ptr - d.buf);
}

// "-0" and "-0,0" read as zero to a user; drop the sign when every digit is 0.
void DropNegativeZero(TDigits &d)
{
    if (d.len == 0 || d.buf[0] != '-')
        return;
    for (int i = 1; i < d.len; ++i) {
        if (d.buf[i] != '0' && d.buf[i] != '.')
            return;
    }
    std::copy(d.buf + 1, d.buf + d.len, d.buf);
    --d.len;
}

QString Localised(TDigits &d, int width = 0)
{
    const QChar sep = DecimalSeparator();
    const bool latin1 = sep.unicode() < 0x100;
    if (latin1 && sep != u'.') {
        for (int i = 0; i < d.len; ++i) {
            if (d.buf[i] == '.')
                d.buf[i] = char(sep.unicode());
        }
    }
    const int pad = qMax(0, width - d.len);
    QString s(pad + d.len, u' ');
    QChar *out = s.data() + pad;
    for (int i = 0; i < d.len; ++i)
        out[i] = QChar(uchar(d.buf[i]));
    if (!latin1)
        s.replace(u'.', sep);
    return s;
}

int DecimalExponent(const char *sci, int len)
{
    const char *e = std::find(sci, sci + len, 'e');
    const char *begin = e + 1 + (e + 1 < sci + len && e[1] == '+' ? 1 : 0);
    int exp = 0;
    std::from_chars(begin, sci + len, exp);
    return exp;
}

// "%W.Pf" into width and places; anything unreadable counts as "%3.0f".
void ParseRingformat(QStringView f, int &width, int &decimals)
{
    width = 3;
    decimals = 0;
    // The two formats a competition can have, without parsing.
    if (f == u"%3.0f")
        return;
    if (f == u"%3.1f") {
        decimals = 1;
        return;
    }
    if (!f.startsWith(u'%') || !f.endsWith(u'f'))
        return;
    const QStringView inner = f.sliced(1, f.size() - 2);
    const qsizetype dot = inner.indexOf(u'.');
    bool okW = true, okP = true;
    int w = 0, p = 6;
    if (dot >= 0) {
        w = dot > 0 ? inner.left(dot).toInt(&okW) : 0;
        p = inner.sliced(dot + 1).toInt(&okP);
    } else if (!inner.isEmpty()) {
        w = inner.toInt(&okW);
    }
    if (okW && okP && w >= 0 && w <= 64 && p >= 0 && p <= 20) {
        width = w;
        decimals = p;
    }
}

} // namespace

QChar DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QString FormatFixed(double value, int decimals)
{
    TDigits d;
    AppendFixed(d, std::isfinite(value) ? value : 0.0, decimals);
    DropNegativeZero(d);
    return Localised(d);
}

QString FormatRing(const QString &ringformat, double value)
{
    int width = 3, decimals = 0;
    ParseRingformat(ringformat, width, decimals);
    TDigits d;
    AppendFixed(d, std::isfinite(value) ? value : 0.0, decimals);
    DropNegativeZero(d);
    return Localised(d, width);
}

QString FormatGeneral(double value)
{
    TDigits d;
    if (!std::isfinite(value))
        value = 0;
    char sci[64];
    auto r = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::general, 15);
    const int len = int(r.ptr - sci);
    const char *e = std::find(sci, sci + len, 'e');
    if (e == sci + len) {
        std::copy(sci, sci + len, d.buf);
        d.len = len;
    } else {
        // Exponent as "E-6" / "E20": no plus sign, no leading zeros.
        std::copy(static_cast<const char *>(sci), e, d.buf);
        d.len = int(e - sci);
        d.Append('E');
        auto x = std::to_chars(d.buf + d.len, d.buf + sizeof d.buf, DecimalExponent(sci, len));
        d.len = int(x.ptr - d.buf);
    }
    DropNegativeZero(d);
    return Localised(d);
}

QString FormatSignificantFixed(double value, int precision, int digits)
{
    if (!std::isfinite(value) || value == 0)
        return FormatFixed(0, digits);
    // Decimal exponent after rounding to `precision` significant digits.
    char sci[64];
    auto r = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific,
                           precision - 1);
    const int len = int(r.ptr - sci);
    const int exp = DecimalExponent(sci, len);
    TDigits d;
    if (exp >= precision) {
        // More integer digits than the precision allows: mantissa with `precision` digits.
        const char *e = std::find(sci, sci + len, 'e');
        std::copy(static_cast<const char *>(sci), e, d.buf);
        d.len = int(e - sci);
        d.Append(exp < 0 ? "E-" : "E+");
        if (std::abs(exp) < 10)
            d.Append('0');
        auto x = std::to_chars(d.buf + d.len, d.buf + sizeof d.buf, std::abs(exp));
        d.len = int(x.ptr - d.buf);
        return Localised(d);
    }
    const int places = std::max(0, std::min(digits, precision - 1 - exp));
    AppendFixed(d, value, places);
    if (places < digits) {
        if (places == 0)
            d.Append('.');
        d.Append('0', digits - places);
    }
    DropNegativeZero(d);
    return Localised(d);
}

bool ParseReal(QStringView text, double &value)
{
    const QStringView t = text.trimmed();
    char buf[64];
    if (t.isEmpty() || t.size() >= qsizetype(sizeof buf))
        return false;
    qsizetype n = 0;
    for (QChar c : t) {
        const char16_t u = c.unicode();
        if (u == u',')
            buf[n++] = '.';
        else if ((u >= u'0' && u <= u'9') || u == u'.' || u == u'+' || u == u'-' || u == u'e'
                 || u == u'E')
            buf[n++] = char(u);
        else
            return false;
    }
    const char *begin = buf;
    if (*begin == '+')
        ++begin;
    double v = 0;
    auto r = std::from_chars(begin, buf + n, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != buf + n)
        return false;
    value = v;
    return true;
}

bool ParseInteger(QStringView text, int &value)
{
    const auto n = ProfileInteger(text);
    if (!n)
        return false;
    value = *n;
    return true;
}

QString InvalidIntegerMessage(const QString &text)
{
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

QString InvalidRealMessage(const QString &text)
{
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text);
}
