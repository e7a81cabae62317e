#include "faketransport.h"
#include "machine/ansteuerung.h"
#include "machine/disagframe.h"

#include "base/configfolder.h"
#include "base/scripteddialogs.h"
#include "settings/setupdaten.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The driver on a fake line: the DISAG send and receive rules, the port listing, the abort, the
// trace. The dialogue with a simulated machine over a real line is tested elsewhere.
class TestAnsteuerung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void commandGoesWithHandshakeAndCheckByte();
    void fiveUnacknowledgedSends();
    void silentHandshakeTimesOut();
    void receiveRules();
    void ackAndMessageInOneChunk();
    void openFailureListsFreePorts();
    void openPortKeepsTheRateOfTheSamePort();
    void sendOnClosedPortAborts();
    void abortEndsTheWaitAtOnce();
    void unreadableRikaCountEndsTheReading();
    void traceRecordsEveryByte();

private:
    struct Rig
    {
        explicit Rig(const TTickClock &clock = SystemClock())
            : driver(std::make_unique<TCustomComm>(std::unique_ptr<TByteTransport>(line)), clock,
                     TMachineTiming {})
        {
            driver.StatusCallback = [this](const QString &text) {
                statuses.append(text);
            };
        }
        // A machine that answers ENQ with STX and, when `ack`, every frame with ACK.
        void Answer(bool ack)
        {
            line->onWrite = [this, ack](const QByteArray &bytes) {
                if (bytes == QByteArray(1, Ctl::ENQ))
                    line->Deliver(QByteArray(1, Ctl::STX));
                else if (ack && bytes.endsWith('\r'))
                    line->Deliver(QByteArray(1, Ctl::ACK));
            };
        }
        QList<QByteArray> Frames() const
        {
            QList<QByteArray> frames;
            for (const QByteArray &b : line->written) {
                if (b.endsWith('\r'))
                    frames.append(b);
            }
            return frames;
        }

        TFakeTransport *line = new TFakeTransport;
        TFRMAnsteuerung driver;
        QStringList statuses;
    };

    TScriptedDialogs m_dialogs;
    std::unique_ptr<TUserDialogsScope> m_scope;
};

void TestAnsteuerung::initTestCase()
{
    UseTestLocale();
    m_scope = std::make_unique<TUserDialogsScope>(m_dialogs);
}

void TestAnsteuerung::init()
{
    m_dialogs.Clear();
    Setupdaten() = tSetupdaten();
    Setupdaten().Schnittstelle = QStringLiteral("/dev/fake");
    Setupdaten().Ringlesegeraet = 1;
}

void TestAnsteuerung::commandGoesWithHandshakeAndCheckByte()
{
    Rig rig;
    rig.Answer(true);
    rig.driver.SendCommand(QStringLiteral("AD")); // XOR 0x05
    QCOMPARE(rig.line->written, QList<QByteArray>({"\x05", "AD\x25\r"}));
    QCOMPARE(rig.statuses, QStringList({QStringLiteral("Warten auf STX"), QString()}));
    QVERIFY(!rig.driver.AbortRequested);
    QVERIFY(m_dialogs.Messages().isEmpty());
}

void TestAnsteuerung::fiveUnacknowledgedSends()
{
    TFastClock clock(40);
    Rig rig(clock);
    rig.Answer(false);
    rig.driver.SendCommand(QStringLiteral("SNS=2"));
    QCOMPARE(rig.Frames().size(), 5);
    QCOMPARE(m_dialogs.Messages(), QStringList {QStringLiteral("Fehler In der Datenübertragung")});
}

void TestAnsteuerung::silentHandshakeTimesOut()
{
    TFastClock clock(10);
    Rig rig(clock);
    rig.driver.SendCommand(QStringLiteral("ABR"));
    QVERIFY(rig.driver.AbortRequested);
    QCOMPARE(rig.statuses.last(), QStringLiteral("Timeout"));
    QVERIFY(rig.Frames().isEmpty());
    // ENQ every 200 ms for 3 s.
    QVERIFY(rig.line->written.size() > 5);
    QVERIFY(rig.line->written.size() <= 16);
}

void TestAnsteuerung::receiveRules()
{
    Rig rig;
    rig.driver.OpenPort(br38400);
    rig.line->Deliver(DisagFrame("STA"));
    QTRY_VERIFY(rig.driver.MessageComplete);
    QCOMPARE(rig.driver.Received, QByteArray("STA"));
    QCOMPARE(rig.line->written, QList<QByteArray>({"\x06"}));

    rig.driver.MessageComplete = false;
    rig.line->Deliver("WSC=1L\r"); // wrong check byte
    QTRY_COMPARE(rig.line->written.size(), 2);
    QCOMPARE(rig.line->written.last(), QByteArray("\x15"));
    QVERIFY(!rig.driver.MessageComplete);
    QCOMPARE(rig.driver.Received, QByteArray("STA"));
}

void TestAnsteuerung::ackAndMessageInOneChunk()
{
    Rig rig;
    rig.driver.OpenPort(br38400);
    const QByteArray frame = DisagFrame("WSC=1");
    rig.line->Deliver(Ctl::ACK + frame);
    QTRY_VERIFY(rig.driver.AckSeen);
    QTest::qWait(10);
    // The message waits; nothing is acknowledged yet.
    QVERIFY(!rig.driver.MessageComplete);
    QVERIFY(rig.line->written.isEmpty());
    // The machine sends the message again: the two copies do not check, then one alone does.
    rig.line->Deliver(frame);
    QTRY_COMPARE(rig.line->written, QList<QByteArray>({"\x15"}));
    rig.line->Deliver(frame);
    QTRY_VERIFY(rig.driver.MessageComplete);
    QCOMPARE(rig.driver.Received, QByteArray("WSC=1"));
}

void TestAnsteuerung::openFailureListsFreePorts()
{
    Rig rig;
    rig.line->openResult = TTransportResult::Failure(2);
    rig.driver.SetPortLister([] { return QStringList {"COM1", "COM3"}; });
    rig.driver.OpenPort(br9600);
    QVERIFY(!rig.driver.Comm1().Connected());
    QCOMPARE(m_dialogs.Messages(),
             QStringList {QStringLiteral("Verfügbare Schnittstellen:  COM1 COM3")});
    QCOMPARE(rig.driver.Comm1().DeviceName(), QStringLiteral("/dev/fake"));
}

void TestAnsteuerung::openPortKeepsTheRateOfTheSamePort()
{
    Rig rig;
    rig.driver.OpenPort(br38400);
    rig.driver.OpenPort(br9600);
    QCOMPARE(rig.line->applied.baudRate, 38400);
    QCOMPARE(rig.driver.PortNumber, 2);
    // Another port: reopened at the new rate.
    Setupdaten().Schnittstelle = QStringLiteral("/dev/other");
    rig.driver.OpenPort(br9600);
    QCOMPARE(rig.line->openedDevice, QStringLiteral("/dev/other"));
    QCOMPARE(rig.line->applied.baudRate, 9600);
}

void TestAnsteuerung::sendOnClosedPortAborts()
{
    Rig rig;
    QVERIFY(!rig.driver.SendRaw("x"));
    QVERIFY(rig.driver.AbortRequested);
    QVERIFY(rig.line->written.isEmpty());
}

void TestAnsteuerung::abortEndsTheWaitAtOnce()
{
    // Time stands still: only the abort can end the handshake.
    TManualClock clock;
    Rig rig(clock);
    QTimer::singleShot(30, &rig.driver, &TFRMAnsteuerung::RequestAbort);
    // Should the abort not work, the time-out ends the test instead of hanging it.
    QTimer::singleShot(10000, [&clock] { clock.Advance(100000); });
    rig.driver.SendCommand(QStringLiteral("WID"));
    QCOMPARE(rig.statuses.last(), QStringLiteral("Benutzerabbruch"));
    QVERIFY(rig.Frames().isEmpty());
}

void TestAnsteuerung::unreadableRikaCountEndsTheReading()
{
    Setupdaten().Ringlesegeraet = 4;
    Rig rig;
    rig.driver.Rika = true;
    TSchussArray shots;
    shots[1].Ring = 9;
    int count = -1;
    rig.driver.ParseResults(QByteArray("\x06RK"), Sch_LP, shots, count);
    QCOMPARE(count, 0);
    QCOMPARE(shots[1], TYSchuss {});
    QVERIFY(rig.driver.AbortRequested);
    QCOMPARE(m_dialogs.Messages(),
             QStringList {QStringLiteral("Die Schusszahl im Ergebnis des RIKA-Ringlesegeräts ist "
                                         "nicht lesbar. Das Ringlesen wird abgebrochen.")});
}

void TestAnsteuerung::traceRecordsEveryByte()
{
    QTemporaryDir folder;
    const QString previous = ConfigFolder();
    SetConfigFolder(folder.path());
    Setupdaten().Datenprotokoll = true;
    {
        Rig rig;
        rig.Answer(true);
        rig.driver.OpenPort(br38400);
        rig.driver.SendCommand(QStringLiteral("S"));
    }
    SetConfigFolder(previous);
    const QString trace = QString::fromUtf8(ReadFileBytes(folder.filePath("Ringlesegeraet.log")));
    QVERIFY2(trace.contains(QStringLiteral("-> 05  |.|")), qPrintable(trace));
    QVERIFY(trace.contains(QStringLiteral("<- 02  |.|")));
    QVERIFY(trace.contains(QStringLiteral("-> 53 53 0D  |SS.|")));
    QVERIFY(trace.contains(QStringLiteral("<- 06  |.|")));
}

QTEST_GUILESS_MAIN(TestAnsteuerung)
#include "tst_ansteuerung.moc"
