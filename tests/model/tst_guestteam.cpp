#include "base/scripteddialogs.h"
#include "model/guestteam.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

// The guest team as the guest team dialog edits it, and its .GS file.
class TestGuestTeam : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tableShowsMarks();
    void teamStartersComeFirst();
    void shorterListKeepsLaterPositions();
    void fileRoundTrip();
    void shortFileGivesEmptyCells();
    void ioError_data();
    void ioError();
    void fullDiskOnWrite();

private:
    QTemporaryDir m_dir;
    TScriptedDialogs *m_dialogs = nullptr;
    TUserDialogsScope *m_scope = nullptr;
};

namespace {

TyMannschaft TeamWithSeries()
{
    TyMannschaft gast;
    for (int p = 1; p <= 3; ++p) {
        gast.Teilnehmer[p].Name = QStringLiteral("alt %1").arg(p);
        gast.Teilnehmer[p].Serie[1] = 94 + p;
        gast.Teilnehmer[p].Schuss[1] = {100.0f * float(p), 0, 9, SchussVorhanden};
    }
    return gast;
}

TGastTabelle FilledTable()
{
    TGastTabelle rows;
    for (int r = 1; r <= PositionenAnzahl; ++r)
        rows[r] = {QStringLiteral("P%1").arg(r), QStringLiteral("Jörg %1").arg(r), "X", "",
                   QStringLiteral("Bem %1").arg(r)};
    return rows;
}

} // namespace

void TestGuestTeam::init()
{
    m_dialogs = new TScriptedDialogs;
    m_scope = new TUserDialogsScope(*m_dialogs);
}

void TestGuestTeam::cleanup()
{
    delete m_scope;
    delete m_dialogs;
}

void TestGuestTeam::tableShowsMarks()
{
    TyMannschaft gast;
    gast.Teilnehmer[2] = {"Anna", "123", "Gast", true, {}, {}, true};
    const TGastTabelle rows = GuestTableFromTeam(gast);
    QCOMPARE(rows[2], (TGastZeile {"123", "Anna", "X", "X", "Gast"}));
    QCOMPARE(rows[1], (TGastZeile {"", "", "", "", ""}));
}

// Rows A (team), B ("Kein Manns."), C (team): positions A, C, B; the results stay put.
void TestGuestTeam::teamStartersComeFirst()
{
    TyMannschaft gast = TeamWithSeries();
    const TyMannschaft before = gast;
    TGastTabelle rows;
    rows[1] = {"1", "A", "X", "", "a"};
    rows[2] = {"2", "B", "", "X", "b"};
    rows[3] = {"3", "  ", "X", "", "leer"}; // no name: not a starter
    rows[4] = {"4", "C", "x", "x", "c"}; // only an upper-case X marks
    ApplyGuestTable(gast, rows);

    const QStringList names {"A", "C", "B"};
    const QStringList passnr {"1", "4", "2"};
    const QList<bool> stamm {true, false, false};
    const QList<bool> nurEinzel {false, false, true};
    for (int p = 1; p <= 3; ++p) {
        const TYTeilnehmer &t = gast.Teilnehmer[p];
        QCOMPARE(t.Name, names[p - 1]);
        QCOMPARE(t.Passnr, passnr[p - 1]);
        QCOMPARE(t.Bemerk, names[p - 1].toLower());
        QCOMPARE(t.Stammschuetze, stamm[p - 1]);
        QCOMPARE(t.NurEinzel, nurEinzel[p - 1]);
        QCOMPARE(t.Serie, before.Teilnehmer[p].Serie);
        QCOMPARE(t.Schuss, before.Teilnehmer[p].Schuss);
    }
}

// Positions after the last row with a name keep their former starter.
void TestGuestTeam::shorterListKeepsLaterPositions()
{
    TyMannschaft gast = TeamWithSeries();
    const TyMannschaft before = gast;
    TGastTabelle rows;
    rows[2] = {"", "Neu", "", "", ""};
    ApplyGuestTable(gast, rows);
    QCOMPARE(gast.Teilnehmer[1].Name, QString("Neu"));
    QVERIFY(gast.Teilnehmer[2] == before.Teilnehmer[2]);
    QVERIFY(gast.Teilnehmer[3] == before.Teilnehmer[3]);
}

void TestGuestTeam::fileRoundTrip()
{
    const QString path = m_dir.filePath("gast.GS");
    const TGastTabelle rows = FilledTable();
    QVERIFY(WriteGuestFile(path, rows));

    const QByteArray bytes = ReadFileBytes(path);
    QCOMPARE(bytes.count("\r\n"), 50);
    QCOMPARE(bytes.count('\n'), 50);
    QVERIFY(bytes.startsWith("P1\r\nJ\xF6rg 1\r\nX\r\n\r\nBem 1\r\nP2\r\n"));
    QVERIFY(bytes.endsWith("Bem 10\r\n"));

    TGastTabelle back;
    QVERIFY(ReadGuestFile(path, back));
    QCOMPARE(back, rows);
    QVERIFY(m_dialogs->Events().isEmpty());
}

void TestGuestTeam::shortFileGivesEmptyCells()
{
    const QString path = m_dir.filePath("kurz.GS");
    WriteFileBytes(path, WindowsText("7\nKäthe\n\nX")); // ends without a line end
    TGastTabelle rows = FilledTable();
    QVERIFY(ReadGuestFile(path, rows));
    QCOMPARE(rows[1], (TGastZeile {"7", "Käthe", "", "X", ""}));
    for (int r = 2; r <= PositionenAnzahl; ++r)
        QCOMPARE(rows[r], TGastZeile {});
}

void TestGuestTeam::ioError_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("lesen, fehlt") << false << "fehlt.GS"
                                  << "E/A-Fehler 2";
    QTest::newRow("lesen, Ordner") << false << "ordner"
                                   << "E/A-Fehler 5";
    QTest::newRow("schreiben, Ordner fehlt") << true << "fehlt/gast.GS"
                                             << "E/A-Fehler 2";
    QTest::newRow("schreiben, Ordner") << true << "ordner"
                                       << "E/A-Fehler 5";
}

void TestGuestTeam::ioError()
{
    QFETCH(bool, write);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(QDir(m_dir.path()).mkpath("ordner"));
    TGastTabelle rows = FilledTable();
    const QString path = m_dir.filePath(name);
    QVERIFY(!(write ? WriteGuestFile(path, rows) : ReadGuestFile(path, rows)));
    QCOMPARE(rows, FilledTable());
    QCOMPARE(m_dialogs->Messages(), QStringList {message});
    QCOMPARE(m_dialogs->Events().first().message.icon, TMsgIcon::Error);
}

void TestGuestTeam::fullDiskOnWrite()
{
    const QString path = m_dir.filePath("voll.GS");
    {
        TFileSizeLimit limit(20);
        QVERIFY(!WriteGuestFile(path, FilledTable()));
    }
    QCOMPARE(m_dialogs->Messages(), QStringList {"E/A-Fehler 112"});
}

QTEST_GUILESS_MAIN(TestGuestTeam)
#include "tst_guestteam.moc"
