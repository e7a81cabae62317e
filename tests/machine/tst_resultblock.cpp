#include "machine/resultblock.h"

#include "testsupport.h"

#include <QTest>

// The polled machines' result blocks and the angle of a position.
class TestResultBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UseTestLocale(); }
    void angle_data();
    void angle();
    void samBlock_data();
    void samBlock();
    void rikaCountAboveLimit();
    void samCheck_data();
    void samCheck();
    void rikaBlock_data();
    void rikaBlock();
    void rikaPrefix_data();
    void rikaPrefix();
    void decimalPointsFollowTheLocale();
};

namespace {

// A SAM shot: ring 1-4, Teiler 6-11, X 13-17, Y 19-23.
QByteArray SamShot(const char *ring, const char *teiler, const char *x, const char *y)
{
    return QByteArray(ring).rightJustified(4) + ' ' + QByteArray(teiler).rightJustified(6) + ' '
            + QByteArray(x).rightJustified(5) + ' ' + QByteArray(y).rightJustified(5) + ' ';
}

QByteArray SamHeader(const char *count)
{
    return QByteArray(29, '-') + count + ' ';
}

// A RIKA shot: ring 1-3, Teiler 5-9, X 11-16, Y 18-23.
QByteArray RikaShot(const char *ring, const char *teiler, const char *x, const char *y)
{
    return QByteArray(ring) + ' ' + QByteArray(teiler) + ' ' + QByteArray(x).rightJustified(6) + ' '
            + QByteArray(y).rightJustified(6) + ' ';
}

QByteArray RikaHeader(const char *count)
{
    return QByteArray(29, '-') + count + ' ';
}

} // namespace

void TestResultBlock::angle_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<float>("winkel");
    QTest::newRow("up right") << 1.0 << 1.0 << 45.0f;
    QTest::newRow("down right") << 1.0 << -1.0 << 135.0f;
    QTest::newRow("down left") << -1.0 << -1.0 << 225.0f;
    QTest::newRow("up left") << -1.0 << 1.0 << 315.0f;
    QTest::newRow("straight down") << 0.0 << -5.0 << 180.0f;
    QTest::newRow("straight up") << 0.0 << 5.0 << 0.0f;
    QTest::newRow("left") << -3.0 << 0.0 << 270.0f;
    QTest::newRow("right") << 3.0 << 0.0 << 90.0f;
    QTest::newRow("centre") << 0.0 << 0.0 << 90.0f;
}

void TestResultBlock::angle()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(float, winkel);
    QCOMPARE(WinkelAusPosition(x, y), winkel);
}

void TestResultBlock::samBlock_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("shot");
    QTest::addColumn<float>("ring");
    QTest::addColumn<float>("teiler");
    QTest::addColumn<float>("winkel");
    QTest::addColumn<int>("status");
    const QByteArray two = SamHeader("02") + SamShot("10,4", "12,3", "0", "50")
            + SamShot("9,7", "88,5", "50", "50");
    QTest::newRow("first shot") << two << int(Sch_LP) << 2 << 1 << 10.4f << 12.3f << 0.0f << 1;
    QTest::newRow("second shot") << two << int(Sch_LP) << 2 << 2 << 9.7f << 88.5f << 45.0f << 1;
    // On a strip (X, Y) becomes (-Y, X): (0, 50) points left.
    QTest::newRow("strip turned") << two << int(Sch_LG10) << 2 << 1 << 10.4f << 12.3f << 270.0f
                                  << 1;
    QTest::newRow("unreadable ring and Teiler")
            << (SamHeader("01") + SamShot("x", "y", "10", "0")) << int(Sch_LP) << 1 << 1 << 0.0f
            << 100000.0f << 90.0f << 1;
    QTest::newRow("unreadable position") << (SamHeader("01") + SamShot("9,0", "40", "ab", "3"))
                                         << int(Sch_LP) << 1 << 1 << 9.0f << 40.0f << 0.0f << 5;
    QTest::newRow("unreadable count") << (SamHeader("??") + SamShot("9,0", "40", "1", "3"))
                                      << int(Sch_LP) << 0 << 1 << 0.0f << 0.0f << 0.0f << 0;
}

void TestResultBlock::samBlock()
{
    QFETCH(QByteArray, block);
    QFETCH(int, type);
    QFETCH(int, count);
    QFETCH(int, shot);
    QFETCH(float, ring);
    QFETCH(float, teiler);
    QFETCH(float, winkel);
    QFETCH(int, status);
    TSchussArray shots;
    QCOMPARE(ParseSam(block, TypeScheiben(type), shots), count);
    QCOMPARE(shots[shot].Ring, ring);
    QCOMPARE(shots[shot].Teiler, teiler);
    QCOMPARE(shots[shot].Winkel, winkel);
    QCOMPARE(int(shots[shot].Status), status);
}

void TestResultBlock::rikaCountAboveLimit()
{
    // Three digits can announce more shots than the 120 records hold.
    TSchussArray shots;
    QByteArray block = RikaHeader("999");
    for (int i = 0; i < 130; ++i)
        block += RikaShot("100", "00100", "0", "10");
    QCOMPARE(ParseRika(block, shots), std::optional<int>(120));
    QCOMPARE(int(shots[120].Status), 1);
}

void TestResultBlock::samCheck_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<bool>("ok");
    QTest::newRow("check not lifted") << QByteArray("\x02"
                                                    "AB"
                                                    "\x01"
                                                    "$")
                                      << true;
    QTest::newRow("lifted check is wrong") << QByteArray("\x02"
                                                         "AB"
                                                         "\x21"
                                                         "$")
                                           << false;
    QTest::newRow("too short") << QByteArray("$") << false;
}

void TestResultBlock::samCheck()
{
    QFETCH(QByteArray, block);
    QFETCH(bool, ok);
    QCOMPARE(SamBlockCheckOk(block), ok);
}

void TestResultBlock::rikaBlock_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("count");
    QTest::addColumn<float>("ring");
    QTest::addColumn<float>("teiler");
    QTest::addColumn<float>("winkel");
    QTest::addColumn<int>("status");
    QTest::newRow("shot") << (RikaHeader("001") + RikaShot("104", "01235", "-40", "-40")) << 1
                          << 10.4f << 123.5f << 225.0f << 1;
    QTest::newRow("centre gives 90") << (RikaHeader("001") + RikaShot("109", "00000", "0", "0"))
                                     << 1 << 10.9f << 0.0f << 90.0f << 1;
    QTest::newRow("unreadable field") << (RikaHeader("001") + RikaShot("1x4", "01235", "1", "1"))
                                      << 1 << 0.0f << 123.5f << 0.0f << 5;
    QTest::newRow("count 0") << RikaHeader("000") << 0 << 0.0f << 0.0f << 0.0f << 0;
}

void TestResultBlock::rikaBlock()
{
    QFETCH(QByteArray, block);
    QFETCH(int, count);
    QFETCH(float, ring);
    QFETCH(float, teiler);
    QFETCH(float, winkel);
    QFETCH(int, status);
    TSchussArray shots;
    QCOMPARE(ParseRika(block, shots), std::optional<int>(count));
    QCOMPARE(shots[1].Ring, ring);
    QCOMPARE(shots[1].Teiler, teiler);
    QCOMPARE(shots[1].Winkel, winkel);
    QCOMPARE(int(shots[1].Status), status);
}

void TestResultBlock::rikaPrefix_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("ACK and prefix go") << QByteArray("\x06RK2\x01"
                                                     "HEAD")
                                       << QByteArray("HEAD");
    QTest::newRow("prefix without ACK") << QByteArray("RK2\x01"
                                                      "HEAD")
                                        << QByteArray("HEAD");
    QTest::newRow("no prefix") << QByteArray("\x06RK23HEAD") << QByteArray("RK23HEAD");
    QTest::newRow("4 bytes stay") << QByteArray("\x06RK\x01") << QByteArray("\x06RK\x01");
}

void TestResultBlock::rikaPrefix()
{
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, block);
    StripRikaPrefix(received);
    QCOMPARE(received, block);
    // A block of 4 bytes or fewer has no count.
    TSchussArray shots;
    if (received.size() <= 4)
        QVERIFY(!ParseRika(received, shots));
}

void TestResultBlock::decimalPointsFollowTheLocale()
{
    QByteArray block("10.4  12.3");
    LocaliseDecimalPoints(block);
    QCOMPARE(QString::fromLatin1(block), Localised(QStringLiteral("10,4  12,3")));
}

QTEST_GUILESS_MAIN(TestResultBlock)
#include "tst_resultblock.moc"
