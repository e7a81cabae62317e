#include "faketransport.h"
#include "machine/comm.h"
#include "machine/commerror.h"
#include "machine/commtrace.h"

#include <QSignalSpy>
#include <QTest>

// The port on a fake transport: its rules, its errors, and the dispatch of line events.
class TestComm : public QObject
{
    Q_OBJECT

private slots:
    void errorMessageCarriesCode_data();
    void errorMessageCarriesCode();
    void openFailuresRaiseTheirTexts_data();
    void openFailuresRaiseTheirTexts();
    void openTwiceIsRefused();
    void settingsFixedWhileOpen();
    void lineSettingsApplyWhenOpen();
    void flowControlNoneDropsTheLines();
    void rtsWithoutModemLinesIsNoFailure();
    void closedPortAnswersWithoutRaising();
    void rxCharGetsTheQueueAtDispatch();
    void handlersNeverNest();
    void handlerErrorIsKeptForTheWaiter();
    void traceLineShowsHexAndText();

private:
    struct Port
    {
        TFakeTransport *line = new TFakeTransport;
        TCustomComm comm {std::unique_ptr<TByteTransport>(line)};
    };
};

void TestComm::errorMessageCarriesCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("own") << "Port already assigned (open)" << -1
                         << "Port already assigned (open) (Error: -1) ";
    QTest::newRow("system") << "Zugriff auf die Serielle Schnittstelle fehlgeschlagen" << 2
                            << "Zugriff auf die Serielle Schnittstelle fehlgeschlagen (Error: 2) ";
}

void TestComm::errorMessageCarriesCode()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(QString, message);
    const ECommError e(text, code);
    QCOMPARE(e.ErrorCode(), code);
    QCOMPARE(e.Message(), message);
    QCOMPARE(QString::fromUtf8(e.what()), message);
}

void TestComm::openFailuresRaiseTheirTexts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("inApply");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("leftOpen");
    QTest::newRow("no device")
            << int(TTransportResult::Failed) << false
            << "Zugriff auf die Serielle Schnittstelle fehlgeschlagen (Error: 2) " << false;
    QTest::newRow("no character device")
            << int(TTransportResult::NotCharDevice) << false
            << "Invalid device handle, access denied (Error: -1) " << false;
    QTest::newRow("line settings refused") << int(TTransportResult::Failed) << true
                                           << "Error updating DataControlBlock (Error: 2) " << true;
}

void TestComm::openFailuresRaiseTheirTexts()
{
    QFETCH(int, kind);
    QFETCH(bool, inApply);
    QFETCH(QString, message);
    QFETCH(bool, leftOpen);
    Port p;
    const TTransportResult failure {TTransportResult::Kind(kind), 2};
    (inApply ? p.line->applyResult : p.line->openResult) = failure;
    try {
        p.comm.Open();
        QFAIL("Open did not raise");
    } catch (const ECommError &e) {
        QCOMPARE(e.Message(), message);
    }
    // After a failure past the opening the caller closes the port itself.
    QCOMPARE(p.comm.Connected(), leftOpen);
}

void TestComm::openTwiceIsRefused()
{
    Port p;
    p.comm.Open();
    QCOMPARE(p.line->openedDevice, QStringLiteral("Com2"));
    try {
        p.comm.Open();
        QFAIL("second Open did not raise");
    } catch (const ECommError &e) {
        QCOMPARE(e.ErrorCode(), -1);
        QCOMPARE(e.Message(), QStringLiteral("Port already assigned (open) (Error: -1) "));
    }
}

void TestComm::settingsFixedWhileOpen()
{
    Port p;
    p.comm.Open();
    p.comm.SetDeviceName(QStringLiteral("Com2")); // unchanged: no error
    QVERIFY_THROWS_EXCEPTION(ECommError, p.comm.SetDeviceName(QStringLiteral("COM3")));
    QVERIFY_THROWS_EXCEPTION(ECommError, p.comm.SetReadBufSize(100));
    QVERIFY_THROWS_EXCEPTION(ECommError, p.comm.SetWriteBufSize(100));
    QVERIFY_THROWS_EXCEPTION(ECommError, p.comm.SetMonitorEvents(evRxChar));
    QCOMPARE(p.comm.DeviceName(), QStringLiteral("Com2"));
    p.comm.Close();
    p.comm.SetDeviceName(QStringLiteral("COM3"));
    QCOMPARE(p.comm.DeviceName(), QStringLiteral("COM3"));
}

void TestComm::lineSettingsApplyWhenOpen()
{
    Port p;
    p.comm.SetBaudRate(br38400); // closed: only stored
    QCOMPARE(p.line->applyCount, 0);
    p.comm.Open();
    QCOMPARE(p.line->applied.baudRate, 38400);
    const int applied = p.line->applyCount;
    p.comm.SetBaudRate(br38400); // the same value: nothing happens
    QCOMPARE(p.line->applyCount, applied);
    p.comm.SetBaudRate(br2400);
    QCOMPARE(p.line->applied.baudRate, 2400);
    p.comm.EventChars().SetXonChar(17); // unchanged
    QCOMPARE(p.line->applyCount, applied + 1);
    p.comm.EventChars().SetEvtChar(13);
    QCOMPARE(p.line->applyCount, applied + 2);
}

void TestComm::flowControlNoneDropsTheLines()
{
    Port p;
    p.comm.SetFlowControl(fcNone);
    p.comm.Open();
    QVERIFY(!p.line->rts);
    QVERIFY(!p.line->dtr);
    p.comm.SetRTSState(true);
    QVERIFY(p.line->rts);
}

void TestComm::rtsWithoutModemLinesIsNoFailure()
{
    Port p;
    p.line->modemLines = false;
    p.comm.Open();
    p.comm.SetRTSState(true); // a pseudo-terminal: nothing to raise, no error
    p.comm.Close();
    try {
        p.comm.SetRTSState(true);
        QFAIL("RTS on a closed port did not raise");
    } catch (const ECommError &e) {
        QCOMPARE(e.Message(),
                 QStringLiteral("Port not open, unable to complete operation (Error: -1) "));
    }
}

void TestComm::closedPortAnswersWithoutRaising()
{
    Port p;
    QCOMPARE(p.comm.OutQueueCount(), -1);
    p.comm.Close();
    p.comm.Open();
    p.line->outQueue = 7;
    QCOMPARE(p.comm.OutQueueCount(), 7);
}

void TestComm::rxCharGetsTheQueueAtDispatch()
{
    Port p;
    QList<int> counts;
    p.comm.OnRxChar = [&](TCustomComm &, int count) {
        counts.append(count);
    };
    p.comm.Open();
    p.line->Deliver("ab");
    p.line->Deliver("c"); // before the dispatch ran: one event with all three
    QTRY_COMPARE(counts, QList<int>({3}));
    // An event whose bytes are gone by the dispatch calls nobody.
    p.line->Deliver("d");
    p.line->input.clear();
    QTest::qWait(20);
    QCOMPARE(counts, QList<int>({3}));
}

void TestComm::handlersNeverNest()
{
    Port p;
    int depth = 0, deepest = 0, calls = 0;
    p.comm.OnRxChar = [&](TCustomComm &sender, int count) {
        ++depth;
        ++calls;
        deepest = qMax(deepest, depth);
        QByteArray bytes;
        sender.Read(bytes, count);
        if (bytes == "first") {
            // A handler that waits: bytes arriving meanwhile wait for it to return.
            p.line->Deliver("second");
            QTest::qWait(20);
        }
        --depth;
    };
    p.comm.Open();
    p.line->Deliver("first");
    QTRY_COMPARE(calls, 2);
    QCOMPARE(deepest, 1);
}

void TestComm::handlerErrorIsKeptForTheWaiter()
{
    Port p;
    p.comm.OnRxChar = [](TCustomComm &, int) {
        throw ECommError(QStringLiteral("Read error"), 5);
    };
    p.comm.Open();
    p.line->Deliver("x");
    QTest::qWait(20); // the event loop survived the handler
    try {
        p.comm.RethrowHandlerError();
        QFAIL("the handler's error was lost");
    } catch (const ECommError &e) {
        QCOMPARE(e.ErrorCode(), 5);
    }
    p.comm.RethrowHandlerError(); // raised once only
}

void TestComm::traceLineShowsHexAndText()
{
    const QDateTime t(QDate(2024, 3, 9), QTime(19, 5, 7, 42));
    QCOMPARE(FormatTraceLine(t, "->", QByteArray("\x05S!\r", 4)),
             QStringLiteral("2024-03-09 19:05:07.042 -> 05 53 21 0D  |.S!.|"));
}

QTEST_GUILESS_MAIN(TestComm)
#include "tst_comm.moc"
