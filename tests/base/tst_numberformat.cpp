#include "base/numberformat.h"
#include "testsupport.h"

#include <QTest>

// Expected texts are written with the German comma; Localised() turns them into the form of the
// locale the test runs under.
class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UseTestLocale(); }
    void ringFormat_data();
    void ringFormat();
    void general_data();
    void general();
    void teilerAndWinkel_data();
    void teilerAndWinkel();
    void parseReal_data();
    void parseReal();
    void parseInteger_data();
    void parseInteger();
};

void TestNumberFormat::ringFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    const double tenthSum = double(10.4f) + double(10.4f) + double(10.2f);
    QTest::newRow("half away from zero") << "%3.0f" << 372.5 << "373";
    QTest::newRow("10.5 up, not to even") << "%3.0f" << 10.5 << " 11";
    QTest::newRow("9.5 up") << "%3.0f" << 9.5 << " 10";
    QTest::newRow("two leading blanks") << "%3.0f" << 9.4 << "  9";
    QTest::newRow("zero") << "%3.0f" << 0.0 << "  0";
    QTest::newRow("wider than three") << "%3.0f" << 1234.5 << "1235";
    QTest::newRow("tenth sum whole") << "%3.0f" << tenthSum << " 31";
    QTest::newRow("tenth sum tenths") << "%3.1f" << tenthSum << "31,0";
    QTest::newRow("one decimal") << "%3.1f" << 372.5 << "372,5";
    QTest::newRow("rounds up a tenth") << "%3.1f" << 9.96 << "10,0";
    QTest::newRow("small tenth padded") << "%3.1f" << 0.5 << "0,5";
    QTest::newRow("float ring 9.6") << "%3.0f" << double(9.6f) << " 10";
    QTest::newRow("no negative zero") << "%3.0f" << -0.4 << "  0";
    QTest::newRow("negative tenth") << "%3.1f" << -0.3 << "-0,3";
}

void TestNumberFormat::ringFormat()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatRing(format, value), Localised(expected));
}

void TestNumberFormat::general_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 372.0 << "372";
    QTest::newRow("half") << 372.5 << "372,5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("tenth") << 0.1 << "0,1";
    QTest::newRow("float tenth sum")
            << double(10.4f) + double(10.4f) + double(10.2f) << "30,9999990463257";
    QTest::newRow("single 10.4") << double(10.4f) << "10,3999996185303";
    QTest::newRow("negative") << -12.25 << "-12,25";
}

void TestNumberFormat::general()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatGeneral(value), Localised(expected));
}

void TestNumberFormat::teilerAndWinkel_data()
{
    QTest::addColumn<bool>("teiler");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Teiler 123.4") << true << 123.4f << "123,40";
    QTest::newRow("Teiler 123.456") << true << 123.456f << "123,46";
    QTest::newRow("Teiler four digits") << true << 1234.56f << "1234,60";
    QTest::newRow("Teiler five digits") << true << 12345.6f << "12346,00";
    QTest::newRow("Teiler carries") << true << 9999.96f << "10000,00";
    QTest::newRow("Teiler 24.99") << true << 24.99f << "24,99";
    QTest::newRow("Teiler zero") << true << 0.0f << "0,00";
    QTest::newRow("Teiler of an unreadable SAM shot") << true << 100000.0f << "1,0000E+05";
    QTest::newRow("Winkel 271.3") << false << 271.3f << "271,0";
    QTest::newRow("Winkel 271.34") << false << 271.34f << "271,0";
    QTest::newRow("Winkel 45.67") << false << 45.67f << "45,7";
    QTest::newRow("Winkel 5.678") << false << 5.678f << "5,7";
    QTest::newRow("Winkel 359.9") << false << 359.9f << "360,0";
    QTest::newRow("Winkel zero") << false << 0.0f << "0,0";
}

void TestNumberFormat::teilerAndWinkel()
{
    QFETCH(bool, teiler);
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(teiler ? FormatTeiler(value) : FormatWinkel(value), Localised(expected));
}

void TestNumberFormat::parseReal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("expected");
    QTest::newRow("comma") << "10,9" << true << 10.9;
    QTest::newRow("point") << "10.9" << true << 10.9;
    QTest::newRow("blanks around") << "  123,40 " << true << 123.4;
    QTest::newRow("whole") << "372" << true << 372.0;
    QTest::newRow("negative") << "-0,5" << true << -0.5;
    QTest::newRow("plus") << "+3" << true << 3.0;
    QTest::newRow("exponent") << "1,0000E+05" << true << 100000.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("two separators") << "1,2,3" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("dangling exponent") << "1e" << false << 0.0;
}

void TestNumberFormat::parseReal()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, expected);
    double value = -1;
    QCOMPARE(ParseReal(text, value), ok);
    if (ok)
        QCOMPARE(value, expected);
    else
        QCOMPARE(value, -1.0);
}

void TestNumberFormat::parseInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "150" << true << 150;
    QTest::newRow("blanks") << " 4 " << true << 4;
    QTest::newRow("hex") << "0x10" << true << 16;
    QTest::newRow("decimal text") << "95,5" << false << 0;
    QTest::newRow("letter") << "x" << false << 0;
}

void TestNumberFormat::parseInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, expected);
    int value = -1;
    QCOMPARE(ParseInteger(text, value), ok);
    QCOMPARE(value, ok ? expected : -1);
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
