#pragma once

#include <QString>
#include <QStringView>

// Text forms of numbers. Every number written uses the decimal separator of the user's locale
// (QLocale's default); every number read accepts a comma and a point alike, so files move
// between PCs with different settings. printf is never used: glibc rounds 372.5 to 372.

QChar DecimalSeparator();

// Fixed notation with `decimals` places, halves rounded away from zero (372.5 -> "373").
QString FormatFixed(double value, int decimals);

// A competition's ring format, "%3.0f" or "%3.1f" (any "%W.Pf" works): FormatFixed,
// right-aligned in at least W characters.
QString FormatRing(const QString &ringformat, double value);

// Shortest general form with up to 15 significant digits ("372", "372,5").
QString FormatGeneral(double value);

// Rounded to at most `precision` significant digits, then shown with exactly `digits` places;
// a value with more integer digits than `precision` switches to the exponent form.
QString FormatSignificantFixed(double value, int precision, int digits);

// The Teiler and angle fields of a stored shot.
inline QString FormatTeiler(float teiler)
{
    return FormatSignificantFixed(teiler, 5, 2);
}
inline QString FormatWinkel(float winkel)
{
    return FormatSignificantFixed(winkel, 3, 1);
}

// Decimal number with comma or point, optional sign and exponent, blanks around it allowed.
bool ParseReal(QStringView text, double &value);

// Whole number, decimal or "0x" hexadecimal, blanks around it allowed.
bool ParseInteger(QStringView text, int &value);

// The conversion messages shown for text that is not a number.
QString InvalidIntegerMessage(const QString &text);
QString InvalidRealMessage(const QString &text);
