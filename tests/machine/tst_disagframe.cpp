#include "machine/disagframe.h"

#include <QTest>

// The DISAG line: the check byte and what one receive event takes from the buffer.
class TestDisagFrame : public QObject
{
    Q_OBJECT

private slots:
    void checkByte_data();
    void checkByte();
    void receiveStep_data();
    void receiveStep();
};

void TestDisagFrame::checkByte_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("check");
    QTest::newRow("above the control range") << QByteArray("S") << 0x53;
    QTest::newRow("xor 0x05 lifted to 0x25") << QByteArray("AD") << 0x25;
    QTest::newRow("xor 0 lifted to 0x20") << QByteArray("SS") << 0x20;
    QTest::newRow("xor 0x1F lifted to 0x3F") << QByteArray("@_") << 0x3F;
    QTest::newRow("empty command") << QByteArray() << 0x20;
    QTest::newRow("shot message") << QByteArray("WSC=1") << 0x4B;
}

void TestDisagFrame::checkByte()
{
    QFETCH(QByteArray, text);
    QFETCH(int, check);
    QCOMPARE(int(DisagCheckByte(text)), check);
    QCOMPARE(DisagFrame(text), text + char(check) + '\r');
}

void TestDisagFrame::receiveStep_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("rest");
    const QByteArray wsc = DisagFrame("WSC=1");
    QTest::newRow("ACK") << QByteArray("\x06") << int(TDisagRxStep::Ack) << QByteArray()
                         << QByteArray();
    QTest::newRow("ACK before the message with it")
            << ("\x06" + wsc) << int(TDisagRxStep::Ack) << QByteArray() << wsc;
    QTest::newRow("ACK found behind a message")
            << (wsc + "\x06") << int(TDisagRxStep::Ack) << QByteArray() << wsc;
    QTest::newRow("STX") << QByteArray("\x02") << int(TDisagRxStep::Stx) << QByteArray()
                         << QByteArray();
    QTest::newRow("message") << wsc << int(TDisagRxStep::Message) << QByteArray("WSC=1")
                             << QByteArray();
    QTest::newRow("message not complete") << QByteArray("WSC=") << int(TDisagRxStep::Nothing)
                                          << QByteArray() << QByteArray("WSC=");
    QTest::newRow("bad check byte refused")
            << QByteArray("WSC=1L\r") << int(TDisagRxStep::Refused) << QByteArray() << QByteArray();
    QTest::newRow("control byte in front is never a message")
            << ("\x05" + wsc) << int(TDisagRxStep::Nothing) << QByteArray() << ("\x05" + wsc);
    QTest::newRow("CR alone refused")
            << QByteArray("\r") << int(TDisagRxStep::Refused) << QByteArray() << QByteArray();
    QTest::newRow("two frames do not check")
            << (wsc + wsc) << int(TDisagRxStep::Refused) << QByteArray() << QByteArray();
}

void TestDisagFrame::receiveStep()
{
    QFETCH(QByteArray, buffer);
    QFETCH(int, kind);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, rest);
    const TDisagRxStep step = TakeDisagRxStep(buffer);
    QCOMPARE(int(step.kind), kind);
    QCOMPARE(step.message, message);
    QCOMPARE(buffer, rest);
}

QTEST_GUILESS_MAIN(TestDisagFrame)
#include "tst_disagframe.moc"
