#include "testsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run Tool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(TARVENN_TOOLS_DIR "/tarvenn-tool"), args);
    if (!p.waitForFinished(30000))
        qFatal("tarvenn-tool did not finish");
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

// The command-line companion, run as the separate program it is.
class TestTarvennTool : public QObject
{
    Q_OBJECT

private slots:
    void showPrintsBothTeamsAsTheWindowDoes_data();
    void showPrintsBothTeamsAsTheWindowDoes();
    void sortWritesSortedCopyAndKeepsTenths();
    void exportOnlineWritesFileAndWarns();
    void checkReportsProblemsWithExitCode();
    void wrongUse();
};

void TestTarvennTool::showPrintsBothTeamsAsTheWindowDoes_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole rings") << QStringList()
                                 << "Heim: SV Tell 1  379\n" // 378.5, half away from zero
                                    "  1  Zimmer, Uwe |   90   91 | 181\n"
                                    "  2  Groß, Anna |   99   99 | 198\n" // 98.5 shown as 99
                                    "  3* Ober, Kai |   95 |  95\n"
                                    "Gast: SG Nachbar   88\n"
                                    "  1  Gast, Gerd |   88 |  88\n"
                                    "  2   | |   0\n"
                                    "  3*  | |   0\n";
    QTest::newRow("tenth rings") << QStringList {"--zehntel"}
                                 << "Heim: SV Tell 1  378,5\n"
                                    "  1  Zimmer, Uwe |  90,0  91,0 | 181,0\n"
                                    "  2  Groß, Anna |  99,0  98,5 | 197,5\n"
                                    "  3* Ober, Kai |  95,0 | 95,0\n"
                                    "Gast: SG Nachbar  88,0\n"
                                    "  1  Gast, Gerd |  88,0 | 88,0\n"
                                    "  2   | | 0,0\n"
                                    "  3*  | | 0,0\n";
}

void TestTarvennTool::showPrintsBothTeamsAsTheWindowDoes()
{
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    const Run r = Tool(QStringList {"show", FixturePath("unsortiert.RW")} + options);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, expected);
}

void TestTarvennTool::sortWritesSortedCopyAndKeepsTenths()
{
    QTemporaryDir dir;
    const QString out = dir.filePath("sortiert.RW");
    QCOMPARE(Tool({"sort", FixturePath("unsortiert.RW"), out}).exitCode, 0);
    const Run shown = Tool({"show", out, "--zehntel"});
    QVERIFY2(shown.out.startsWith("Heim: SV Tell 1  378,5\n"
                                  "  1  Groß, Anna |  99,0  98,5 | 197,5\n"
                                  "  2  Zimmer, Uwe |  90,0  91,0 | 181,0\n"
                                  "  3* Ober, Kai |  95,0 | 95,0\n"),
             qPrintable(shown.out));
    const QByteArray bytes = ReadFileBytes(out);
    QVERIFY(bytes.contains("Schuss1_1=OK;10,4;25,00;12,0\r\n")); // moved with its shooter
    QVERIFY(bytes.contains("Vereinsname=SV Tell\r\nVereinnr=777\r\n"));
    QVERIFY(bytes.contains("NurEinzel3=Ja\r\n"));
}

void TestTarvennTool::exportOnlineWritesFileAndWarns()
{
    QTemporaryDir dir;
    const QString out = dir.filePath("RWKO.TXT");
    const Run r = Tool({"export-online", FixturePath("unsortiert.RW"), out});
    QCOMPARE(r.exitCode, 0);
    // Guest position 2 is empty: its pass number is not 8 characters long.
    QCOMPARE(r.err, QString("Achtung!! Ausweisnr  ist nicht 8-stellig\n"));
    const QList<QByteArray> lines = ReadFileBytes(out).split('\n');
    QCOMPARE(lines.size(), 43); // 42 lines and the empty rest after the last line end
    QCOMPARE(lines[0], QByteArray("11111111\r"));
    QCOMPARE(lines[3], QByteArray("198\r"));
    QCOMPARE(lines[14], QByteArray("3333\r")); // position 3 in the further slots
}

void TestTarvennTool::checkReportsProblemsWithExitCode()
{
    const Run good = Tool({"check", FixturePath("unsortiert.RW")});
    QCOMPARE(good.exitCode, 0);
    const Run bad = Tool({"check", FixturePath("kaputt.RW")});
    QCOMPARE(bad.exitCode, 1);
    QCOMPARE(bad.out, QString("[Heim] Schuss1_3: 'zehn' ist kein gültiger Gleitkommawert\n"));
    QCOMPARE(Tool({"check", "/gibt/es/nicht.RW"}).exitCode, 1);
}

void TestTarvennTool::wrongUse()
{
    QCOMPARE(Tool({}).exitCode, 2);
    const Run r = Tool({"zaubern"});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.startsWith("Unbekannter Befehl: zaubern\n"));
    QCOMPARE(Tool({"show"}).exitCode, 2);
    QCOMPARE(Tool({"show", FixturePath("kaputt.RW")}).exitCode, 1);
}

QTEST_GUILESS_MAIN(TestTarvennTool)
#include "tst_tarvenntool.moc"
