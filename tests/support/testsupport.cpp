#include "testsupport.h"

#include "base/cp1252.h"
#include "base/numberformat.h"

#include <QFile>
#include <QLocale>
#include <QTest>

QByteArray ReadFileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

void WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray WindowsText(const char *utf8)
{
    QString text = QString::fromUtf8(utf8);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\n', QLatin1String("\r\n"));
    return EncodeCp1252(text);
}

void UseTestLocale()
{
    const QString name = qEnvironmentVariable("TARVENN_TEST_LOCALE");
    QLocale::setDefault(name.isEmpty() ? QLocale(QLocale::German, QLocale::Germany)
                                       : QLocale(name));
}

QString Localised(QString germanNumberText)
{
    return germanNumberText.replace(u',', DecimalSeparator());
}

#include <csignal>
#include <sys/resource.h>

TFileSizeLimit::TFileSizeLimit(long bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit r {};
    getrlimit(RLIMIT_FSIZE, &r);
    m_previousSoft = long(r.rlim_cur);
    m_previousHard = long(r.rlim_max);
    r.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &r);
}

TFileSizeLimit::~TFileSizeLimit()
{
    rlimit r {rlim_t(m_previousSoft), rlim_t(m_previousHard)};
    setrlimit(RLIMIT_FSIZE, &r);
}

char *toString(const TYSchuss &shot)
{
    return qstrdup(QStringLiteral("{Teiler %1, Winkel %2, Ring %3, Status %4}")
                           .arg(double(shot.Teiler), 0, 'g', 9)
                           .arg(double(shot.Winkel), 0, 'g', 9)
                           .arg(double(shot.Ring), 0, 'g', 9)
                           .arg(shot.Status)
                           .toUtf8()
                           .constData());
}
