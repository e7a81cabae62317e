#include "machine/ansteuerung.h"
#include "machine/shotmessage.h"

#include "base/scripteddialogs.h"
#include "settings/setupdaten.h"
#include "testsupport.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

// The driver against the machine simulator over a real pseudo-terminal.
class TestMachineSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void disagStartUpToInitialised();
    void disagLoadsTheMachineSoftware();
    void silentMachineFailsTheStart();
    void refusedFramesGiveUpAfterFiveSends();
    void lineFaultsStillDeliverTheMessage_data();
    void lineFaultsStillDeliverTheMessage();
    void samBlockReceivedCheckedParsed();
    void rikaBlockReceivedCheckedParsed();
    void abortEndsAPollingWait();

private:
    TScriptedDialogs m_dialogs;
    std::unique_ptr<TUserDialogsScope> m_scope;
};

namespace {

// The simulator as a child process; its device becomes the configured port.
class TSimulator
{
public:
    explicit TSimulator(const QStringList &args)
    {
        m_process.setProgram(QStringLiteral(TARVENN_TOOLS_DIR "/tarvenn-ringsim"));
        m_process.setArguments(args);
        m_process.start();
        if (m_process.waitForReadyRead(20000))
            m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        Setupdaten().Schnittstelle = m_device;
    }
    ~TSimulator()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    QString Device() const { return m_device; }
    // What the simulator logged so far: "< " what it took, "> " what it sent.
    QString Log()
    {
        m_log += QString::fromUtf8(m_process.readAllStandardOutput());
        return m_log;
    }

private:
    QProcess m_process;
    QString m_device;
    QString m_log;
};

const TMachineTiming DefaultTiming {};

std::unique_ptr<TFRMAnsteuerung> Driver(const TTickClock &clock = SystemClock())
{
    return std::make_unique<TFRMAnsteuerung>(std::make_unique<TComm>(), clock, DefaultTiming);
}

// The next DISAG message, acknowledged by the driver.
QByteArray NextMessage(TFRMAnsteuerung &driver)
{
    driver.MessageComplete = false;
    if (!driver.Wait([&] { return driver.MessageComplete; }, driver.Clock().Now() + 10000))
        return QByteArray("(nichts)");
    return driver.Received;
}

} // namespace

void TestMachineSim::initTestCase()
{
    UseTestLocale();
    m_scope = std::make_unique<TUserDialogsScope>(m_dialogs);
}

void TestMachineSim::init()
{
    m_dialogs.Clear();
    Setupdaten() = tSetupdaten();
    Setupdaten().Ringlesegeraet = 1;
}

void TestMachineSim::disagStartUpToInitialised()
{
    TSimulator sim({"--series", "10.4/123.5/45/G,9.7/200/300/K"});
    QVERIFY(!sim.Device().isEmpty());
    auto driver = Driver();
    QVERIFY(driver->StartMachine(QStringLiteral("SCH=LG10;SSC=1;SZI=10;SGE=2;")));
    QVERIFY(driver->Initialised);
    QVERIFY(!driver->AbortRequested);
    QCOMPARE(driver->Comm1().BaudRate(), br38400);
    QCOMPARE(NextMessage(*driver), QByteArray("WSC=1"));
    QCOMPARE(NextMessage(*driver), QByteArray("STA"));
    int index = 0;
    TYSchuss shot = DecodeShotMessage(NextMessage(*driver), Sch_LG10, index);
    QCOMPARE(index, 1);
    QCOMPARE(shot, (TYSchuss {123.5f, 45.0f, 10.4f, 1}));
    QCOMPARE(NextMessage(*driver), QByteArray("WSC=1"));
    QCOMPARE(NextMessage(*driver), QByteArray("STA"));
    const QByteArray last = NextMessage(*driver);
    QVERIFY(last.contains("WSE"));
    shot = DecodeShotMessage(last, Sch_LG10, index);
    QCOMPARE(index, 2);
    QCOMPARE(shot, (TYSchuss {200.0f, 300.0f, 9.7f, 0x15}));
    QVERIFY(m_dialogs.Messages().isEmpty());
    QVERIFY(sim.Log().contains(QStringLiteral("< S\n")));
}

void TestMachineSim::disagLoadsTheMachineSoftware()
{
    TSimulator sim({"--needs-loading"});
    TFastClock clock(10);
    auto driver = Driver(clock);
    QVERIFY(driver->StartMachine(QStringLiteral("SCH=LP;SSC=1;SZI=10;SGE=10;")));
    QVERIFY(driver->Initialised);
    QVERIFY(m_dialogs.Messages().isEmpty());
    const QString log = sim.Log();
    QVERIFY2(log.contains(QStringLiteral("< W (Laden, 2400 Bit/s)")), qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("< SCH=LP;SSC=1;SZI=10;SGE=10;")));
    QCOMPARE(driver->Comm1().BaudRate(), br38400);
}

void TestMachineSim::silentMachineFailsTheStart()
{
    TSimulator sim({"--silent"});
    TFastClock clock(20);
    auto driver = Driver(clock);
    QVERIFY(!driver->StartMachine(QStringLiteral("SCH=LP;")));
    QVERIFY(!driver->Initialised);
    QCOMPARE(m_dialogs.Messages(),
             QStringList {QStringLiteral(
                     "Das Ringlesegerät meldet sich nicht!! Mögliche Ursachen sind:\n\r"
                     "Falsche Gerätesoftware ist im Gerät.\n\r"
                     "RMIII steht nicht auf Fern.\n\r"
                     "Falsche COM-Schnittstelle unter Optionen eingestellt.\n\r"
                     "COM-Schnittstelle wird von einer anderen Software benutzt.")});
    QVERIFY(!driver->Comm1().Connected());
}

void TestMachineSim::refusedFramesGiveUpAfterFiveSends()
{
    TSimulator sim({"--nak", "-1"});
    TFastClock clock(5);
    auto driver = Driver(clock);
    driver->OpenPort(br38400);
    driver->SendCommand(QStringLiteral("SNS=3"));
    QCOMPARE(m_dialogs.Messages(), QStringList {QStringLiteral("Fehler In der Datenübertragung")});
    QTRY_COMPARE(sim.Log().count(QStringLiteral("< (abgelehnt) SNS=3")), 5);
}

void TestMachineSim::lineFaultsStillDeliverTheMessage_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::newRow("wrong check byte, sent again") << QStringList {"--bad-check", "2"};
    QTest::newRow("frames in pieces") << QStringList {"--split"};
    QTest::newRow("ACK and message in one chunk") << QStringList {"--ack-joined"};
}

void TestMachineSim::lineFaultsStillDeliverTheMessage()
{
    QFETCH(QStringList, faults);
    TSimulator sim(faults + QStringList {"--series", "9.9/80/90"});
    auto driver = Driver();
    driver->OpenPort(br38400);
    driver->SendCommand(QStringLiteral("SCH=LP;SSC=1;SZI=10;SGE=1;"));
    QVERIFY(m_dialogs.Messages().isEmpty());
    QCOMPARE(NextMessage(*driver), QByteArray("WSC=1"));
    QCOMPARE(NextMessage(*driver), QByteArray("STA"));
    QCOMPARE(NextMessage(*driver), QByteArray("SCH=1;9.9;80.0;90.0;G;WSE"));
}

void TestMachineSim::samBlockReceivedCheckedParsed()
{
    Setupdaten().Ringlesegeraet = 3;
    TSimulator sim({"--machine", "sam", "--per-target", "2", "--bad-check", "1", "--series",
                    "10.4/100/45,9.7/200/180"});
    auto driver = Driver();
    QVERIFY(driver->StartMachine(QString()));
    QVERIFY(driver->SamFamily);
    QVERIFY(driver->RemoteStarted);
    driver->ReceiveResults();
    QVERIFY(!driver->AbortRequested);
    QVERIFY(driver->Received.contains(Localised(QStringLiteral("10,4")).toLatin1()));
    TSchussArray shots;
    int count = 0;
    driver->ParseResults(driver->Received, Sch_LP, shots, count);
    QCOMPARE(count, 2);
    QCOMPARE(shots[1], (TYSchuss {100.0f, 45.0f, 10.4f, 1}));
    QCOMPARE(shots[2], (TYSchuss {200.0f, 180.0f, 9.7f, 1}));
    // The block with the wrong check was refused and sent again.
    QTRY_COMPARE(sim.Log().count(QStringLiteral("> Block 1..2")), 2);
    QTRY_VERIFY(sim.Log().contains(QStringLiteral("< bestätigt")));
}

void TestMachineSim::rikaBlockReceivedCheckedParsed()
{
    Setupdaten().Ringlesegeraet = 4;
    TSimulator sim(
            {"--machine", "rika", "--per-target", "2", "--series", "10.4/123.5/90,8.1/700/270"});
    auto driver = Driver();
    QVERIFY(driver->StartMachine(QStringLiteral("\x1bZ2\r")));
    QVERIFY(driver->Rika);
    QVERIFY(m_dialogs.Messages().isEmpty()); // the wake-up was answered
    driver->ReceiveResults();
    TSchussArray shots;
    int count = 0;
    driver->ParseResults(driver->Received, Sch_LP, shots, count);
    QCOMPARE(count, 2);
    QCOMPARE(shots[1], (TYSchuss {123.5f, 90.0f, 10.4f, 1}));
    QCOMPARE(shots[2], (TYSchuss {700.0f, 270.0f, 8.1f, 1}));
    QTRY_VERIFY(sim.Log().contains(QStringLiteral("< Start Z2")));
    QTRY_VERIFY(sim.Log().contains(QStringLiteral("< bestätigt")));
}

void TestMachineSim::abortEndsAPollingWait()
{
    // A SAM machine that never has a target polls until the user aborts.
    Setupdaten().Ringlesegeraet = 3;
    TSimulator sim({"--machine", "sam", "--silent"});
    auto driver = Driver();
    driver->StartMachine(QString());
    bool rescued = false;
    QTimer::singleShot(100, driver.get(), &TFRMAnsteuerung::RequestAbort);
    QTimer::singleShot(20000, driver.get(), [&] {
        rescued = true;
        driver->Comm1().Close();
    });
    driver->ReceiveResults();
    QVERIFY(driver->AbortRequested);
    QVERIFY(!rescued);
}

QTEST_GUILESS_MAIN(TestMachineSim)
#include "tst_machinesim.moc"
