#include "base/scripteddialogs.h"
#include "model/newcompetition.h"
#include "settings/hometeamfile.h"
#include "settings/setupdaten.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

// A new competition built from a home team of RWSetup.ini and the starters ticked for it.
class TestNewCompetition : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void starterEntriesInKeyOrder_data();
    void starterEntriesInKeyOrder();
    void teamAndHeaderFields();
    void placing_data();
    void placing();
    void entryFields_data();
    void entryFields();
    void emptySelectionGivesDefaults();
    void neverMoreThanTenPositions();

private:
    Competition Fill(const QString &section, const QList<TStarterChoice> &starters);

    THomeTeamFile m_file {FixturePath("RWSetup.ini")};
    tSetupdaten m_settings;
    TScriptedDialogs m_dialogs;
};

namespace {

const QString ZuVieleMannschaftsstarter = QStringLiteral(
        "Fehler!! Es sind zu viele Mannschaftsstarter\n\rfür die Heimmannschaft ausgewählt");
const QString ZuVieleStarter =
        QStringLiteral("Fehler!! Es sind zu viele Starter für die Heimmannschaft ausgewählt");

// One letter per entry: '-' not ticked, 'T' ticked, 'G' greyed.
QList<TStarterChoice> Choices(const QStringList &entries, const QString &states)
{
    QList<TStarterChoice> choices;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QChar s = states.at(i);
        choices.append({entries[i],
                        s == u'T'           ? TStarterState::Ticked
                                : s == u'G' ? TStarterState::Greyed
                                            : TStarterState::NotTicked});
    }
    return choices;
}

} // namespace

void TestNewCompetition::initTestCase()
{
    UseTestLocale();
    m_settings.Vereinsname = QStringLiteral("  SV Musterdorf ");
    m_settings.Vereinnr = QStringLiteral("12345");
}

void TestNewCompetition::init()
{
    m_dialogs.Clear();
}

Competition TestNewCompetition::Fill(const QString &section, const QList<TStarterChoice> &starters)
{
    TUserDialogsScope scope(m_dialogs);
    Competition c;
    FillNewCompetition(c, m_file, section, starters, QStringLiteral("07"), m_settings,
                       QDate(2024, 3, 5));
    return c;
}

void TestNewCompetition::starterEntriesInKeyOrder_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("alle Schlüssel") << "1"
                                    << QStringList {"Jörg Maier;11111111;Stammschütze seit 1990",
                                                    "Anna Roth;22222222;",
                                                    "Bernd Kurz;33333333;ab",
                                                    "Clara Vogt;44444444",
                                                    "Dieter Hahn;55555555;x;y",
                                                    "Eva Lang;66666666;",
                                                    "Fritz Ohm;77777777;"};
    // T2 holds no ";", and the file lists T4 first.
    QTest::newRow("Lücken") << "3" << QStringList {"Eins;1;", "Drei;3;", "Vier;4;"};
    QTest::newRow("keine Mannschaft") << "9" << QStringList {};
}

void TestNewCompetition::starterEntriesInKeyOrder()
{
    QFETCH(QString, section);
    QFETCH(QStringList, entries);
    QCOMPARE(StarterEntries(m_file, section), entries);
}

void TestNewCompetition::teamAndHeaderFields()
{
    TUserDialogsScope scope(m_dialogs);
    Competition c;
    c.Gast.Name = QStringLiteral("alt");
    c.Gast.Teilnehmer[3].Serie[1] = 95;
    c.Heim.Teilnehmer[9].Name = QStringLiteral("alt");
    FillNewCompetition(c, m_file, QStringLiteral("1"), {}, QStringLiteral("07"), m_settings,
                       QDate(2024, 3, 5));

    QCOMPARE(c.Heim.Name, QString("SV Musterdorf Luftgewehr 1"));
    QCOMPARE(c.Heim.Mann_ident, QString("4711"));
    QCOMPARE(c.Heim.Vnr, QString("12345"));
    TyMannschaft cleared;
    QVERIFY(c.Gast == cleared);
    QVERIFY(c.Heim.Teilnehmer[9] == cleared.Teilnehmer[9]);

    const std::array<QString, KopfAnzahl> header {"Luftgewehr", "A", "Kreisliga",    "Nord", "07",
                                                  "05.03.2024", "",  "Ringlesegerät"};
    for (int i = 0; i < KopfAnzahl; ++i)
        QCOMPARE(c.Kopfdaten[i], header[i]);

    QCOMPARE(c.Sortieren, false);
    QCOMPARE(c.DISAG, QString("LG;10;1"));
    QCOMPARE(c.Schussanzahl, 30);
    QCOMPARE(c.Schussanzahl_Serie, 10);
    QCOMPARE(c.Mannschaftstaerke, 4);
    QCOMPARE(c.OMannschafts, 2);
    QVERIFY(m_dialogs.Events().isEmpty());
}

void TestNewCompetition::placing_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("states");
    QTest::addColumn<QStringList>("names"); // positions 1.. in order
    QTest::addColumn<QString>("nurEinzel"); // 'X' per position placed without team scoring
    QTest::addColumn<QStringList>("messages");

    // Section 1: N = 4, OM = 2, no sorting; Jörg, Anna, Bernd, Clara, Dieter, Eva, Fritz.
    QTest::newRow("4 angekreuzt, 2 grau")
            << "1"
            << "TGTT-GT" << QStringList {"Jörg Maier", "Bernd Kurz", "Clara Vogt",
                                         "Fritz Ohm",  "Anna Roth",  "Eva Lang"}
            << "----XX" << QStringList {};
    QTest::newRow("5 angekreuzt") << "1"
                                  << "TTTTT--"
                                  << QStringList {"Jörg Maier", "Anna Roth", "Bernd Kurz",
                                                  "Clara Vogt"}
                                  << "----" << QStringList {ZuVieleMannschaftsstarter};
    QTest::newRow("5 angekreuzt, 1 grau")
            << "1"
            << "TTTTTG-"
            << QStringList {"Jörg Maier", "Anna Roth", "Bernd Kurz", "Clara Vogt", "Eva Lang"}
            << "----X" << QStringList {ZuVieleMannschaftsstarter};
    QTest::newRow("3 grau") << "1"
                            << "TTTTGGG" << QStringList {"Jörg Maier", "Anna Roth",   "Bernd Kurz",
                                                         "Clara Vogt", "Dieter Hahn", "Eva Lang"}
                            << "----XX" << QStringList {ZuVieleStarter};

    // Section 2: N = 4, OM = 2, sorting allowed; A..H.
    QTest::newRow("sortierbar, grau vorn")
            << "2"
            << "GGTTTT--" << QStringList {"C", "D", "E", "F", "A", "B"} << "----XX"
            << QStringList {};
    QTest::newRow("sortierbar, 6 angekreuzt")
            << "2"
            << "TTTTTT--" << QStringList {"A", "B", "C", "D", "E", "F"} << "------"
            << QStringList {};
    QTest::newRow("sortierbar, 6 angekreuzt, 1 grau")
            << "2"
            << "TTGTTTT-" << QStringList {"A", "B", "D", "E", "F", "G"} << "------"
            << QStringList {ZuVieleStarter};
    QTest::newRow("sortierbar, 8 angekreuzt")
            << "2"
            << "TTTTTTTT" << QStringList {"A", "B", "C", "D", "E", "F", "G", "H"} << "--------"
            << QStringList {};
}

void TestNewCompetition::placing()
{
    QFETCH(QString, section);
    QFETCH(QString, states);
    QFETCH(QStringList, names);
    QFETCH(QString, nurEinzel);
    QFETCH(QStringList, messages);

    const Competition c = Fill(section, Choices(StarterEntries(m_file, section), states));
    for (int p = 1; p <= PositionenAnzahl; ++p) {
        const TYTeilnehmer &t = c.Heim.Teilnehmer[p];
        QCOMPARE(t.Name, p <= names.size() ? names[p - 1] : QString());
        QCOMPARE(t.NurEinzel, p <= nurEinzel.size() && nurEinzel[p - 1] == u'X');
        QCOMPARE(t.Stammschuetze, false);
    }
    QCOMPARE(m_dialogs.Messages(), messages);
}

void TestNewCompetition::entryFields_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("passnr");
    QTest::addColumn<QString>("bemerk");
    QTest::newRow("lange Bemerkung") << "Jörg Maier;11111111;Stammschütze seit 1990"
                                     << "Jörg Maier"
                                     << "11111111"
                                     << "Stammschüt";
    QTest::newRow("ohne Bemerkung") << "Clara Vogt;44444444"
                                    << "Clara Vogt"
                                    << "44444444"
                                    << "";
    QTest::newRow("Semikolon in der Bemerkung") << "Dieter Hahn;55555555;x;y"
                                                << "Dieter Hahn"
                                                << "55555555"
                                                << "x;y";
    QTest::newRow("nur Name") << "Eva;"
                              << "Eva"
                              << ""
                              << "";
}

void TestNewCompetition::entryFields()
{
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, passnr);
    QFETCH(QString, bemerk);
    const Competition c = Fill("1", {{entry, TStarterState::Ticked}});
    QCOMPARE(c.Heim.Teilnehmer[1].Name, name);
    QCOMPARE(c.Heim.Teilnehmer[1].Passnr, passnr);
    QCOMPARE(c.Heim.Teilnehmer[1].Bemerk, bemerk);
}

// No home team defined, and the user confirmed the empty selection.
void TestNewCompetition::emptySelectionGivesDefaults()
{
    QTemporaryDir dir;
    TUserDialogsScope scope(m_dialogs);
    Competition c;
    FillNewCompetition(c, THomeTeamFile(dir.filePath("RWSetup.ini")), QString(), {}, QString(),
                       m_settings, QDate(2024, 12, 31));
    QCOMPARE(c.Heim.Name, QString("SV Musterdorf unbenannt"));
    QCOMPARE(c.Kopfdaten[KopfKlasse], QString("S"));
    QCOMPARE(c.Kopfdaten[KopfDatum], QString("31.12.2024"));
    QCOMPARE(c.Kopfdaten[KopfErgebniserfassung], QString("Ringlesegerät"));
    QCOMPARE(c.Schussanzahl, 40);
    QCOMPARE(c.Schussanzahl_Serie, 10);
    QCOMPARE(c.Mannschaftstaerke, 4);
    QCOMPARE(c.OMannschafts, 0);
    QCOMPARE(c.Sortieren, false);
    QCOMPARE(c.Heim.Teilnehmer[1].Name, QString());
    QVERIFY(m_dialogs.Events().isEmpty());
}

// Eleven ticked starters of a team that may sort: the eleventh has no position.
void TestNewCompetition::neverMoreThanTenPositions()
{
    QList<TStarterChoice> starters;
    for (int i = 1; i <= 11; ++i)
        starters.append({QStringLiteral("S%1;%1;").arg(i), TStarterState::Ticked});
    const Competition c = Fill("2", starters);
    QCOMPARE(c.Heim.Teilnehmer[10].Name, QString("S10"));
    QCOMPARE(m_dialogs.Messages(), QStringList {ZuVieleStarter});
}

QTEST_GUILESS_MAIN(TestNewCompetition)
#include "tst_newcompetition.moc"
