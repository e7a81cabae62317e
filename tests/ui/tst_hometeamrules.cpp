#include "settings/hometeamfile.h"
#include "testsupport.h"
#include "ui/hometeamrules.h"

#include <QTemporaryDir>
#include <QTest>

// The home team rules without a window: shooter entries, the save checks in their order, the
// shot combinations and the number of a new team.
class TestHomeTeamRules : public QObject
{
    Q_OBJECT

private slots:
    void splitEntry_data();
    void splitEntry();
    void joinEntry();
    void checks_data();
    void checks();
    void shotCombinations_data();
    void shotCombinations();
    void newTeamSection_data();
    void newTeamSection();
};

namespace {

const QString Einzelserien =
        QStringLiteral("Fehler: Die Anzahl der Einzelserien darf 6 nicht übersteigen!!");
const QString PassenNicht = QStringLiteral(
        "Fehler: \"Schuss pro Schütze\" <-> \"Schuss pro Serie\"  passen nicht zusammen!!");

THomeTeamForm ValidForm()
{
    THomeTeamForm form;
    form.bezeichnung = QStringLiteral("Luftgewehr I");
    form.mannschaftstaerke = QStringLiteral("4");
    form.oMannschafts = QStringLiteral("2");
    form.names = QStringList({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    form.schussanzahl = QStringLiteral("40");
    form.schussanzahlSerie = QStringLiteral("10");
    return form;
}

} // namespace

void TestHomeTeamRules::splitEntry_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("passnr");
    QTest::addColumn<QString>("bemerkung");
    QTest::newRow("three fields") << "Müller, Hans;0815;Jugend"
                                  << "Müller, Hans"
                                  << "0815"
                                  << "Jugend";
    QTest::newRow("long remark cut") << "A;1;Langer Bemerkungstext"
                                     << "A"
                                     << "1"
                                     << "Langer Bem";
    QTest::newRow("single separator") << "A;Nur Bemerkung"
                                      << "A"
                                      << ""
                                      << "Nur Bemerk";
    QTest::newRow("no separator") << "Ohne Trenner"
                                  << ""
                                  << ""
                                  << "";
    QTest::newRow("default of a missing key") << ";"
                                              << ""
                                              << ""
                                              << "";
    QTest::newRow("pass number only") << ";4711;"
                                      << ""
                                      << "4711"
                                      << "";
    QTest::newRow("separator in remark") << "A;1;x;y"
                                         << "A"
                                         << "1"
                                         << "x;y";
    QTest::newRow("rest beyond 255 characters") << "A;" + QString(255, u'p') + ";Bemerkung"
                                                << "A"
                                                << ""
                                                << "pppppppppp";
}

void TestHomeTeamRules::splitEntry()
{
    QFETCH(QString, value);
    const TShooterEntry entry = SplitShooterEntry(value);
    QTEST(entry.name, "name");
    QTEST(entry.passnr, "passnr");
    QTEST(entry.bemerkung, "bemerkung");
}

void TestHomeTeamRules::joinEntry()
{
    QCOMPARE(JoinShooterEntry({QStringLiteral("A"), QString(), QStringLiteral("r")}),
             QStringLiteral("A;;r"));
}

void TestHomeTeamRules::checks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("valid") << ""
                           << ""
                           << "";
    QTest::newRow("unnamed") << "bezeichnung"
                             << "unbenannt"
                             << "Tragen Sie in das Feld \"Mannschaftsnamen\" einen eindeutigen "
                                "Namen ein!";
    QTest::newRow("empty designation passes") << "bezeichnung"
                                              << ""
                                              << "";
    QTest::newRow("unnamed in capitals passes") << "bezeichnung"
                                                << "Unbenannt"
                                                << "";
    QTest::newRow("N no number") << "N"
                                 << "vier"
                                 << "Fehler: Ungültige Eingabe im Feld \"Mannschaftswertung\"!!";
    QTest::newRow("N 1") << "N"
                         << "1"
                         << "Fehler: Mannschaftswertung muß zwischen 2 .. 10 liegen!!";
    QTest::newRow("N 11") << "N"
                          << "11"
                          << "Fehler: Mannschaftswertung muß zwischen 2 .. 10 liegen!!";
    QTest::newRow("row 4 empty") << "name4"
                                 << ""
                                 << "Fehler: Zuwenig Mannschaftsschützen festgelegt!!";
    QTest::newRow("row 5 empty does not count") << "name5"
                                                << ""
                                                << "";
    QTest::newRow("blank name") << "name3"
                                << "   "
                                << "Fehler: Zuwenig Mannschaftsschützen festgelegt!!";
    QTest::newRow("OM no number")
            << "OM"
            << "x"
            << "Fehler: Ungültige Eingabe im Feld \"Ohne Mannschaftswertung\"!! ";
    QTest::newRow("OM 7") << "OM"
                          << "7"
                          << "Fehler: Ohne Mannschaftswertung darf höchstens 6 betragen!!";
    QTest::newRow("OM -1") << "OM"
                           << "-1"
                           << "Fehler: Ohne Mannschaftswertung darf höchstens 6 betragen!!";
    QTest::newRow("7 + 3") << "N+OM"
                           << "7/3"
                           << "";
    QTest::newRow("8 + 3") << "N+OM"
                           << "8/3"
                           << "Fehler: Die Summe aus \"Mannschaftswertung\" und \"Ohne "
                              "Mannschaftswertung\" darf 10 nicht übersteigen!!";
    QTest::newRow("40 / 12") << "serie"
                             << "12" << PassenNicht;
    QTest::newRow("40 / 5") << "serie"
                            << "5" << Einzelserien;
    QTest::newRow("no shots selected")
            << "schuss"
            << ""
            << "Fehler: Wählen Sie \"Schuss pro Schütze\" und \"Schuss pro Serie\" aus!!";
    // The earlier check wins when several fail.
    QTest::newRow("unnamed and N bad") << "both"
                                       << ""
                                       << "Tragen Sie in das Feld "
                                          "\"Mannschaftsnamen\" einen eindeutigen "
                                          "Namen ein!";
}

void TestHomeTeamRules::checks()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    THomeTeamForm form = ValidForm();
    if (field == QLatin1String("bezeichnung"))
        form.bezeichnung = value;
    else if (field == QLatin1String("N"))
        form.mannschaftstaerke = value;
    else if (field.startsWith(QLatin1String("name")))
        form.names[field.mid(4).toInt() - 1] = value;
    else if (field == QLatin1String("N+OM")) {
        form.mannschaftstaerke = value.section(u'/', 0, 0);
        form.oMannschafts = value.section(u'/', 1, 1);
    } else if (field == QLatin1String("OM"))
        form.oMannschafts = value;
    else if (field == QLatin1String("serie"))
        form.schussanzahlSerie = value;
    else if (field == QLatin1String("schuss"))
        form.schussanzahl = value;
    else if (field == QLatin1String("both")) {
        form.bezeichnung = QStringLiteral("unbenannt");
        form.mannschaftstaerke = QStringLiteral("x");
        form.names.clear();
    }
    QCOMPARE(CheckHomeTeam(form).value_or(QString()), message);
}

void TestHomeTeamRules::shotCombinations_data()
{
    QTest::addColumn<int>("schuss");
    QTest::addColumn<int>("serie");
    QTest::addColumn<QString>("message");
    const QList<std::pair<int, int>> valid {{20, 5},  {20, 10}, {30, 5},  {30, 10}, {30, 15},
                                            {40, 10}, {50, 10}, {60, 10}, {60, 12}, {60, 15}};
    for (int schuss : {20, 30, 40, 50, 60}) {
        for (int serie : {5, 10, 12, 15}) {
            QString message;
            if (!valid.contains(std::pair {schuss, serie}))
                message = schuss % serie != 0 ? PassenNicht : Einzelserien;
            QTest::addRow("%d/%d", schuss, serie) << schuss << serie << message;
        }
    }
}

void TestHomeTeamRules::shotCombinations()
{
    QFETCH(int, schuss);
    QFETCH(int, serie);
    QTEST(ShotCombinationError(schuss, serie).value_or(QString()), "message");
}

void TestHomeTeamRules::newTeamSection_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("section");
    QTest::newRow("missing file") << ""
                                  << "1";
    QTest::newRow("1, 2, 5") << "RWSetup-125.ini"
                             << "6";
    QTest::newRow("last is A") << "RWSetup-A.ini"
                               << "1";
    // The plain rule would give sections that exist already and overwrite those teams.
    QTest::newRow("1 then A") << "RWSetup-1A.ini"
                              << "2";
    QTest::newRow("1, 3, 2") << "RWSetup-132.ini"
                             << "4";
}

void TestHomeTeamRules::newTeamSection()
{
    QFETCH(QString, fixture);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("RWSetup.ini"));
    if (!fixture.isEmpty())
        WriteFileBytes(path, ReadFileBytes(FixturePath(fixture)));
    QTEST(NewTeamSection(THomeTeamFile(path)), "section");
}

QTEST_GUILESS_MAIN(TestHomeTeamRules)
#include "tst_hometeamrules.moc"
