#include "base/configfolder.h"
#include "base/scripteddialogs.h"
#include "base/tickclock.h"
#include "gridtesting.h"
#include "model/competitionfile.h"
#include "settings/setupdaten.h"
#include "testsupport.h"
#include "ui/aboutbox.h"
#include "ui/help.h"
#include "ui/hometeamdialog.h"
#include "ui/hometeamselection.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/modal.h"
#include "ui/programwindows.h"
#include "ui/setupdialog.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {

// Captions of a menu after `from`, separators as "-".
QStringList Captions(const QList<QAction *> &items, qsizetype from = 0)
{
    QStringList captions;
    for (qsizetype i = from; i < items.size(); ++i)
        captions.append(items[i]->isSeparator() ? QStringLiteral("-") : items[i]->text());
    return captions;
}

QStringList HistoryItems(const TMainForm &form)
{
    const QList<QAction *> items = form.DateiMenu()->actions();
    return Captions(items, items.indexOf(form.Beenden) + 1);
}

} // namespace

// The frame: actions and their rules, opening, history entries, window arrangement and the end
// of the program.
class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void captionAndActions_data();
    void captionAndActions();
    void menusInOrder();
    void toolbarHasItsOwnHints();
    void enableRulesWithoutWindow();
    void enableRulesFollowActiveWindow();
    void exportWithoutWindowDoesNothing();
    void openAsksForTenthRings_data();
    void openAsksForTenthRings();
    void openTwiceShowsMessage();
    void historyEntries();
    void historyClickOpensSecondWindow();
    void activationRebuildsHistory();
    void newCompetitionsAreNumbered();
    void cancelledNewCompetitionClosesWindow();
    void tileWindows_data();
    void tileWindows();
    void endQuestionOnlyRightAfterActivation_data();
    void endQuestionOnlyRightAfterActivation();
    void historyWrittenAtEnd();
    void refusedChildCloseCancelsEnd();
    void endSavesWhatTheUserWantsSaved();
    void windowMenuListsCompetitions();
    void sortLeavesModifiedAlone();
    void programWindowsShownModally();
    void helpOpensTopicTenThenContents();

private:
    QString CopyFixture(const QString &name);

    QTemporaryDir *m_dir = nullptr;
    TScriptedDialogs *m_dialogs = nullptr;
    TUserDialogsScope *m_scope = nullptr;
    TManualClock m_clock;
};

void TestMainForm::initTestCase()
{
    UseTestLocale();
}

void TestMainForm::init()
{
    m_dir = new QTemporaryDir;
    SetConfigFolder(m_dir->path());
    Setupdaten() = tSetupdaten();
    Setupdaten().SetDaten(m_dir->path());
    // One home team, so that the home team choice of a new competition has something to offer.
    WriteFileBytes(m_dir->filePath(QStringLiteral("RWSetup.ini")),
                   WindowsText("[1]\nBezeichnung=Erste\nT1=Anna;11111111;\n"));
    m_dialogs = new TScriptedDialogs;
    m_scope = new TUserDialogsScope(*m_dialogs);
}

void TestMainForm::cleanup()
{
    ProgramWindows() = TProgramWindows();
    delete m_scope;
    delete m_dialogs;
    delete m_dir;
}

QString TestMainForm::CopyFixture(const QString &name)
{
    const QString path = m_dir->filePath(name);
    QFile::copy(FixturePath(QStringLiteral("sechs.RW")), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

void TestMainForm::captionAndActions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("FileNew1") << "FileNew1"
                              << "&Neuer Rundenwettkampf"
                              << "Neu"
                              << "Neuen Rundenwettkampf anlegen"
                              << QKeySequence(QStringLiteral("Ctrl+N"));
    QTest::newRow("Oeffnen") << "Oeffnen"
                             << "Ö&ffnen"
                             << "Öffnen"
                             << "Eine Datei öffnen" << QKeySequence(QStringLiteral("Ctrl+O"));
    QTest::newRow("FileSave1") << "FileSave1"
                               << "&Speichern"
                               << "Speichern"
                               << "Aktuelle Rundenwettkampf speichern"
                               << QKeySequence(QStringLiteral("Ctrl+S"));
    QTest::newRow("Senden") << "Senden"
                            << "Email"
                            << "Speichern +  Email versenden"
                            << "Speichern +  Email versenden" << QKeySequence();
    QTest::newRow("Filedrucken") << "Filedrucken"
                                 << "Drucken"
                                 << "Druck das Protokoll aus."
                                 << "Druck das Protokoll aus."
                                 << QKeySequence(QStringLiteral("Ctrl+P"));
    QTest::newRow("ActionHileOnline") << "ActionHileOnline"
                                      << "Hilfe"
                                      << "Hilfe"
                                      << "" << QKeySequence(QStringLiteral("F1"));
    QTest::newRow("FileOpen1") << "FileOpen1"
                               << "Ö&ffnen eines RW"
                               << "Öffnen"
                               << "Bestehenden Wettkampf öffnen" << QKeySequence();
    QTest::newRow("FileSaveAs1") << "FileSaveAs1"
                                 << "Speichern &unter..."
                                 << "Speichern unter"
                                 << "Eine Rundenwettkampf unter einem anderen Namen speichern"
                                 << QKeySequence();
    QTest::newRow("Kopfdaten") << "Kopfdaten"
                               << "Kopfdaten"
                               << "Wettkampf-Kopfdaten"
                               << "Wettkampf-Kopfdaten" << QKeySequence();
    QTest::newRow("Gastmannschaft") << "Gastmannschaft"
                                    << "Gastmannschaft"
                                    << "Gastmannschaft"
                                    << "Gastmannschaft" << QKeySequence();
    QTest::newRow("Sortieren") << "Sortieren"
                               << "Sortieren"
                               << "Nach Ergebnis sortieren"
                               << "Nach Ergebnis sortieren" << QKeySequence();
    QTest::newRow("Heimmannschaften") << "Heimmannschaften"
                                      << "Heimmannschaften"
                                      << "Heimmannschaften erstellen"
                                      << "Heimmannschaften erstellen" << QKeySequence();
    QTest::newRow("WindowCascade1") << "WindowCascade1"
                                    << "Ü&berlappend"
                                    << "Überlappend"
                                    << "Überlappend" << QKeySequence();
    QTest::newRow("WindowTileHorizontal1") << "WindowTileHorizontal1"
                                           << "Hori&zontal anordnen"
                                           << "Horizontal anordnen"
                                           << "Horizontal anordnen" << QKeySequence();
    QTest::newRow("WindowTileVertical1") << "WindowTileVertical1"
                                         << "&Vertikal anordnen"
                                         << "Vertikal anordnen"
                                         << "Vertikal anordnen" << QKeySequence();
    QTest::newRow("WindowMinimizeAll1") << "WindowMinimizeAll1"
                                        << "&Alle verkleinern"
                                        << "Alle verkleinern"
                                        << "Alle verkleinern" << QKeySequence();
    QTest::newRow("Beenden") << "Beenden"
                             << "&Beenden"
                             << "Beenden"
                             << "Das Programm beenden" << QKeySequence();
}

void TestMainForm::captionAndActions()
{
    QFETCH(QString, action);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(QString, statusTip);
    QFETCH(QKeySequence, shortcut);
    TMainForm form(m_clock);
    QCOMPARE(form.windowTitle(), QStringLiteral("Tarvenn - Rundenwettkampfprogramm  "));
    const QHash<QString, QAction *> actions {{"FileNew1", form.FileNew1},
                                             {"Oeffnen", form.Oeffnen},
                                             {"FileSave1", form.FileSave1},
                                             {"Senden", form.Senden},
                                             {"Filedrucken", form.Filedrucken},
                                             {"ActionHileOnline", form.ActionHileOnline},
                                             {"Beenden", form.Beenden},
                                             {"FileOpen1", form.FileOpen1},
                                             {"FileSaveAs1", form.FileSaveAs1},
                                             {"Kopfdaten", form.Kopfdaten},
                                             {"Gastmannschaft", form.Gastmannschaft},
                                             {"Sortieren", form.Sortieren},
                                             {"Heimmannschaften", form.Heimmannschaften},
                                             {"WindowCascade1", form.WindowCascade1},
                                             {"WindowTileHorizontal1", form.WindowTileHorizontal1},
                                             {"WindowTileVertical1", form.WindowTileVertical1},
                                             {"WindowMinimizeAll1", form.WindowMinimizeAll1}};
    const QAction *a = actions.value(action);
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->toolTip(), toolTip);
    QCOMPARE(a->statusTip(), statusTip);
    QCOMPARE(a->shortcut(), shortcut);
}

void TestMainForm::menusInOrder()
{
    TMainForm form(m_clock);
    QCOMPARE(Captions(form.DateiMenu()->actions()),
             QStringList({"&Neuer Rundenwettkampf", "Ö&ffnen", "S&chließen", "&Speichern",
                          "Speichern &unter...", "-", "Export Onlinemelder", "-", "E-Mail senden",
                          "-", "Drucken", "-", "&Beenden"}));
    QCOMPARE(Captions(form.FensterMenu()->actions()),
             QStringList({"Ü&berlappend", "Hori&zontal anordnen", "&Vertikal anordnen",
                          "&Alle verkleinern"}));
    QCOMPARE(form.DateiMenu()->menuAction()->statusTip(), QStringLiteral("Dateibefehle"));
}

void TestMainForm::toolbarHasItsOwnHints()
{
    TMainForm form(m_clock);
    const QList<QAction *> items = form.ToolBar()->actions();
    QCOMPARE(Captions(items),
             QStringList({"&Neuer Rundenwettkampf", "Ö&ffnen eines RW", "-", "&Speichern", "Email",
                          "Drucken", "Kopfdaten", "Gastmannschaft", "Sortieren", "-",
                          "Heimmannschaften", "-", "Ü&berlappend", "&Vertikal anordnen",
                          "Hori&zontal anordnen", "&Alle verkleinern", "-", "Hilfe"}));
    QCOMPARE(items[5]->toolTip(), QStringLiteral("Protokolldruck"));
    QCOMPARE(items[10]->toolTip(), QStringLiteral("Heimmannschaften"));
    QCOMPARE(items[10]->statusTip(), QStringLiteral("Heimmannschaften erstellen oder ändern"));
    // The toolbar's own items follow the action they stand for.
    QCOMPARE(items[5]->isEnabled(), form.Filedrucken->isEnabled());
    form.Filedrucken->setEnabled(!form.Filedrucken->isEnabled());
    QCOMPARE(items[5]->isEnabled(), form.Filedrucken->isEnabled());
}

void TestMainForm::enableRulesWithoutWindow()
{
    TMainForm form(m_clock);
    for (QAction *a : {form.FileSave1, form.FileSaveAs1, form.Filedrucken, form.Senden,
                       form.Kopfdaten, form.Gastmannschaft, form.Sortieren, form.EmailSenden})
        QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
    for (QAction *a : {form.FileNew1, form.FileOpen1, form.Oeffnen, form.ExportOnlinemelder,
                       form.Heimmannschaften, form.WindowCascade1, form.Schlieen1})
        QVERIFY2(a->isEnabled(), qPrintable(a->text()));
}

void TestMainForm::enableRulesFollowActiveWindow()
{
    TMainForm form(m_clock);
    form.show();
    form.HistoryClick(CopyFixture(QStringLiteral("a.RW")));
    TMDIChild *child = form.ActiveChild();
    QVERIFY(child);
    QVERIFY(!form.FileSave1->isEnabled());
    QVERIFY(form.FileSaveAs1->isEnabled());
    QVERIFY(form.Kopfdaten->isEnabled());
    QVERIFY(form.Sortieren->isEnabled()); // the fixture allows sorting
    child->SetModified(true);
    QVERIFY(form.FileSave1->isEnabled());

    m_dialogs->QueueAnswer(TMsgAnswer::No);
    form.Schlieen1->trigger();
    Settle();
    QVERIFY(form.Children().isEmpty());
    QVERIFY(!form.FileSave1->isEnabled());
    QVERIFY(!form.FileSaveAs1->isEnabled());
    QVERIFY(!form.Sortieren->isEnabled());
}

void TestMainForm::exportWithoutWindowDoesNothing()
{
    TMainForm form(m_clock);
    form.ExportOnlinemelder->trigger();
    form.FileSave1->setEnabled(true);
    form.FileSave1->trigger();
    QVERIFY(m_dialogs->Events().isEmpty());
}

void TestMainForm::openAsksForTenthRings_data()
{
    QTest::addColumn<TMsgAnswer>("answer");
    QTest::addColumn<QString>("ringformat");
    QTest::newRow("Ja") << TMsgAnswer::Yes << RingformatZehntel;
    QTest::newRow("Nein") << TMsgAnswer::No << RingformatGanz;
}

void TestMainForm::openAsksForTenthRings()
{
    QFETCH(TMsgAnswer, answer);
    QFETCH(QString, ringformat);
    TMainForm form(m_clock);
    const QString path = CopyFixture(QStringLiteral("a.RW"));
    m_dialogs->QueueFileName(path);
    m_dialogs->QueueAnswer(answer);
    form.Oeffnen->trigger();

    const TFileDialogOptions &options = m_dialogs->Events().first().file;
    QCOMPARE(options.filter, QStringLiteral("Rundenwettkampf|*.RW"));
    QCOMPARE(options.defaultExt, QStringLiteral("RW"));
    QCOMPARE(options.initialDir, m_dir->path());
    const TMessage &question = m_dialogs->Events().at(1).message;
    QCOMPARE(question.text, QStringLiteral("Anzeige in Zehntelringe?"));
    QCOMPARE(question.icon, TMsgIcon::Confirmation);
    QCOMPARE(question.buttons, TMsgButtons::YesNo);

    QCOMPARE(form.Children().size(), 1);
    const TMDIChild *child = form.ActiveChild();
    QCOMPARE(child->Wettkampf().Ringformat, ringformat);
    QCOMPARE(child->Wettkampf().Dateiname, path);
    QCOMPARE(child->windowTitle(), QStringLiteral("a.RW"));
    QVERIFY(child->parentWidget()->isMaximized());
}

void TestMainForm::openTwiceShowsMessage()
{
    TMainForm form(m_clock);
    const QString path = CopyFixture(QStringLiteral("a.RW"));
    m_dialogs->QueueFileName(path);
    m_dialogs->QueueAnswer(TMsgAnswer::No);
    form.FileOpen1->trigger();
    m_dialogs->Clear();
    m_dialogs->QueueFileName(path);
    form.FileOpen1->trigger();
    QCOMPARE(m_dialogs->Messages(), QStringList {path + QStringLiteral(" ist bereitsgeöffnet!!")});
    QCOMPARE(form.Children().size(), 1);
}

void TestMainForm::historyEntries()
{
    TMainForm form(m_clock);
    Setupdaten().History[1] = QStringLiteral("/daten/eins.RW");
    Setupdaten().History[3] = QStringLiteral("/daten/drei.RW");
    form.BuildHistoryMenu();
    form.BuildHistoryMenu();
    QCOMPARE(HistoryItems(form), QStringList({"-", "/daten/eins.RW", "/daten/drei.RW"}));

    Setupdaten().History = {};
    form.BuildHistoryMenu();
    QCOMPARE(HistoryItems(form), QStringList {"-"});
}

void TestMainForm::historyClickOpensSecondWindow()
{
    TMainForm form(m_clock);
    const QString path = CopyFixture(QStringLiteral("a.RW"));
    m_dialogs->QueueFileName(path);
    m_dialogs->QueueAnswer(TMsgAnswer::Yes);
    form.FileOpen1->trigger();
    m_dialogs->Clear();

    Setupdaten().History[1] = path;
    form.BuildHistoryMenu();
    const QList<QAction *> items = form.DateiMenu()->actions();
    items.last()->trigger();
    QVERIFY(m_dialogs->Events().isEmpty());
    QCOMPARE(form.Children().size(), 2);
    QCOMPARE(form.ActiveChild()->Wettkampf().Dateiname, path);
    QCOMPARE(form.ActiveChild()->Wettkampf().Ringformat, RingformatGanz);
}

void TestMainForm::activationRebuildsHistory()
{
    TMainForm form(m_clock);
    Setupdaten().History[2] = QStringLiteral("/daten/zwei.RW");
    m_clock.Set(5000);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &activate);
    QCOMPARE(HistoryItems(form), QStringList({"-", "/daten/zwei.RW"}));
    QCOMPARE(form.AktivZeit(), 5000u);
    m_clock.Set(9000);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&form, &deactivate);
    QCOMPARE(form.AktivZeit(), 9000u);
}

void TestMainForm::newCompetitionsAreNumbered()
{
    TMainForm form(m_clock);
    QStringList seen;
    TModalHandlerScope modal([&](QDialog &dialog) {
        seen.append(dialog.metaObject()->className());
        return int(QDialog::Accepted);
    });
    for (int i = 0; i < 2; ++i) {
        m_dialogs->QueueAnswer(TMsgAnswer::No);
        form.FileNew1->trigger();
    }
    QCOMPARE(seen, QStringList({"TFopenform", "TFopenform"}));
    QCOMPARE(form.Children().size(), 2);
    QCOMPARE(form.Children()[0]->windowTitle(), QStringLiteral("Unbenannt1"));
    QCOMPARE(form.Children()[1]->Wettkampf().Dateiname, QStringLiteral("Unbenannt2"));
    QVERIFY(form.Children()[1]->Wettkampf().Geaendert);
    QVERIFY(form.FileSave1->isEnabled());
}

void TestMainForm::cancelledNewCompetitionClosesWindow()
{
    TMainForm form(m_clock);
    TModalHandlerScope modal([](QDialog &) { return int(QDialog::Rejected); });
    m_dialogs->QueueAnswer(TMsgAnswer::Yes);
    form.FileNew1->trigger();
    Settle();
    QVERIFY(form.Children().isEmpty());
    QVERIFY(form.MdiArea()->subWindowList().isEmpty());
    QCOMPARE(m_dialogs->Messages(), QStringList {QStringLiteral("Anzeige in Zehntelringe?")});
}

void TestMainForm::tileWindows_data()
{
    QTest::addColumn<bool>("aboveEachOther");
    QTest::newRow("horizontal: one above the other") << true;
    QTest::newRow("vertical: side by side") << false;
}

void TestMainForm::tileWindows()
{
    QFETCH(bool, aboveEachOther);
    TMainForm form(m_clock);
    form.resize(1000, 800);
    form.show();
    for (const QString &name : {QStringLiteral("a.RW"), QStringLiteral("b.RW")})
        form.HistoryClick(CopyFixture(name));
    (aboveEachOther ? form.WindowTileHorizontal1 : form.WindowTileVertical1)->trigger();
    const QList<QMdiSubWindow *> frames = form.MdiArea()->subWindowList();
    const QRect area = form.MdiArea()->viewport()->rect();
    QCOMPARE(frames.size(), 2);
    const QRect first = frames[0]->geometry();
    const QRect second = frames[1]->geometry();
    if (aboveEachOther) {
        QCOMPARE(first, QRect(0, 0, area.width(), area.height() / 2));
        QCOMPARE(second.top(), first.bottom() + 1);
        QCOMPARE(second.width(), area.width());
    } else {
        QCOMPARE(first, QRect(0, 0, area.width() / 2, area.height()));
        QCOMPARE(second.left(), first.right() + 1);
        QCOMPARE(second.height(), area.height());
    }
    form.WindowMinimizeAll1->trigger();
    QVERIFY(frames[0]->isMinimized() && frames[1]->isMinimized());
}

void TestMainForm::endQuestionOnlyRightAfterActivation_data()
{
    QTest::addColumn<quint32>("elapsed");
    QTest::addColumn<TMsgAnswer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closes");
    QTest::newRow("2000 ms, Ja") << 2000u << TMsgAnswer::Yes << true << true;
    QTest::newRow("2000 ms, Nein") << 2000u << TMsgAnswer::No << true << false;
    QTest::newRow("2001 ms") << 2001u << TMsgAnswer::No << false << true;
}

void TestMainForm::endQuestionOnlyRightAfterActivation()
{
    QFETCH(quint32, elapsed);
    QFETCH(TMsgAnswer, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closes);
    TMainForm form(m_clock);
    form.show();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &activate);
    m_clock.Advance(elapsed);
    if (asked)
        m_dialogs->QueueAnswer(answer);
    QCOMPARE(form.close(), closes);
    const QStringList expected =
            asked ? QStringList {QStringLiteral("Programm beenden ?")} : QStringList();
    QCOMPARE(m_dialogs->Messages(), expected);
    QCOMPARE(m_dialogs->Unanswered(), 0);
}

void TestMainForm::historyWrittenAtEnd()
{
    TMainForm form(m_clock);
    m_clock.Advance(5000);
    Setupdaten().History[1] = QStringLiteral("/daten/eins.RW");
    QVERIFY(form.close());
    const QByteArray ini = ReadFileBytes(SetupFileName());
    QVERIFY(ini.contains("[History]\r\n"));
    QVERIFY(ini.contains("1=/daten/eins.RW\r\n"));
}

void TestMainForm::refusedChildCloseCancelsEnd()
{
    TMainForm form(m_clock);
    form.show();
    for (const QString &name : {QStringLiteral("a.RW"), QStringLiteral("b.RW")})
        form.HistoryClick(CopyFixture(name));
    m_clock.Advance(5000);
    form.Children()[0]->SetModified(true);
    form.Children()[1]->SetModified(true);
    Setupdaten().History[1] = QStringLiteral("/daten/eins.RW");
    m_dialogs->QueueAnswer(TMsgAnswer::No); // the active window, b.RW, closes
    m_dialogs->QueueAnswer(TMsgAnswer::Cancel); // a.RW stays
    QVERIFY(!form.close());
    Settle();
    QCOMPARE(m_dialogs->Messages(),
             QStringList({QStringLiteral("Möchten Sie die Änderrungen In b.RW speichern ?"),
                          QStringLiteral("Möchten Sie die Änderrungen In a.RW speichern ?")}));
    QCOMPARE(form.Children().size(), 1);
    QCOMPARE(form.ActiveChild()->windowTitle(), QStringLiteral("a.RW"));
    QVERIFY(form.isVisible());
    QVERIFY(ReadFileBytes(SetupFileName()).contains("1=/daten/eins.RW"));
}

// Ending the program with a changed competition: "Yes" saves it before the program ends.
void TestMainForm::endSavesWhatTheUserWantsSaved()
{
    TMainForm form(m_clock);
    form.show();
    const QString path = CopyFixture(QStringLiteral("a.RW"));
    form.HistoryClick(path);
    m_clock.Advance(5000);
    TMDIChild *child = form.ActiveChild();
    child->Wettkampf().Heim.Name = QStringLiteral("Geänderte Mannschaft");
    child->SetModified(true);
    m_dialogs->QueueAnswer(TMsgAnswer::Yes);
    QVERIFY(form.close());
    Settle();
    QCOMPARE(m_dialogs->Messages(),
             QStringList {QStringLiteral("Möchten Sie die Änderrungen In a.RW speichern ?")});
    QVERIFY(form.Children().isEmpty());
    Competition saved;
    saved.Dateiname = path;
    QVERIFY(LoadCompetition(saved));
    QCOMPARE(saved.Heim.Name, QStringLiteral("Geänderte Mannschaft"));
}

void TestMainForm::windowMenuListsCompetitions()
{
    TMainForm form(m_clock);
    form.show();
    for (const QString &name : {QStringLiteral("a.RW"), QStringLiteral("b.RW")})
        form.HistoryClick(CopyFixture(name));
    emit form.FensterMenu()->aboutToShow();
    const QList<QAction *> items = form.FensterMenu()->actions();
    QCOMPARE(Captions(items, 4), QStringList({"-", "&1 a.RW", "&2 b.RW"}));
    QVERIFY(!items[5]->isChecked());
    QVERIFY(items[6]->isChecked());
    items[5]->trigger();
    QCOMPARE(form.ActiveChild()->windowTitle(), QStringLiteral("a.RW"));
}

void TestMainForm::sortLeavesModifiedAlone()
{
    TMainForm form(m_clock);
    form.HistoryClick(CopyFixture(QStringLiteral("a.RW")));
    const TMDIChild *child = form.ActiveChild();
    form.Sortieren->trigger();
    QVERIFY(!child->Wettkampf().Geaendert);
    QCOMPARE(child->Wettkampf().Heim.Teilnehmer[1].Name, QStringLiteral("Adler, Anna"));
    QCOMPARE(child->StringGrid1->item(2, 2)->text(), QStringLiteral("366"));
    // Einzel, Eva (99) moves into the team, Conrad, Carl (88) out of it.
    QCOMPARE(child->StringGrid1->item(0, 2)->text(), QStringLiteral("849"));
}

void TestMainForm::programWindowsShownModally()
{
    TMainForm form(m_clock);
    TFEinstellung einstellung;
    TFormsetupAuswertung setup;
    TAboutBox about;
    ProgramWindows().einstellung = &einstellung;
    ProgramWindows().setup = &setup;
    ProgramWindows().about = &about;
    QStringList shown;
    TModalHandlerScope modal([&](QDialog &dialog) {
        shown.append(dialog.metaObject()->className());
        return int(QDialog::Rejected);
    });
    const auto item = [&](const QString &caption) {
        for (QAction *menu : form.menuBar()->actions()) {
            for (QAction *a : menu->menu()->actions()) {
                if (a->text() == caption)
                    return a;
            }
        }
        return static_cast<QAction *>(nullptr);
    };
    form.Heimmannschaften->trigger();
    item(QStringLiteral("Optionen"))->trigger();
    item(QStringLiteral("&Info..."))->trigger();
    QCOMPARE(shown, QStringList({"TFEinstellung", "TFormsetupAuswertung", "TAboutBox"}));

    ProgramWindows() = TProgramWindows();
    form.Heimmannschaften->trigger();
    QCOMPARE(shown.size(), 3);
}

void TestMainForm::helpOpensTopicTenThenContents()
{
    class TRecordingHelp : public THelp
    {
    public:
        void ShowContext(int context) override { calls.append(QString::number(context)); }
        void ShowTopic(const QString &topic) override { calls.append(topic); }
        void ShowContents() override { calls.append(QStringLiteral("Inhalt")); }
        void ShowHelpOnHelp() override { calls.append(QStringLiteral("Hilfe zur Hilfe")); }
        QStringList calls;
    } help;
    TMainForm form(m_clock);
    form.ActionHileOnline->trigger();
    ProgramWindows().help = &help;
    form.ActionHileOnline->trigger();
    QCOMPARE(help.calls, QStringList({"10", "Inhalt"}));
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
