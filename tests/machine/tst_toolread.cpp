#include <QProcess>
#include <QTest>

// "tarvenn-tool read", the connection test, against the simulator.
class TestToolRead : public QObject
{
    Q_OBJECT

private slots:
    void printsTheShotsTheMachineReports_data();
    void printsTheShotsTheMachineReports();
    void silentMachineEndsWithExitCode1();
    void unknownMachineIsAUsageError();
};

namespace {

const char *const Series = "10.4/123.5/45/G,9.7/200/300/K";

struct TRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Starts the simulator, then the tool on its device.
TRun ReadFromSimulator(const QStringList &simArgs, const QStringList &toolArgs)
{
    QProcess sim;
    sim.start(QStringLiteral(TARVENN_TOOLS_DIR "/tarvenn-ringsim"), simArgs);
    TRun run;
    if (!sim.waitForReadyRead(20000))
        return run;
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    QProcess tool;
    tool.start(QStringLiteral(TARVENN_TOOLS_DIR "/tarvenn-tool"),
               QStringList {"read", "--device", device} + toolArgs);
    tool.waitForFinished(60000);
    run.exitCode = tool.exitCode();
    // The numbers follow the locale of the process: compare them with a point.
    run.out = QString::fromUtf8(tool.readAllStandardOutput()).replace(u',', u'.');
    run.err = QString::fromUtf8(tool.readAllStandardError());
    sim.terminate();
    sim.waitForFinished(5000);
    return run;
}

} // namespace

void TestToolRead::printsTheShotsTheMachineReports_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QStringList>("toolArgs");
    QTest::addColumn<QString>("out");
    const QString two = QStringLiteral("1  Ring 10.4  Teiler 123.50  Winkel 45.0  Status 1\n"
                                       "2  Ring 9.7  Teiler 200.00  Winkel 300.0  Status %1\n");
    QTest::newRow("DISAG until WSE")
            << QStringList {"--series", Series}
            << QStringList {"--machine", "RM3U", "--param", "SCH=LG10;SSC=1;SZI=2;SGE=2;",
                            "--timeout", "10"}
            << two.arg(21);
    QTest::newRow("SAM strip, two blocks")
            << QStringList {"--machine", "sam", "--strip", "--series", Series}
            << QStringList {"--machine", "SAM", "--param",   "SCH=LG10;",
                            "--shots",   "2",   "--timeout", "10"}
            << two.arg(1);
    QTest::newRow("RIKA, one block")
            << QStringList {"--machine", "rika", "--per-target", "2", "--series", Series}
            << QStringList {"--machine", "RIKA", "--param",   "SCH=LP;",
                            "--shots",   "2",    "--timeout", "10"}
            << two.arg(1);
}

void TestToolRead::printsTheShotsTheMachineReports()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QStringList, toolArgs);
    QFETCH(QString, out);
    const TRun run = ReadFromSimulator(simArgs, toolArgs);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, out);
}

void TestToolRead::silentMachineEndsWithExitCode1()
{
    const TRun run = ReadFromSimulator({"--silent"}, {"--machine", "RM2/RM3", "--timeout", "1"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(QStringLiteral("Das Ringlesegerät meldet sich nicht!!")),
             qPrintable(run.err));
    QVERIFY(run.err.contains(QStringLiteral("Das Ringlesegerät antwortet nicht")));
}

void TestToolRead::unknownMachineIsAUsageError()
{
    const TRun run = ReadFromSimulator({}, {"--machine", "RM5"});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains(QStringLiteral("Unbekanntes Ringlesegerät: RM5")));
}

QTEST_GUILESS_MAIN(TestToolRead)
#include "tst_toolread.moc"
