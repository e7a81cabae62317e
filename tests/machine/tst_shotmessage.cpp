#include "machine/shotmessage.h"

#include "testsupport.h"

#include <QTest>

// A DISAG shot message decoded into a shot record.
class TestShotMessage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UseTestLocale(); }
    void decode_data();
    void decode();
};

void TestShotMessage::decode_data()
{
    const float ring0 = GetTeiler(GetScheibenmasse(Sch_LG10), 0);
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("ring");
    QTest::addColumn<float>("teiler");
    QTest::addColumn<float>("winkel");
    QTest::addColumn<int>("status");
    // The index starts at 99: an unreadable shot number leaves it there.
    QTest::newRow("good shot, angle above 359")
            << QByteArray("SCH=3;10.4;123.5;400;G") << 3 << 10.4f << 123.5f << 0.0f << 1;
    QTest::newRow("ring 0 gets the Teiler of ring 0")
            << QByteArray("SCH=4;0;0;0;U") << 4 << 0.0f << ring0 << 45.0f << 0x35;
    QTest::newRow("to be confirmed")
            << QByteArray("SCH=5;9.1;310;12.5;K") << 5 << 9.1f << 310.0f << 12.5f << 0x15;
    QTest::newRow("end of series behind the shot")
            << QByteArray("SCH=40;8.7;600.2;359;G;WSE") << 40 << 8.7f << 600.2f << 359.0f << 1;
    QTest::newRow("comma as separator")
            << QByteArray("SCH=6;10,1;80,5;90;G") << 6 << 10.1f << 80.5f << 90.0f << 1;
    QTest::newRow("no status letter")
            << QByteArray("SCH=7;9.5;200;30") << 7 << 9.5f << 200.0f << 30.0f << 0x35;
    QTest::newRow("other status letter")
            << QByteArray("SCH=8;9.5;200;30;X") << 8 << 9.5f << 200.0f << 30.0f << 0x35;
    QTest::newRow("text in front of SCH=")
            << QByteArray("xxSCH=9;9.5;200;30;G") << 9 << 9.5f << 200.0f << 30.0f << 1;
    QTest::newRow("unreadable ring keeps the index")
            << QByteArray("SCH=10;a;200;30;G") << 10 << 0.0f << 5000.0f << 0.0f << 0x35;
    QTest::newRow("unreadable angle")
            << QByteArray("SCH=11;9.5;200;;G") << 11 << 0.0f << 5000.0f << 0.0f << 0x35;
    QTest::newRow("unreadable shot number")
            << QByteArray("SCH=x;9.5;200;30;G") << 99 << 0.0f << 5000.0f << 0.0f << 0x35;
    QTest::newRow("no SCH= at all") << QByteArray("WSE") << 99 << 0.0f << 5000.0f << 0.0f << 0x35;
}

void TestShotMessage::decode()
{
    QFETCH(QByteArray, message);
    QFETCH(int, index);
    QFETCH(float, ring);
    QFETCH(float, teiler);
    QFETCH(float, winkel);
    QFETCH(int, status);
    int shotIndex = 99;
    const TYSchuss shot = DecodeShotMessage(message, Sch_LG10, shotIndex);
    QCOMPARE(shotIndex, index);
    QCOMPARE(shot.Ring, ring);
    QCOMPARE(shot.Teiler, teiler);
    QCOMPARE(shot.Winkel, winkel);
    QCOMPARE(int(shot.Status), status);
}

QTEST_GUILESS_MAIN(TestShotMessage)
#include "tst_shotmessage.moc"
