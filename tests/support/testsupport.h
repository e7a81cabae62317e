#pragma once

#include "base/schuss.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>

// Path of a fixture file of the test's own folder.
#ifdef TARVENN_FIXTURES
inline QString FixturePath(const QString &name)
{
    return QStringLiteral(TARVENN_FIXTURES "/") + name;
}
#endif

QByteArray ReadFileBytes(const QString &path);
void WriteFileBytes(const QString &path, const QByteArray &bytes);

// A UTF-8 literal as a file on disk would hold it: Windows-1252 with CR LF line ends.
QByteArray WindowsText(const char *utf8);

// The locale the program is made for; TARVENN_TEST_LOCALE (e.g. "C") chooses another one, so a
// test can run once more under a decimal point.
void UseTestLocale();
// "372,5" in the German locale, "372.5" under a decimal point.
QString Localised(QString germanNumberText);

// While it lives, no file of this process may grow beyond `bytes`: a write past it fails as on a
// full disk. Works for root too, where write protection does not.
class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(long bytes);
    ~TFileSizeLimit();
    TFileSizeLimit(const TFileSizeLimit &) = delete;
    TFileSizeLimit &operator=(const TFileSizeLimit &) = delete;

private:
    long m_previousSoft;
    long m_previousHard;
};

// Shots in QCOMPARE failures and as columns of data tables.
char *toString(const TYSchuss &shot);
Q_DECLARE_METATYPE(TYSchuss)
