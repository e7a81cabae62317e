#include "machine/disagparameterstring.h"

#include "base/scripteddialogs.h"

#include <QTest>

Q_DECLARE_METATYPE(TDisagParameter)

// The DISAG parameter string: built from the record, parsed back with its syntax messages.
class TestDisagParameterString : public QObject
{
    Q_OBJECT

private slots:
    void build_data();
    void build();
    void buildCutsAt255();
    void parseValid_data();
    void parseValid();
    void parseErrors_data();
    void parseErrors();
    void messageBoxShowsTheError();
    void calibreTokens_data();
    void calibreTokens();
    void shotsPerTargetLimits_data();
    void shotsPerTargetLimits();
};

namespace {

TDisagParameter HundredMetre()
{
    TDisagParameter p;
    p.Scheibentyp = Sch_GK10;
    p.Ringanzeige = 1;
    p.Ringberechnung = 1;
    p.Kaliberindex = 0;
    p.Teileranzeige = 2;
    p.Teilergrenze = 300;
    p.SchussProScheibe = 5;
    p.SchussProSerie = 10;
    p.SchussGesamt = 60;
    p.Scheibenaufdruck = true;
    return p;
}

} // namespace

void TestDisagParameterString::build_data()
{
    QTest::addColumn<TDisagParameter>("record");
    QTest::addColumn<QString>("text");
    QTest::newRow("defaults") << TDisagParameter {} << "SCH=LG10;SSC=1;SZI=10;SGE=40;";
    QTest::newRow("100 m target") << HundredMetre()
                                  << "SCH=GK10;RIA=ZR;RIB=MI;KAL=22;TEA=HT;TEG=300;SSC=5;SZI=10;"
                                     "SGE=60;KSD;";
    TDisagParameter pistol;
    pistol.Scheibentyp = Sch_LP;
    pistol.Ringanzeige = 2;
    pistol.Teileranzeige = 1;
    pistol.Kaliberindex = 3; // no calibre token on a fixed calibre
    pistol.Ringberechnung = 1;
    pistol.TeilerNurMarkieren = true;
    pistol.Bezeichnung = QStringLiteral("Kreis");
    QTest::newRow("pistol, no rings, marked Teiler")
            << pistol << "SCH=LP;RIA=KR;TEA=ZT;TEG=250;SSC=1;SZI=10;SGE=40;TEM;DRT=Kreis;";
    TDisagParameter rapid;
    rapid.Scheibentyp = SCH_LPSF;
    QTest::newRow("token without semicolon") << rapid << "SCH=LPSFSSC=1;SZI=10;SGE=40;";
}

void TestDisagParameterString::build()
{
    QFETCH(TDisagParameter, record);
    QFETCH(QString, text);
    QCOMPARE(BuildParameterString(record), text);
}

void TestDisagParameterString::buildCutsAt255()
{
    TDisagParameter p;
    p.Bezeichnung = QString(300, u'X');
    QCOMPARE(BuildParameterString(p).size(), 255);
}

void TestDisagParameterString::parseValid_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TDisagParameter>("record");
    QTest::newRow("empty") << QString() << TDisagParameter {};
    QTest::newRow("100 m target round trip")
            << BuildParameterString(HundredMetre()) << HundredMetre();
    TDisagParameter zero = {};
    QTest::newRow("limit not read without Teiler display") << "TEA=KT;TEG=0;" << zero;
    TDisagParameter kk;
    kk.Scheibentyp = Sch_KK50;
    QTest::newRow("calibre ignored on a fixed calibre") << "SCH=KK50;KAL=zz;" << kk;
    TDisagParameter order;
    order.Scheibentyp = Sch_LP;
    order.SchussGesamt = 20;
    order.SchussProSerie = 5;
    order.Scheibenaufdruck = true;
    QTest::newRow("keys in any order") << "KSD;SGE=20;SZI=5;SCH=LP;" << order;
    TDisagParameter seven = HundredMetre();
    seven.Kaliberindex = 3;
    seven.Scheibentyp = Sch_GK5;
    TDisagParameter named = {};
    named.Bezeichnung = QStringLiteral("Kreis");
    QTest::newRow("designation read back") << "DRT=Kreis;" << named;
    named.Bezeichnung = QStringLiteral("Luftge");
    QTest::newRow("designation cut to 6") << "SZI=10;DRT=Luftgewehr;SGE=40;" << named;
    named.Bezeichnung = QStringLiteral("KSD");
    QTest::newRow("designation is no key") << "DRT=KSD;" << named;
    named.Bezeichnung = QStringLiteral("TEM");
    QTest::newRow("designation at the end") << "DRT=TEM" << named;
    QTest::newRow("calibre 7mm") << "SCH=GK5;RIA=ZR;RIB=MI;KAL=7mm;TEA=HT;TEG=300;SSC=5;SZI=10;"
                                    "SGE=60;KSD;"
                                 << seven;
}

void TestDisagParameterString::parseValid()
{
    QFETCH(QString, text);
    QFETCH(TDisagParameter, record);
    TDisagParameter parsed;
    parsed.SchussGesamt = 99; // reset first
    QVERIFY(!ParseParameterStringError(text, parsed));
    QCOMPARE(parsed, record);
}

void TestDisagParameterString::parseErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("gesamt");
    QTest::addColumn<int>("serie");
    QTest::newRow("target type") << "SCH=XX;"
                                 << "DISAG-Syntaxfehler! Unbekannter Scheibentype" << 40 << 10;
    QTest::newRow("rings") << "SCH=LP;RIA=XX;"
                           << "DISAG-Syntaxfehler! Unbekannte Ringauswertung!!" << 40 << 10;
    QTest::newRow("calibre") << "SCH=GK10;KAL=99;"
                             << "DISAG-Syntaxfehler! Unbekanntes Kaliber!!" << 40 << 10;
    QTest::newRow("Teiler display")
            << "TEA=XX;"
            << "DISAG-Syntaxfehler!  Unbekannte Teilerauswertung!!" << 40 << 10;
    QTest::newRow("Teiler limit unreadable")
            << "TEA=ZT;TEG=12"
            << "DISAG-Syntaxfehler!  Unbekannte Teilergrenze!!" << 40 << 10;
    QTest::newRow("Teiler limit 0") << "TEA=ZT;TEG=0;"
                                    << "DISAG-Syntaxfehler!  Ungültige Teilergrenze!!" << 40 << 10;
    QTest::newRow("Teiler limit above 25000")
            << "TEA=HT;TEG=25001;"
            << "DISAG-Syntaxfehler!  Ungültige Teilergrenze!!" << 40 << 10;
    QTest::newRow("shots per target unreadable")
            << "SSC=a;"
            << "DISAG-Syntaxfehler!  Unbekannte Schusszahl pro Scheibe!!" << 40 << 10;
    QTest::newRow("three shots on a strip")
            << "SCH=LG5;RIA=ZR;SSC=3;"
            << "DISAG-Syntaxfehler!  Ungültige Schusszahl pro Scheibe!!" << 40 << 10;
    QTest::newRow("16 shots per target")
            << "SCH=LP;SSC=16;"
            << "DISAG-Syntaxfehler!  Ungültige Schusszahl pro Scheibe!!" << 40 << 10;
    QTest::newRow("total unreadable")
            << "SGE=;"
            << "DISAG-Syntaxfehler!  Unbekannte Schusszahl für Gesamtsumme!!" << 40 << 10;
    QTest::newRow("total above 120")
            << "SGE=121;"
            << "DISAG-Syntaxfehler!  Ungültige Schusszahl für Gesamtsumme!!" << 121 << 10;
    QTest::newRow("series unreadable")
            << "SZI=x;"
            << "DISAG-Syntaxfehler!  Unbekannte Schusszahl für Zwischensumme!!" << 40 << 10;
    QTest::newRow("series above 15 before the comparison")
            << "SZI=20;SGE=10;"
            << "DISAG-Syntaxfehler!  Ungültige Schusszahl für Zwischensumme!!" << 10 << 20;
    QTest::newRow("series above total")
            << "SZI=15;SGE=10;"
            << "DISAG-Syntaxfehler!  Schusszahl für Zwischensumme > Gesamtsumme" << 10 << 15;
}

void TestDisagParameterString::parseErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, gesamt);
    QFETCH(int, serie);
    TDisagParameter parsed;
    QCOMPARE(ParseParameterStringError(text, parsed).value_or(QString()),
             message + QStringLiteral("\n\r") + text);
    // The steps after the error leave their fields at the defaults.
    QCOMPARE(parsed.SchussGesamt, gesamt);
    QCOMPARE(parsed.SchussProSerie, serie);
}

void TestDisagParameterString::messageBoxShowsTheError()
{
    TScriptedDialogs dialogs;
    TUserDialogsScope scope(dialogs);
    TDisagParameter parsed;
    ParseParameterString(QStringLiteral("SCH=LP;SSC=0;"), parsed);
    QCOMPARE(dialogs.Messages(),
             QStringList {QStringLiteral(
                     "DISAG-Syntaxfehler!  Ungültige Schusszahl pro Scheibe!!\n\rSCH=LP;SSC=0;")});
    dialogs.Clear();
    ParseParameterString(QStringLiteral("SCH=LP;"), parsed);
    QVERIFY(dialogs.Messages().isEmpty());
}

void TestDisagParameterString::calibreTokens_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("token");
    QTest::newRow(".22") << 0 << "KAL=22;";
    QTest::newRow("6.5mm") << 2 << "KAL=6.5;";
    QTest::newRow("7mm") << 3 << "KAL=7mm;";
    QTest::newRow(".357") << 9 << "KAL=357;";
}

void TestDisagParameterString::calibreTokens()
{
    QFETCH(int, index);
    QFETCH(QString, token);
    QCOMPARE(KaliberToken(index), token);
}

void TestDisagParameterString::shotsPerTargetLimits_data()
{
    QTest::addColumn<int>("machine");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("limit");
    QTest::newRow("RM3U pistol") << 1 << int(Sch_LP) << 15;
    QTest::newRow("RM2/RM3 100 m not available") << 0 << int(Sch_GK10) << 0;
    QTest::newRow("RM 4 single target") << 5 << int(Sch_LGES) << 2;
    QTest::newRow("SAM strip") << 3 << int(Sch_LG10) << 1;
    QTest::newRow("unknown machine") << 6 << int(Sch_LP) << 0;
}

void TestDisagParameterString::shotsPerTargetLimits()
{
    QFETCH(int, machine);
    QFETCH(int, type);
    QFETCH(int, limit);
    QCOMPARE(SchussProScheibeGrenze(machine, TypeScheiben(type)), limit);
}

QTEST_GUILESS_MAIN(TestDisagParameterString)
#include "tst_disagparameterstring.moc"
