#include "base/scripteddialogs.h"
#include "geometry/scheibentypen.h"

#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(TypeScheiben)
Q_DECLARE_METATYPE(std::vector<float>)

// The ring tables every ring value and pixel is computed from.
class TestScheibentypen : public QObject
{
    Q_OBJECT

private slots:
    void ringTableOfEveryType_data();
    void ringTableOfEveryType();
    void unknownTypeGetsAirRifleTableWithMessage_data();
    void unknownTypeGetsAirRifleTableWithMessage();
    void topBitIsIgnored();
};

namespace {

const std::vector<float> Luftgewehr = {-0.25f, 0.25f,  2.75f,  5.25f,  7.75f,  10.25f,
                                       12.75f, 15.25f, 17.75f, 20.25f, 22.75f, 25.25f};

} // namespace

void TestScheibentypen::ringTableOfEveryType_data()
{
    QTest::addColumn<TypeScheiben>("typ");
    // Entry 0 and the lines 1..n+1; every later entry must be 0.
    QTest::addColumn<std::vector<float>>("eintraege");

    const std::vector<float> laufend = {0.25f,  2.75f,  5.25f,  7.75f,  10.25f, 12.75f,
                                        15.25f, 17.75f, 20.25f, 22.75f, 25.25f, 27.75f};
    QTest::newRow("LG 10er Band") << Sch_LG10 << Luftgewehr;
    QTest::newRow("LG 5er Band") << Sch_LG5 << Luftgewehr;
    QTest::newRow("LG Einzelscheibe") << Sch_LGES << Luftgewehr;
    QTest::newRow("Luftpistole") << Sch_LP << std::vector<float> {2.5f,   5.75f,  13.75f, 21.75f,
                                                                  29.75f, 37.75f, 45.75f, 53.75f,
                                                                  61.75f, 69.75f, 77.75f, 85.75f};
    QTest::newRow("Zimmerstutzen")
            << Sch_ZS << std::vector<float> {0.0f,    2.225f,  6.725f,  11.225f, 15.725f, 20.225f,
                                             24.725f, 29.225f, 33.725f, 38.225f, 42.725f, 47.225f};
    QTest::newRow("Lfd. 1er") << Sch_LS1 << laufend;
    QTest::newRow("Lfd. 2er") << Sch_LS2 << laufend;
    QTest::newRow("KK 50m") << Sch_KK50
                            << std::vector<float> {2.5f,  5.2f,  13.2f, 21.2f, 29.2f, 37.2f,
                                                   45.2f, 53.2f, 61.2f, 69.2f, 77.2f, 85.2f};
    QTest::newRow("100m 10 Kreise")
            << Sch_GK10
            << std::vector<float> {12.5f, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275};
    QTest::newRow("100m 5 Kreise")
            << Sch_GK5 << std::vector<float> {12.5f, 25, 50, 75, 100, 125, 150};
    QTest::newRow("Schnellfeuer") << Sch_SchFe << std::vector<float> {50,  100, 140, 180, 220, 260,
                                                                      300, 340, 380, 420, 460, 500};
    QTest::newRow("LP Schnellfeuer")
            << SCH_LPSF << std::vector<float> {5.5f,   11.0f, 24.25f,  37.5f,  50.75f,  64.0f,
                                               77.25f, 90.5f, 103.75f, 117.0f, 130.25f, 143.5f};
}

void TestScheibentypen::ringTableOfEveryType()
{
    QFETCH(TypeScheiben, typ);
    QFETCH(std::vector<float>, eintraege);
    TScriptedDialogs dialogs;
    TUserDialogsScope scope(dialogs);
    const TScheibenmasse masse = GetScheibenmasse(typ);
    for (int k = 0; k < int(masse.size()); ++k) {
        const float erwartet = k < int(eintraege.size()) ? eintraege[k] : 0.0f;
        QVERIFY2(masse[k] == erwartet,
                 qPrintable(QString("Eintrag %1: %2 statt %3")
                                    .arg(k)
                                    .arg(double(masse[k]))
                                    .arg(double(erwartet))));
    }
    QVERIFY(dialogs.Messages().isEmpty());
}

void TestScheibentypen::unknownTypeGetsAirRifleTableWithMessage_data()
{
    QTest::addColumn<int>("wert");
    QTest::newRow("Sch_user") << int(Sch_user);
    QTest::newRow("Sch_user2") << int(Sch_user2);
    QTest::newRow("100") << 100;
    QTest::newRow("127") << 127;
    QTest::newRow("128 + 12") << 140;
    QTest::newRow("255") << 255;
}

void TestScheibentypen::unknownTypeGetsAirRifleTableWithMessage()
{
    QFETCH(int, wert);
    TScriptedDialogs dialogs;
    TUserDialogsScope scope(dialogs);
    const TScheibenmasse masse = GetScheibenmasse(TypeScheiben(wert));
    QCOMPARE(dialogs.Messages(), QStringList {"Scheibenmasse ungekannt"});
    QCOMPARE(std::vector<float>(masse.begin(), masse.begin() + 12), Luftgewehr);
    QCOMPARE(masse[12], 0.0f);
}

void TestScheibentypen::topBitIsIgnored()
{
    TScriptedDialogs dialogs;
    TUserDialogsScope scope(dialogs);
    for (int t = 0; t <= int(SCH_LPSF); ++t)
        QCOMPARE(GetScheibenmasse(TypeScheiben(128 + t)), GetScheibenmasse(TypeScheiben(t)));
    QVERIFY(dialogs.Messages().isEmpty());
}

QTEST_GUILESS_MAIN(TestScheibentypen)
#include "tst_scheibentypen.moc"
