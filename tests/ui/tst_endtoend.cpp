#include "base/configfolder.h"
#include "base/scripteddialogs.h"
#include "base/tickclock.h"
#include "gridtesting.h"
#include "settings/setupdaten.h"
#include "testsupport.h"
#include "ui/guestteamdialog.h"
#include "ui/headerdatadialog.h"
#include "ui/hometeamselection.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/modal.h"
#include "ui/programwindows.h"
#include "ui/shotentrydialog.h"

#include <QMenu>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

// A whole meeting by hand, as a club official runs it: a new competition from a home team, the
// guest team typed in, single shots entered, sorted, saved, closed and reopened from the file
// menu's history with the same results.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void meetingByHand();

private:
    QTemporaryDir *m_dir = nullptr;
    TScriptedDialogs *m_dialogs = nullptr;
    TUserDialogsScope *m_scope = nullptr;
    TFGast *m_gast = nullptr;
    TFSchusseingabe *m_eingabe = nullptr;
};

namespace {

// Two shooters count, one more may start; sorting allowed; 20 shots in series of 10.
const char *HomeTeams = "[1]\n"
                        "Bezeichnung=Luftgewehr I\n"
                        "Mann_ident=4711\n"
                        "Klasse=Schützenklasse\n"
                        "Liga=Kreisliga\n"
                        "Gruppe=B\n"
                        "waffe=LG\n"
                        "Sortieren=1\n"
                        "DISAG=SCH=LG10;SSC=1;SZI=10;SGE=20;\n"
                        "Schussanzahl=20\n"
                        "Schussanzahl_Serie=10\n"
                        "Mannschaftstaerke=2\n"
                        "OMannschafts=1\n"
                        "T1=Anna Amsel;11111111;\n"
                        "T2=Bernd Bär;22222222;\n"
                        "T3=Carla Chur;33333333;Jugend\n";

// Names of positions 1..3 and the team total of one grid.
QStringList Standings(const QTableWidget *grid)
{
    QStringList rows {Cell(grid, 0, 2).trimmed()};
    for (int row = 2; row <= 4; ++row)
        rows << Cell(grid, row, 1).section(u'\r', 0, 0) + u'=' + Cell(grid, row, 2).trimmed();
    return rows;
}

} // namespace

void TestEndToEnd::init()
{
    UseTestLocale();
    m_dir = new QTemporaryDir;
    SetConfigFolder(m_dir->path());
    Setupdaten() = tSetupdaten();
    Setupdaten().Vereinsname = QStringLiteral("SV Tannenhain");
    Setupdaten().SetDaten(m_dir->path());
    WriteFileBytes(m_dir->filePath(QStringLiteral("RWSetup.ini")), WindowsText(HomeTeams));
    m_dialogs = new TScriptedDialogs;
    m_scope = new TUserDialogsScope(*m_dialogs);
    m_gast = new TFGast;
    m_eingabe = new TFSchusseingabe;
    ProgramWindows().gast = m_gast;
    ProgramWindows().schusseingabe = m_eingabe;
}

void TestEndToEnd::cleanup()
{
    ProgramWindows() = TProgramWindows();
    delete m_eingabe;
    delete m_gast;
    delete m_scope;
    delete m_dialogs;
    delete m_dir;
}

void TestEndToEnd::meetingByHand()
{
    TManualClock clock;
    TMainForm form(clock);
    form.show();

    // Whatever the shooter's entry, every shot of the dialog gets the same typed key.
    QChar key;
    TModalHandlerScope modal([&](QDialog &dialog) {
        if (auto *choice = qobject_cast<TFopenform *>(&dialog)) {
            for (int i = 0; i < 3; ++i)
                choice->SetStarterState(i, TStarterState::Ticked);
            choice->SetDurchgang(QStringLiteral("03"));
            return choice->OkEnabled() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        }
        if (auto *gast = qobject_cast<TFGast *>(&dialog)) {
            TGastTabelle rows = gast->Table();
            rows[1] = {QStringLiteral("44444444"), QStringLiteral("Dora Dachs"), {}, {}, {}};
            rows[2] = {QStringLiteral("55555555"), QStringLiteral("Emil Eich"), {}, {}, {}};
            gast->SetTable(rows);
            gast->SetMannschaftsname(QStringLiteral("SG Birkenau I"));
            gast->SetVereinsnr(QStringLiteral("0815"));
            return int(QDialog::Accepted);
        }
        if (auto *kopf = qobject_cast<TFormKopfdaten *>(&dialog)) {
            kopf->Erfassung(2)->setChecked(true);
            return int(QDialog::Accepted);
        }
        if (auto *eingabe = qobject_cast<TFSchusseingabe *>(&dialog)) {
            for (int shot = 0; shot < 20; ++shot)
                QTest::keyClick(eingabe->StringGrid1, key.toLatin1());
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    });

    m_dialogs->QueueAnswer(TMsgAnswer::No); // "Anzeige in Zehntelringe?"
    form.FileNew1->trigger();
    Settle();
    TMDIChild *child = form.ActiveChild();
    QVERIFY(child);
    QCOMPARE(child->Wettkampf().Heim.Name, QStringLiteral("SV Tannenhain Luftgewehr I"));

    form.Gastmannschaft->trigger();
    form.Kopfdaten->trigger();
    QCOMPARE(child->Wettkampf().Kopfdaten[KopfErgebniserfassung],
             QStringLiteral("Einzelschuss eingeben"));

    // Anna 8 a shot, Bernd 10 ("+"), Carla 9; the guest shooters 7 and 9.
    const std::pair<QTableWidget *, QString> entries[] = {{child->StringGrid1, "8+9"},
                                                          {child->StringGrid2, "79"}};
    for (const auto &[grid, keys] : entries) {
        for (int i = 0; i < keys.size(); ++i) {
            key = keys[i];
            Click(grid, i + 2, 0);
        }
    }
    QCOMPARE(Standings(child->StringGrid1),
             QStringList({"360", "Anna Amsel=160", "Bernd Bär=200", "Carla Chur=180"}));
    QCOMPARE(Standings(child->StringGrid2),
             QStringList({"320", "Dora Dachs=140", "Emil Eich=180", "=0"}));

    form.Sortieren->trigger();
    const QStringList sorted {"380", "Bernd Bär=200", "Carla Chur=180", "Anna Amsel=160"};
    const QStringList guestSorted {"320", "Emil Eich=180", "Dora Dachs=140", "=0"};
    QCOMPARE(Standings(child->StringGrid1), sorted);
    QCOMPARE(Standings(child->StringGrid2), guestSorted);

    const QString path = m_dir->filePath(QStringLiteral("Birkenau.RW"));
    m_dialogs->QueueFileName(path);
    form.FileSave1->trigger();
    QVERIFY(!child->Wettkampf().Geaendert);
    QCOMPARE(Setupdaten().History[1], path);

    form.Schlieen1->trigger();
    Settle();
    QVERIFY(form.Children().isEmpty());

    form.BuildHistoryMenu();
    QAction *entry = nullptr;
    for (QAction *action : form.DateiMenu()->actions())
        if (action->text() == path)
            entry = action;
    QVERIFY(entry);
    entry->trigger();
    Settle();
    TMDIChild *reopened = form.ActiveChild();
    QVERIFY(reopened);
    QCOMPARE(Standings(reopened->StringGrid1), sorted);
    QCOMPARE(Standings(reopened->StringGrid2), guestSorted);
    QCOMPARE(reopened->Wettkampf().Kopfdaten[KopfDurchgang], QStringLiteral("03"));
    QVERIFY(reopened->Wettkampf().Heim.Teilnehmer[3].NurEinzel);
    QCOMPARE(m_dialogs->Unanswered(), 0);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
