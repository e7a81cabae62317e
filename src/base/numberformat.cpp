#include "base/numberformat.h"

#include "base/inidocument.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

QString Localise(const char *begin, const char *end)
{
    QString s = QString::fromLatin1(begin, end - begin);
    const QChar sep = DecimalSeparator();
    if (sep != u'.')
        s.replace(u'.', sep);
    return s;
}

// "-0" and "-0,0" read as zero to a user; drop the sign when every digit is 0.
void DropNegativeZero(std::string &s)
{
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos)
        s.erase(0, 1);
}

std::string FixedDigits(double value, int decimals)
{
    char buf[400];
    if (decimals == 0) {
        // Ties exist only for whole-number rounding: a binary double cannot end in 5 at any
        // decimal place after the point. std::to_chars would round them to even.
        double rounded = std::nearbyint(value);
        if (std::fabs(value - std::trunc(value)) == 0.5)
            rounded = std::trunc(value) + (value < 0 ? -1.0 : 1.0);
        auto r = std::to_chars(buf, buf + sizeof buf, rounded, std::chars_format::fixed, 0);
        return std::string(buf, r.ptr);
    }
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return std::string(buf, r.ptr);
}

} // namespace

QChar DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QString FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    std::string s = FixedDigits(value, decimals);
    DropNegativeZero(s);
    return Localise(s.data(), s.data() + s.size());
}

QString FormatRing(const QString &ringformat, double value)
{
    // "%W.Pf": width and precision; anything unreadable falls back to "%3.0f".
    int width = 3, decimals = 0;
    if (ringformat.startsWith(u'%') && ringformat.endsWith(u'f')) {
        const QStringView spec = QStringView(ringformat).sliced(1, ringformat.size() - 2);
        const qsizetype dot = spec.indexOf(u'.');
        bool okW = true, okP = true;
        if (dot >= 0) {
            width = dot > 0 ? spec.left(dot).toInt(&okW) : 0;
            decimals = spec.sliced(dot + 1).toInt(&okP);
        } else {
            width = spec.isEmpty() ? 0 : spec.toInt(&okW);
            decimals = 6;
        }
        if (!okW || !okP || width < 0 || width > 64 || decimals < 0 || decimals > 20) {
            width = 3;
            decimals = 0;
        }
    }
    return FormatFixed(value, decimals).rightJustified(width, u' ');
}

QString FormatGeneral(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string s(buf, r.ptr);
    const auto e = s.find('e');
    if (e != std::string::npos) {
        // Exponent as "E-6" / "E20": no plus sign, no leading zeros.
        std::string mant = s.substr(0, e);
        int exp = std::atoi(s.c_str() + e + 1);
        s = mant + "E" + std::to_string(exp);
    }
    DropNegativeZero(s);
    return Localise(s.data(), s.data() + s.size());
}

QString FormatSignificantFixed(double value, int precision, int digits)
{
    if (!std::isfinite(value))
        return FormatFixed(0, digits);
    if (value == 0)
        return FormatFixed(0, digits);
    // Decimal exponent after rounding to `precision` significant digits.
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                           precision - 1);
    const std::string sci(buf, r.ptr);
    const int exp = std::atoi(sci.c_str() + sci.find('e') + 1);
    if (exp >= precision) {
        // More integer digits than the precision allows: mantissa with `precision` digits.
        std::string mant = sci.substr(0, sci.find('e'));
        std::string s = mant + "E" + (exp < 0 ? "-" : "+") + (std::abs(exp) < 10 ? "0" : "")
                + std::to_string(std::abs(exp));
        return Localise(s.data(), s.data() + s.size());
    }
    const int places = std::max(0, std::min(digits, precision - 1 - exp));
    std::string s = FixedDigits(value, places);
    if (places < digits) {
        if (places == 0)
            s += '.';
        s.append(std::size_t(digits - places), '0');
    }
    DropNegativeZero(s);
    return Localise(s.data(), s.data() + s.size());
}

bool ParseReal(QStringView text, double &value)
{
    QStringView t = text.trimmed();
    if (t.isEmpty())
        return false;
    std::string s;
    s.reserve(std::size_t(t.size()));
    for (QChar c : t) {
        const char16_t u = c.unicode();
        if (u == u',')
            s += '.';
        else if ((u >= u'0' && u <= u'9') || u == u'.' || u == u'+' || u == u'-' || u == u'e'
                 || u == u'E')
            s += char(u);
        else
            return false;
    }
    const char *begin = s.data();
    if (*begin == '+')
        ++begin;
    double v = 0;
    auto r = std::from_chars(begin, s.data() + s.size(), v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size())
        return false;
    value = v;
    return true;
}

bool ParseInteger(QStringView text, int &value)
{
    const auto n = ProfileInteger(text.toString());
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
