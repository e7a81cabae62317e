#include "base/scripteddialogs.h"
#include "settings/hometeamfile.h"
#include "settings/setupdaten.h"
#include "testsupport.h"
#include "ui/hometeamselection.h"
#include "ui/modal.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TStarterState)

// Choosing the home team and its starters for a new competition, and choosing a team only.
class TestHomeTeamSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void captionListAndFirstTeam();
    void statusLine_data();
    void statusLine();
    void firstEntriesTickedAndGreen();
    void okRule_data();
    void okRule();
    void clickCyclesTheState();
    void durchgangTakesTwoDigits();
    void noHomeTeam_data();
    void noHomeTeam();
    void pickATeam();
    void doubleClickIsOkOnlyWhenPicking();

private:
    QString WriteTeams(const char *text);
    QTemporaryDir m_dir;
    TScriptedDialogs *m_dialogs = nullptr;
    TUserDialogsScope *m_scope = nullptr;
};

namespace {

const char *const Teams = "[1]\n"
                          "Bezeichnung=Luftgewehr 1\n"
                          "Mannschaftstaerke=4\n"
                          "OMannschafts=2\n"
                          "T1=A;1;\nT2=B;2;\nT3=C;3;\nT4=D;4;\nT5=E;5;\nT6=F;6;\nT7=G;7;\n"
                          "T8=H;8;\nT9=I;9;\nT10=J;10;\n"
                          "[2]\n"
                          "Bezeichnung=Luftgewehr 2\n"
                          "Sortieren=1\n"
                          "Mannschaftstaerke=4\n"
                          "OMannschafts=2\n"
                          "T1=A;1;\nT2=B;2;\nT3=C;3;\nT4=D;4;\nT5=E;5;\nT6=F;6;\nT7=G;7;\n"
                          "T8=H;8;\nT9=I;9;\nT10=J;10;\n"
                          "[3]\n"
                          "Mannschaftstaerke=2\n"
                          "Sortieren=2\n"
                          "T4=Vier;4;Schütze\nT1=Eins;1;\nT3=Drei;3;\nT2=kein Eintrag\n";

const QString KeineHeimmannschaft =
        QStringLiteral("Fehler: Es wurde keine Heimmannschaft festgelegt. Wählen Sie den Punkt "
                       "\"Einstellung/Heimmannschaft\" an.");

QPoint CheckBoxPoint(QListWidget *list, int row)
{
    const QRect r = list->visualItemRect(list->item(row));
    return {r.left() + r.height() / 2, r.center().y()};
}

} // namespace

void TestHomeTeamSelection::initTestCase()
{
    Setupdaten().Vereinsname = QStringLiteral("SV Musterdorf");
}

void TestHomeTeamSelection::init()
{
    m_dialogs = new TScriptedDialogs;
    m_scope = new TUserDialogsScope(*m_dialogs);
}

void TestHomeTeamSelection::cleanup()
{
    delete m_scope;
    delete m_dialogs;
}

QString TestHomeTeamSelection::WriteTeams(const char *text)
{
    const QString path =
            m_dir.filePath(QStringLiteral("RWSetup%1.ini").arg(QTest::currentTestFunction()));
    WriteFileBytes(path, WindowsText(text));
    return path;
}

void TestHomeTeamSelection::captionListAndFirstTeam()
{
    THomeTeamFile file(WriteTeams(Teams));
    TFopenform dialog(true, file);
    QStringList shown;
    TModalHandlerScope handler([&](QDialog &) {
        for (int i = 0; i < dialog.TeamList()->count(); ++i)
            shown << dialog.TeamList()->item(i)->text();
        return int(QDialog::Accepted);
    });
    QCOMPARE(ExecModal(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.windowTitle(), QString("Auswählen der Heimmannschaft: SV Musterdorf"));
    QCOMPARE(shown, QStringList({"Luftgewehr 1", "Luftgewehr 2", "unbenannt"}));
    QCOMPARE(dialog.SelectedSection(), QString("1"));
    QCOMPARE(dialog.TeamLabel(), QString("Luftgewehr 1"));
    QVERIFY(m_dialogs->Events().isEmpty());
}

void TestHomeTeamSelection::statusLine_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("status");
    QTest::newRow("ohne Sortieren") << "1"
                                    << "4 Mannschaftsschützen auswählen";
    QTest::newRow("mit Sortieren") << "2"
                                   << "Mindestens 4 Mannschaftsschützen auswählen";
    QTest::newRow("Sortieren 2 gilt nicht") << "3"
                                            << "2 Mannschaftsschützen auswählen";
}

void TestHomeTeamSelection::statusLine()
{
    QFETCH(QString, section);
    QFETCH(QString, status);
    THomeTeamFile file(WriteTeams(Teams));
    TFopenform dialog(true, file);
    dialog.show();
    dialog.SelectSection(section);
    QCOMPARE(dialog.SelectedSection(), section);
    QCOMPARE(dialog.StatusText(), status);
    QVERIFY(dialog.Legend()->isVisible());
    QVERIFY(dialog.DurchgangPanel()->isVisible());
}

// Keys T1, T3 and T4 with N = 2: three entries in key order, the first two ticked and green.
void TestHomeTeamSelection::firstEntriesTickedAndGreen()
{
    THomeTeamFile file(WriteTeams(Teams));
    TFopenform dialog(true, file);
    dialog.show();
    dialog.SelectSection("3");
    QCOMPARE(dialog.TeamLabel(), QString("unbenannt"));
    const QList<TStarterChoice> starters = dialog.Starters();
    QCOMPARE(starters.size(), 3);
    const QStringList entries {"Eins;1;", "Drei;3;", "Vier;4;Schütze"};
    const QList<Qt::CheckState> checks {Qt::Checked, Qt::Checked, Qt::Unchecked};
    const QList<QColor> colours {QColor(0, 128, 0), QColor(0, 128, 0), QColor(Qt::black)};
    for (int i = 0; i < 3; ++i) {
        const QListWidgetItem *item = dialog.StarterList()->item(i);
        QCOMPARE(item->text(), entries[i]);
        QCOMPARE(starters[i].entry, entries[i]);
        QCOMPARE(item->checkState(), checks[i]);
        QCOMPARE(item->foreground().color(), colours[i]);
    }
    QVERIFY(dialog.OkEnabled());
}

void TestHomeTeamSelection::okRule_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("ticked");
    QTest::addColumn<int>("greyed");
    QTest::addColumn<bool>("enabled");
    // N = 4, OM = 2.
    QTest::newRow("4 + 0") << "1" << 4 << 0 << true;
    QTest::newRow("4 + 2") << "1" << 4 << 2 << true;
    QTest::newRow("4 + 3") << "1" << 4 << 3 << false;
    QTest::newRow("3 + 0") << "1" << 3 << 0 << false;
    QTest::newRow("3 + 1") << "1" << 3 << 1 << false;
    QTest::newRow("5 + 0") << "1" << 5 << 0 << false;
    QTest::newRow("sortierbar 3 + 2") << "2" << 3 << 2 << false;
    QTest::newRow("sortierbar 4 + 0") << "2" << 4 << 0 << true;
    QTest::newRow("sortierbar 6 + 0") << "2" << 6 << 0 << true;
    QTest::newRow("sortierbar 7 + 0") << "2" << 7 << 0 << false;
    QTest::newRow("sortierbar 5 + 5") << "2" << 5 << 5 << true;
}

void TestHomeTeamSelection::okRule()
{
    QFETCH(QString, section);
    QFETCH(int, ticked);
    QFETCH(int, greyed);
    QFETCH(bool, enabled);
    THomeTeamFile file(WriteTeams(Teams));
    TFopenform dialog(true, file);
    dialog.show();
    dialog.SelectSection(section);
    for (int i = 0; i < dialog.StarterList()->count(); ++i) {
        dialog.SetStarterState(i,
                               i < ticked                    ? TStarterState::Ticked
                                       : i < ticked + greyed ? TStarterState::Greyed
                                                             : TStarterState::NotTicked);
    }
    QCOMPARE(dialog.OkEnabled(), enabled);
}

void TestHomeTeamSelection::clickCyclesTheState()
{
    THomeTeamFile file(WriteTeams(Teams));
    TFopenform dialog(true, file);
    dialog.show();
    QListWidget *list = dialog.StarterList();
    const QList<TStarterState> cycle {TStarterState::Ticked, TStarterState::Greyed,
                                      TStarterState::NotTicked, TStarterState::Ticked};
    const QList<Qt::CheckState> checks {Qt::Checked, Qt::PartiallyChecked, Qt::Unchecked,
                                        Qt::Checked};
    const QList<bool> ok {false, true, true, false}; // entry 5 besides the four ticked ones
    for (int k = 0; k < cycle.size(); ++k) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CheckBoxPoint(list, 4));
        QCOMPARE(dialog.Starters()[4].state, cycle[k]);
        QCOMPARE(list->item(4)->checkState(), checks[k]);
        QCOMPARE(dialog.OkEnabled(), ok[k]);
    }
}

void TestHomeTeamSelection::durchgangTakesTwoDigits()
{
    THomeTeamFile file(WriteTeams(Teams));
    TFopenform dialog(true, file);
    dialog.show();
    QLineEdit *edit = dialog.DurchgangPanel()->findChild<QLineEdit *>();
    QTest::keyClicks(edit, "a1x23");
    QCOMPARE(dialog.Durchgang(), QString("12"));
    dialog.SetDurchgang("07");
    QCOMPARE(dialog.Durchgang(), QString("07"));
}

void TestHomeTeamSelection::noHomeTeam_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("teams");
    QTest::newRow("keine Datei") << "" << 0;
    QTest::newRow("nur Leerzeichen") << "[1]\nBezeichnung=   \nT1=A;1;\n" << 1;
}

// The user may confirm the empty choice: the competition then gets the defaults.
void TestHomeTeamSelection::noHomeTeam()
{
    QFETCH(QString, text);
    QFETCH(int, teams);
    THomeTeamFile file(text.isEmpty() ? m_dir.filePath("fehlt.ini")
                                      : WriteTeams(text.toUtf8().constData()));
    TFopenform dialog(true, file);
    QStringList seenInHandler;
    TModalHandlerScope handler([&](QDialog &) {
        seenInHandler = m_dialogs->Messages();
        return int(QDialog::Accepted);
    });
    ExecModal(dialog);
    QCOMPARE(seenInHandler, QStringList {KeineHeimmannschaft});
    const TMessage &m = m_dialogs->Events().first().message;
    QCOMPARE(m.icon, TMsgIcon::Error);
    QCOMPARE(m.buttons, TMsgButtons::OkHelp);
    QCOMPARE(dialog.TeamList()->count(), teams);
    // Without any team there is nothing to tick and nothing to ask for.
    QCOMPARE(dialog.StatusText().isEmpty(), teams == 0);
    QVERIFY(dialog.OkEnabled());
}

void TestHomeTeamSelection::pickATeam()
{
    THomeTeamFile file(WriteTeams(Teams));
    TFopenform dialog(false, file);
    dialog.show();
    QVERIFY(!dialog.Legend()->isVisible());
    QVERIFY(!dialog.DurchgangPanel()->isVisible());
    QVERIFY(!dialog.StarterList()->isEnabled());
    QCOMPARE(dialog.StatusText(), QString());
    dialog.SelectSection("2");
    dialog.SetStarterState(0, TStarterState::NotTicked);
    QVERIFY(dialog.OkEnabled());
    QCOMPARE(dialog.SelectedSection(), QString("2"));
}

void TestHomeTeamSelection::doubleClickIsOkOnlyWhenPicking()
{
    THomeTeamFile file(WriteTeams(Teams));
    for (const bool newCompetition : {true, false}) {
        TFopenform dialog(newCompetition, file);
        dialog.show();
        QListWidget *list = dialog.TeamList();
        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(dialog.SelectedSection(), QString("2"));
        QCOMPARE(dialog.result(), newCompetition ? int(QDialog::Rejected) : int(QDialog::Accepted));
        QCOMPARE(dialog.isVisible(), newCompetition);
    }
}

QTEST_MAIN(TestHomeTeamSelection)
#include "tst_hometeamselection.moc"
