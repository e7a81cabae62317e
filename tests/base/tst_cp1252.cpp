#include "base/cp1252.h"

#include <QTest>

class TestCp1252 : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void everyByteSurvivesDecodeAndEncode();
    void unmappableBecomesQuestionMark();
};

void TestCp1252::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "Name3=Meier" << QByteArray("Name3=Meier");
    QTest::newRow("umlauts") << "Schütze Größe"
                             << QByteArray("Sch\xFCtze Gr\xF6\xDF"
                                           "e");
    QTest::newRow("euro and quotes") << "€ „x“ – ‰" << QByteArray("\x80 \x84x\x93 \x96 \x89");
    QTest::newRow("0x9F") << "Ÿ" << QByteArray("\x9F");
}

void TestCp1252::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeCp1252(text), bytes);
    QCOMPARE(DecodeCp1252(bytes), text);
}

void TestCp1252::everyByteSurvivesDecodeAndEncode()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(EncodeCp1252(DecodeCp1252(all)), all);
}

void TestCp1252::unmappableBecomesQuestionMark()
{
    QCOMPARE(EncodeCp1252(u"a\u4E2Db"), QByteArray("a?b"));
}

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
