#include "base/scripteddialogs.h"
#include "machine/disagparameterstring.h"
#include "settings/hometeamfile.h"
#include "settings/setupdaten.h"
#include "testsupport.h"
#include "ui/disagdialog.h"
#include "ui/help.h"
#include "ui/hometeamdialog.h"
#include "ui/hometeamselection.h"
#include "ui/modal.h"
#include "ui/programwindows.h"
#include "ui/shootergrid.h"
#include "ui/updownedit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <memory>

Q_DECLARE_METATYPE(TMsgAnswer)

namespace {

const QString TeamFile = QStringLiteral("RWSetup.ini");

class TRecordingHelp : public THelp
{
public:
    void ShowContext(int context) override
    {
        calls.append(QStringLiteral("context %1").arg(context));
    }
    void ShowTopic(const QString &topic) override { calls.append(topic); }
    void ShowContents() override { calls.append(QStringLiteral("contents")); }
    void ShowHelpOnHelp() override { calls.append(QStringLiteral("help on help")); }
    QStringList calls;
};

// A home team file copied into a fresh folder, the dialog on it, scripted answers and a
// program window list with a DISAG dialog.
class TFixture
{
public:
    explicit TFixture(const QString &fixture = QString())
        : m_path(m_dir.filePath(TeamFile)), m_scope(dialogs), m_saved(ProgramWindows())
    {
        if (!fixture.isEmpty())
            WriteFileBytes(m_path, ReadFileBytes(FixturePath(fixture)));
        Setupdaten().Vereinsname = QStringLiteral("SV Tell");
        ProgramWindows().disag = &disag;
        ProgramWindows().help = &help;
        dialog = std::make_unique<TFEinstellung>(nullptr, m_path);
    }
    ~TFixture()
    {
        dialog.reset();
        ProgramWindows() = m_saved;
    }

    QByteArray Bytes() const
    {
        return QFile::exists(m_path) ? ReadFileBytes(m_path) : QByteArray();
    }
    THomeTeamFile File() const { return THomeTeamFile(m_path); }

    // "Mannschaft ändern", choosing `section` in the home team selection.
    void Open(const QString &section)
    {
        TModalHandlerScope pick([&](QDialog &d) {
            auto *picker = qobject_cast<TFopenform *>(&d);
            if (!picker)
                return int(QDialog::Rejected);
            picker->SelectSection(section);
            return int(QDialog::Accepted);
        });
        dialog->MannschaftAendern();
    }

    template<class T>
    T *Child(const char *name) const
    {
        auto *child = dialog->findChild<T *>(QString::fromLatin1(name));
        Q_ASSERT(child);
        return child;
    }
    QLineEdit *Edit(const char *name) const { return Child<QLineEdit>(name); }
    TUpDownEdit *Spin(const char *name) const { return Child<TUpDownEdit>(name); }
    QComboBox *Combo(const char *name) const { return Child<QComboBox>(name); }
    TShooterGrid *Grid() const { return Child<TShooterGrid>("Schuetzen"); }
    QAction *Action(const char *name) const { return Child<QAction>(name); }
    bool EditingAreaShown() const
    {
        return Child<QWidget>("Bearbeitungsbereich")->isVisibleTo(dialog.get());
    }

    TScriptedDialogs dialogs;
    TFormDisageinstellung disag;
    TRecordingHelp help;
    std::unique_ptr<TFEinstellung> dialog;

private:
    QTemporaryDir m_dir;
    QString m_path;
    TUserDialogsScope m_scope;
    TProgramWindows m_saved;
};

QString Cell(const TFixture &f, int row, TShooterGrid::Column column)
{
    return f.Grid()->Cell(row, column);
}

} // namespace

// The window as it stands: menus, toolbar, hints, fields and the shooter grid.
class TestHomeTeamWindow : public QObject
{
    Q_OBJECT

private slots:
    void menuEntries_data();
    void menuEntries();
    void menuOrder();
    void toolbarOrder();
    void openingState();
    void statusBarShowsHints();
    void grid();
    void regularShootersInGreen();
    void help();
};

void TestHomeTeamWindow::menuEntries_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("statusTip");
    QTest::newRow("new") << "NeueMannschaft"
                         << "Neue Mannschaft" << QKeySequence("Ctrl+N") << "Neu"
                         << "Neue Mannschaft erstellen";
    QTest::newRow("open") << "MannschaftAendern"
                          << "Mannschaft ändern" << QKeySequence("Ctrl+O") << "Öffnen"
                          << "Eine Mannschaft öffnen";
    QTest::newRow("save") << "Speichern"
                          << "&Speichern" << QKeySequence("Ctrl+S") << "Speichern"
                          << "Mannschaft speichern";
    QTest::newRow("exit") << "Beenden"
                          << "&Beenden" << QKeySequence() << "Beenden"
                          << "Das Programm beenden";
    QTest::newRow("delete") << "Loeschen"
                            << "Löschen" << QKeySequence() << "Löschen"
                            << "Achtung!! Löscht die Daten dieser Mannschaft.";
    QTest::newRow("disag") << "DisagEinstellung"
                           << "Disag-Einstellung" << QKeySequence()
                           << "Einstellungen des Ringlesegerätes"
                           << "Einstellungen des Ringlesegerätes";
    QTest::newRow("disag button") << "DisagEinstellungWerkzeug"
                                  << "Disag-Einstellung" << QKeySequence()
                                  << "Einstellungen des Ringlesegerätes"
                                  << "Einstellungen des Ringlesegerätes";
}

void TestHomeTeamWindow::menuEntries()
{
    TFixture f;
    QFETCH(QString, action);
    QAction *a = f.Child<QAction>(action.toLatin1().constData());
    QTEST(a->text(), "text");
    QTEST(a->shortcut(), "shortcut");
    QTEST(a->toolTip(), "toolTip");
    QTEST(a->statusTip(), "statusTip");
}

void TestHomeTeamWindow::menuOrder()
{
    TFixture f;
    const QMenuBar *bar = f.dialog->findChild<QMenuBar *>();
    QStringList menus;
    for (QAction *menu : bar->actions()) {
        QStringList entries;
        for (QAction *entry : menu->menu()->actions())
            entries.append(entry->text());
        menus.append(menu->text() + u':' + entries.join(u'|'));
    }
    QCOMPARE(menus,
             QStringList({"&Datei:Neue Mannschaft|Mannschaft ändern|&Speichern|&Beenden",
                          "B&earbeiten:Löschen|Disag-Einstellung",
                          "?:&Inhalt und Index|Hilfe zum aktuellen Fenster  F1"}));
}

void TestHomeTeamWindow::toolbarOrder()
{
    TFixture f;
    QStringList texts;
    for (QAction *a : f.dialog->findChild<QToolBar *>()->actions())
        texts.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(texts,
             QStringList({"Neue Mannschaft", "Mannschaft ändern", "&Speichern", "-", "Löschen", "-",
                          "Disag-Einstellung"}));
    QCOMPARE(f.dialog->findChild<QToolBar *>()->actions().last(),
             f.Action("DisagEinstellungWerkzeug"));
}

void TestHomeTeamWindow::openingState()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.dialog->show();
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Heimmannschaften festlegen"));
    QVERIFY(!f.EditingAreaShown());
    QVERIFY(!f.Action("Speichern")->isEnabled());
    QVERIFY(!f.Action("Loeschen")->isEnabled());
    QVERIFY(!f.Action("DisagEinstellungWerkzeug")->isEnabled());
    QVERIFY(f.Action("DisagEinstellung")->isEnabled());
    QCOMPARE(f.Edit("Vereinsname")->text(), QStringLiteral("SV Tell"));
    QVERIFY(f.Edit("Vereinsname")->isReadOnly());
    QCOMPARE(f.Edit("Klasse")->text(), QStringLiteral("Schützenklasse"));
    QCOMPARE(f.Edit("Gruppe")->text(), QStringLiteral("A"));
    QCOMPARE(f.Edit("Liga")->text(), QStringLiteral("Bezirksoberliga"));
    QCOMPARE(f.Edit("Mann_ident")->text(), QString());
    QCOMPARE(f.Spin("Mannschaftstaerke")->Text(), QStringLiteral("4"));
    QCOMPARE(f.Spin("OMannschafts")->Text(), QStringLiteral("0"));
    QVERIFY(!f.Child<QCheckBox>("Sortieren")->isChecked());
    QCOMPARE(f.Combo("Schussanzahl")->currentIndex(), -1);
    QCOMPARE(f.Combo("Schussanzahl_Serie")->currentIndex(), -1);
    QCOMPARE(f.Grid()->currentRow(), 0);
    QVERIFY(!f.dialog->Modified());

    // Reopened after a team was open: the editing area is hidden, save keeps its state.
    f.Open(QStringLiteral("2"));
    QVERIFY(f.Action("Loeschen")->isEnabled());
    f.dialog->close();
    Setupdaten().Vereinsname = QStringLiteral("SG Neu");
    f.dialog->show();
    QVERIFY(!f.EditingAreaShown());
    QVERIFY(f.Action("Speichern")->isEnabled());
    QVERIFY(!f.Action("Loeschen")->isEnabled());
    QVERIFY(!f.Action("DisagEinstellungWerkzeug")->isEnabled());
    QCOMPARE(f.Edit("Vereinsname")->text(), QStringLiteral("SG Neu"));
}

void TestHomeTeamWindow::statusBarShowsHints()
{
    TFixture f;
    f.dialog->show();
    f.dialog->NeueMannschaft();
    auto *status = f.dialog->findChild<QStatusBar *>();
    const auto hover = [](QWidget *w) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(w, &enter);
    };
    hover(f.Spin("Mannschaftstaerke"));
    QCOMPARE(status->currentMessage(), QStringLiteral("Anzahl 2 .. 8 möglich."));
    hover(f.Spin("OMannschafts"));
    QCOMPARE(status->currentMessage(), QStringLiteral("Reserveschützen 0 .. 6 möglich"));
    hover(f.Child<QCheckBox>("Sortieren"));
    QCOMPARE(status->currentMessage(),
             QStringLiteral("Sortierung nach Ergebnis: Die schlechtesten Schützen gehen evtl. "
                            "nicht in das Mannschaftsergebnis ein."));
    hover(f.Combo("Schussanzahl"));
    QCOMPARE(status->currentMessage(), QStringLiteral("20 .. 60 möglich"));
    hover(f.Combo("Schussanzahl_Serie"));
    QCOMPARE(status->currentMessage(), QStringLiteral("5, 10, 12, 15 möglich"));
    hover(status);
    QCOMPARE(status->currentMessage(),
             QStringLiteral("Erlaubt die Sortierung der Schützen. Die schlechtesten Schützen "
                            "fallen evtl. aus dem Mannschaftsergebnis"));
    f.Action("Loeschen")->showStatusText(f.dialog->findChild<QMenuBar *>());
    QCOMPARE(status->currentMessage(),
             QStringLiteral("Achtung!! Löscht die Daten dieser Mannschaft."));
}

void TestHomeTeamWindow::grid()
{
    TFixture f;
    TShooterGrid *grid = f.Grid();
    QCOMPARE(grid->rowCount(), 49);
    QCOMPARE(grid->columnCount(), 3);
    QStringList headers;
    for (int c = 0; c < 3; ++c)
        headers.append(grid->horizontalHeaderItem(c)->text());
    QCOMPARE(headers, QStringList({"Name, Vorname", "Paßnummer", "Bemerkung"}));
    QCOMPARE(grid->rowHeight(0), 16);
    QCOMPARE(grid->rowHeight(48), 16);
    QCOMPARE(grid->columnWidth(0), grid->fontMetrics().horizontalAdvance(QString(39, u'0')));
    QCOMPARE(grid->columnWidth(1), grid->fontMetrics().horizontalAdvance("Paßnummer "));
    QCOMPARE(grid->columnWidth(2), 279 * grid->logicalDpiX() / 96);
    QVERIFY(grid->tabKeyNavigation());
}

void TestHomeTeamWindow::regularShootersInGreen()
{
    TFixture f;
    TShooterGrid *grid = f.Grid();
    const QColor green(0, 128, 0);
    f.Spin("Mannschaftstaerke")->SetText(QStringLiteral("3"));
    QCOMPARE(grid->TextColor(3, false), green);
    QCOMPARE(grid->TextColor(4, false), QColor(Qt::black));
    QCOMPARE(grid->TextColor(1, true), QColor(Qt::white));
    f.Spin("Mannschaftstaerke")->SetText(QStringLiteral("5"));
    QCOMPARE(grid->TextColor(5, false), green);
    // Without a number in the field no row counts as regular.
    f.Spin("Mannschaftstaerke")->SetText(QStringLiteral("x"));
    QCOMPARE(grid->TextColor(1, false), QColor(Qt::black));

    // The painted text carries the colour.
    f.Spin("Mannschaftstaerke")->SetText(QStringLiteral("1"));
    grid->SetCell(1, TShooterGrid::NameColumn, QStringLiteral("MMMMMMMM"));
    grid->SetCell(2, TShooterGrid::NameColumn, QStringLiteral("MMMMMMMM"));
    grid->setCurrentCell(5, 2);
    grid->resize(700, 300);
    const QImage image = grid->viewport()->grab().toImage();
    const auto colours = [&](int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QSet<QRgb> found;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x < cell.left() + 60; ++x)
                found.insert(image.pixel(x, y) & 0xffffff);
        return found;
    };
    QVERIFY(colours(0).contains(green.rgb() & 0xffffff));
    QVERIFY(!colours(1).contains(green.rgb() & 0xffffff));
    QVERIFY(colours(1).contains(0));
}

void TestHomeTeamWindow::help()
{
    TFixture f;
    f.dialog->show();
    f.dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
    f.Action("InhaltUndIndex")->trigger();
    f.Action("HilfeZumFenster")->trigger();
    QTest::keyClick(f.dialog.get(), Qt::Key_F1);
    QCOMPARE(f.help.calls, QStringList({"contents", "context 20", "context 20"}));
    ProgramWindows().help = nullptr;
    f.Action("HilfeZumFenster")->trigger();
    QCOMPARE(f.help.calls.size(), 3);
}

// New, open, save, delete, the DISAG parameters and closing, with the file after each.
class TestHomeTeamEditing : public QObject
{
    Q_OBJECT

private slots:
    void newTeam_data();
    void newTeam();
    void newTeamKeepsTemplate();
    void openTeam();
    void openCancelled();
    void unmatchedStoredShotsKeepSelection();
    void saveChecks_data();
    void saveChecks();
    void saveRewritesTeam();
    void saveNewTeamKeyOrder();
    void disagQuestion_data();
    void disagQuestion();
    void disagSetting_data();
    void disagSetting();
    void deleteTeam_data();
    void deleteTeam();
    void closeQuestion_data();
    void closeQuestion();
    void closeDropsRefusedChanges();
    void modifiedFlag_data();
    void modifiedFlag();
    void cellEditorsGuardEntries();
    void failedWriteKeepsChanges();
    void switchingOffersSave();
    void refusedSaveKeepsTeamOpen();
    void labelStartsNewTeam();
};

void TestHomeTeamEditing::newTeam_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("section");
    QTest::newRow("missing file") << ""
                                  << "1";
    QTest::newRow("1, 2, 5") << "RWSetup-125.ini"
                             << "6";
    QTest::newRow("last is A") << "RWSetup-A.ini"
                               << "1";
    QTest::newRow("1 then A: 1 is taken") << "RWSetup-1A.ini"
                                          << "2";
}

void TestHomeTeamEditing::newTeam()
{
    QFETCH(QString, fixture);
    TFixture f(fixture);
    const QByteArray before = f.Bytes();
    f.dialog->show();
    f.dialog->NeueMannschaft();
    QTEST(f.dialog->TeamSection(), "section");
    QCOMPARE(f.Edit("Bezeichnung")->text(), QStringLiteral("unbenannt"));
    QCOMPARE(f.Combo("Schussanzahl")->currentText(), QStringLiteral("40"));
    QCOMPARE(f.Combo("Schussanzahl_Serie")->currentText(), QStringLiteral("10"));
    QVERIFY(f.EditingAreaShown());
    QVERIFY(f.Action("Speichern")->isEnabled());
    QVERIFY(f.Action("DisagEinstellungWerkzeug")->isEnabled());
    QVERIFY(!f.Action("Loeschen")->isEnabled());
    QVERIFY(f.dialog->DisagPending());
    QCOMPARE(f.Bytes(), before);
}

void TestHomeTeamEditing::newTeamKeepsTemplate()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.Open(QStringLiteral("2"));
    f.dialog->NeueMannschaft();
    QCOMPARE(f.dialog->TeamSection(), QStringLiteral("6"));
    for (int row : {1, 2, 5, 50}) {
        QCOMPARE(Cell(f, row, TShooterGrid::NameColumn), QString());
        QCOMPARE(Cell(f, row, TShooterGrid::PassColumn), QString());
    }
    QCOMPARE(Cell(f, 1, TShooterGrid::RemarkColumn), QStringLiteral("Langer Bem"));
    QCOMPARE(Cell(f, 5, TShooterGrid::RemarkColumn), QStringLiteral("Jugend"));
    QCOMPARE(f.Edit("Liga")->text(), QStringLiteral("Kreisliga"));
    QCOMPARE(f.Spin("OMannschafts")->Text(), QStringLiteral("2"));
    QCOMPARE(f.dialog->DisagString(), QStringLiteral("SCH=LG10;RIA=ZR;SSC=1;SZI=10;SGE=30;"));
}

void TestHomeTeamEditing::openTeam()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.dialog->show();
    f.Open(QStringLiteral("2"));
    QCOMPARE(f.dialog->TeamSection(), QStringLiteral("2"));
    QVERIFY(f.EditingAreaShown());
    QVERIFY(f.Action("Speichern")->isEnabled());
    QVERIFY(f.Action("Loeschen")->isEnabled());
    QVERIFY(f.Action("DisagEinstellungWerkzeug")->isEnabled());
    QVERIFY(!f.dialog->Modified());
    QCOMPARE(f.Edit("Mann_ident")->text(), QStringLiteral("12345678"));
    QCOMPARE(f.Edit("Bezeichnung")->text(), QStringLiteral("Luftgewehr II"));
    QCOMPARE(f.Edit("Klasse")->text(), QStringLiteral("Schützenklasse"));
    QCOMPARE(f.Edit("Gruppe")->text(), QStringLiteral("B"));
    QCOMPARE(f.Edit("Liga")->text(), QStringLiteral("Kreisliga"));
    QCOMPARE(f.Spin("Mannschaftstaerke")->Text(), QStringLiteral("2"));
    QCOMPARE(f.Spin("OMannschafts")->Text(), QStringLiteral("2"));
    QVERIFY(f.Child<QCheckBox>("Sortieren")->isChecked());
    QCOMPARE(f.Combo("Schussanzahl")->currentText(), QStringLiteral("30"));
    QCOMPARE(f.Combo("Schussanzahl_Serie")->currentText(), QStringLiteral("10"));
    QCOMPARE(f.dialog->DisagString(), QStringLiteral("SCH=LG10;RIA=ZR;SSC=1;SZI=10;SGE=30;"));

    const QList<QStringList> rows {{"Müller, Hans", "0815", "Langer Bem"},
                                   {"Schäfer, Eva", "", "Nur Bemerk"},
                                   {"", "4711", ""},
                                   {"", "", ""},
                                   {"Weber, Jörg", "1234", "Jugend"}};
    for (int r = 0; r < rows.size(); ++r) {
        const TShooterEntry e = f.Grid()->Entry(r + 1);
        QCOMPARE(QStringList({e.name, e.passnr, e.bemerkung}), rows[r]);
    }

    // Defaults of a team with almost no keys.
    f.Open(QStringLiteral("1"));
    QCOMPARE(f.Edit("Klasse")->text(), QStringLiteral("S"));
    QCOMPARE(f.Edit("Gruppe")->text(), QString());
    QCOMPARE(f.Spin("OMannschafts")->Text(), QStringLiteral("0"));
    QCOMPARE(f.Combo("Schussanzahl")->currentText(), QStringLiteral("40"));
    QCOMPARE(f.Grid()->Entry(3).name, QString());
    QCOMPARE(f.Grid()->Entry(50).name, QString());
}

void TestHomeTeamEditing::openCancelled()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.dialog->show();
    f.Edit("Klasse")->setText(QStringLiteral("Jugend"));
    QVERIFY(f.dialog->Modified());
    f.dialogs.QueueAnswer(TMsgAnswer::No);
    TModalHandlerScope cancel([](QDialog &) { return int(QDialog::Rejected); });
    f.dialog->MannschaftAendern();
    QCOMPARE(f.dialogs.Messages(), QStringList({"Aktuelle Mannschaft speichern?"}));
    QVERIFY(!f.EditingAreaShown());
    QVERIFY(!f.Action("Speichern")->isEnabled());
    QVERIFY(!f.Action("Loeschen")->isEnabled());
    QCOMPARE(f.Edit("Klasse")->text(), QStringLiteral("Jugend"));
    QVERIFY(!f.dialog->Modified());
}

void TestHomeTeamEditing::unmatchedStoredShotsKeepSelection()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.Open(QStringLiteral("2"));
    f.Open(QStringLiteral("5"));
    QCOMPARE(f.Edit("Bezeichnung")->text(), QStringLiteral("Fünfte"));
    QCOMPARE(f.Combo("Schussanzahl")->currentText(), QStringLiteral("30"));
    QCOMPARE(f.Combo("Schussanzahl_Serie")->currentText(), QStringLiteral("10"));
}

void TestHomeTeamEditing::saveChecks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("unnamed") << "Bezeichnung"
                             << "unbenannt"
                             << "Tragen Sie in das Feld \"Mannschaftsnamen\" einen eindeutigen "
                                "Namen ein!";
    QTest::newRow("N no number") << "Mannschaftstaerke"
                                 << "zwei"
                                 << "Fehler: Ungültige Eingabe im Feld \"Mannschaftswertung\"!!";
    QTest::newRow("N 1") << "Mannschaftstaerke"
                         << "1"
                         << "Fehler: Mannschaftswertung muß zwischen 2 .. 10 liegen!!";
    QTest::newRow("N 3, row 3 without name") << "Mannschaftstaerke"
                                             << "3"
                                             << "Fehler: Zuwenig Mannschaftsschützen festgelegt!!";
    QTest::newRow("OM no number")
            << "OMannschafts"
            << "zwei"
            << "Fehler: Ungültige Eingabe im Feld \"Ohne Mannschaftswertung\"!! ";
    QTest::newRow("OM 7") << "OMannschafts"
                          << "7"
                          << "Fehler: Ohne Mannschaftswertung darf höchstens 6 betragen!!";
    QTest::newRow("30 / 12") << "Schussanzahl_Serie"
                             << "12"
                             << "Fehler: \"Schuss pro Schütze\" <-> \"Schuss pro Serie\"  passen "
                                "nicht zusammen!!";
    QTest::newRow("30 / 5 passes, 60 / 5 does not")
            << "Schussanzahl+Serie"
            << "60/5"
            << "Fehler: Die Anzahl der Einzelserien darf 6 nicht übersteigen!!";
}

void TestHomeTeamEditing::saveChecks()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.Open(QStringLiteral("2"));
    if (field == QLatin1String("Bezeichnung"))
        f.Edit("Bezeichnung")->setText(value);
    else if (field.startsWith(QLatin1String("Schussanzahl+"))) {
        f.Combo("Schussanzahl")->setCurrentText(value.section(u'/', 0, 0));
        f.Combo("Schussanzahl_Serie")->setCurrentText(value.section(u'/', 1, 1));
    } else if (field.startsWith(QLatin1String("Schussanzahl")))
        f.Combo(field.toLatin1().constData())->setCurrentText(value);
    else
        f.Spin(field.toLatin1().constData())->SetText(value);
    const QByteArray before = f.Bytes();
    QVERIFY(!f.dialog->Speichern());
    QCOMPARE(f.dialogs.Messages(), QStringList({message}));
    const TMessage shown = f.dialogs.Events().first().message;
    QCOMPARE(shown.icon, TMsgIcon::Error);
    QCOMPARE(shown.buttons, TMsgButtons::OkHelp);
    QCOMPARE(shown.helpContext, 20);
    QCOMPARE(f.Bytes(), before);
}

void TestHomeTeamEditing::saveRewritesTeam()
{
    // The row with only a pass number and the entry without ";" vanish from the file, the
    // remarks are written cut, the 50th entry goes back unchanged.
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.Open(QStringLiteral("2"));
    QVERIFY(f.dialog->Speichern());
    QVERIFY(f.dialogs.Messages().isEmpty());
    QCOMPARE(f.Bytes(), ReadFileBytes(FixturePath(QStringLiteral("RWSetup-125-saved.ini"))));
    QVERIFY(!f.dialog->Modified());

    // A shortened list leaves no entry behind.
    f.Grid()->SetCell(5, TShooterGrid::NameColumn, QString());
    QVERIFY(f.dialog->Speichern());
    QCOMPARE(f.File().ReadString("2", "T5", "-"), QStringLiteral("-"));
    QCOMPARE(f.File().ReadString("2", "T2", "-"), QStringLiteral("Schäfer, Eva;;Nur Bemerk"));
}

void TestHomeTeamEditing::saveNewTeamKeyOrder()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    const QByteArray before = f.Bytes();
    f.dialog->NeueMannschaft();
    f.Edit("Bezeichnung")->setText(QStringLiteral("Gewehr III"));
    f.Spin("Mannschaftstaerke")->SetText(QStringLiteral("2"));
    f.Grid()->SetEntry(1, {QStringLiteral("Adler, Anna"), QStringLiteral("11"), QString()});
    f.Grid()->SetEntry(2, {QStringLiteral("Berger, Ben"), QStringLiteral("22"), QString()});
    f.Grid()->SetEntry(3, {QString(), QStringLiteral("33"), QStringLiteral("Gast")});
    f.Grid()->SetEntry(7, {QStringLiteral(" "), QString(), QStringLiteral("blank")});
    f.dialogs.QueueAnswer(TMsgAnswer::Ok);
    QVERIFY(f.dialog->Speichern());
    QCOMPARE(f.Bytes(),
             before
                     + WindowsText("[6]\n"
                                   "Mann_ident=\n"
                                   "Bezeichnung=Gewehr III\n"
                                   "Klasse=Schützenklasse\n"
                                   "Gruppe=A\n"
                                   "Mannschaftstaerke=2\n"
                                   "OMannschafts=0\n"
                                   "Schussanzahl=40\n"
                                   "Schussanzahl_Serie=10\n"
                                   "Liga=Bezirksoberliga\n"
                                   "DISAG=\n"
                                   "Sortieren=0\n"
                                   "T1=Adler, Anna;11;\n"
                                   "T2=Berger, Ben;22;\n"
                                   "T7= ;;blank\n"));
}

void TestHomeTeamEditing::disagQuestion_data()
{
    QTest::addColumn<TMsgAnswer>("answer");
    QTest::addColumn<bool>("dialogShown");
    QTest::newRow("OK saves at once") << TMsgAnswer::Ok << false;
    QTest::newRow("Cancel sets the machine first") << TMsgAnswer::Cancel << true;
}

void TestHomeTeamEditing::disagQuestion()
{
    QFETCH(TMsgAnswer, answer);
    QFETCH(bool, dialogShown);
    TFixture f;
    f.dialog->NeueMannschaft();
    f.Edit("Bezeichnung")->setText(QStringLiteral("Pistole"));
    f.Spin("Mannschaftstaerke")->SetText(QStringLiteral("2"));
    f.Grid()->SetCell(1, TShooterGrid::NameColumn, QStringLiteral("A"));
    f.Grid()->SetCell(2, TShooterGrid::NameColumn, QStringLiteral("B"));
    f.dialogs.QueueAnswer(answer);
    QStringList seen;
    TModalHandlerScope scope([&](QDialog &d) {
        seen.append(qobject_cast<TFormDisageinstellung *>(&d) ? "DISAG" : "other");
        return int(QDialog::Accepted);
    });
    QVERIFY(f.dialog->Speichern());
    QCOMPARE(f.dialogs.Messages(),
             QStringList({"Disaggerät wurde noch nicht eingestellt! Trotzdem speichern? "}));
    QCOMPARE(f.dialogs.Events().first().message.buttons, TMsgButtons::OkCancel);
    QCOMPARE(seen, dialogShown ? QStringList({"DISAG"}) : QStringList());
    QCOMPARE(f.dialog->DisagPending(), !dialogShown);
    QCOMPARE(f.File().ReadString("1", "Bezeichnung", "-"), QStringLiteral("Pistole"));
    QCOMPARE(f.File().ReadString("1", "DISAG", "-"),
             dialogShown ? QStringLiteral("SCH=LG10;SSC=1;SZI=10;SGE=40;") : QString());
}

void TestHomeTeamEditing::disagSetting_data()
{
    QTest::addColumn<bool>("change");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("modified");
    QTest::newRow("unchanged, OK") << false << true << false;
    QTest::newRow("changed, OK") << true << true << true;
    QTest::newRow("changed, cancelled") << true << false << false;
}

void TestHomeTeamEditing::disagSetting()
{
    QFETCH(bool, change);
    QFETCH(bool, ok);
    QFETCH(bool, modified);
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.Open(QStringLiteral("2"));
    const QString before = f.dialog->DisagString();
    int shown = 0;
    TModalHandlerScope scope([&](QDialog &d) {
        shown += &d == &f.disag ? 1 : 0;
        if (change)
            f.disag.RadioButtons[3]->click(); // air pistol
        return ok ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    f.Action("DisagEinstellungWerkzeug")->trigger();
    QCOMPARE(shown, 1);
    QVERIFY(!f.dialog->DisagPending());
    QCOMPARE(f.dialog->Modified(), modified);
    // After OK the string is the one built from the dialog's record; Abbrechen keeps it.
    QCOMPARE(f.dialog->DisagString(), ok ? BuildParameterString(f.disag.Record()) : before);
    QCOMPARE(f.dialog->DisagString() != before, change && ok);
}

void TestHomeTeamEditing::deleteTeam_data()
{
    QTest::addColumn<TMsgAnswer>("answer");
    QTest::newRow("yes") << TMsgAnswer::Yes;
    QTest::newRow("no") << TMsgAnswer::No;
}

void TestHomeTeamEditing::deleteTeam()
{
    QFETCH(TMsgAnswer, answer);
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.dialog->show();
    f.Open(QStringLiteral("2"));
    f.dialogs.QueueAnswer(answer);
    f.Action("Loeschen")->trigger();
    QCOMPARE(f.dialogs.Messages(),
             QStringList({"Wollen Sie die Mannschaft Luftgewehr II wirklich löschen?"}));
    QCOMPARE(f.dialogs.Events().first().message.buttons, TMsgButtons::YesNo);
    const bool deleted = answer == TMsgAnswer::Yes;
    QCOMPARE(f.File().TeamSections(),
             deleted ? QStringList({"1", "5"}) : QStringList({"1", "2", "5"}));
    QCOMPARE(f.EditingAreaShown(), !deleted);
    QCOMPARE(f.Action("Speichern")->isEnabled(), !deleted);
    QCOMPARE(f.Action("Loeschen")->isEnabled(), !deleted);
    QVERIFY(!f.dialog->Modified());
}

void TestHomeTeamEditing::closeQuestion_data()
{
    QTest::addColumn<TMsgAnswer>("answer");
    QTest::newRow("save") << TMsgAnswer::Yes;
    QTest::newRow("drop") << TMsgAnswer::No;
}

void TestHomeTeamEditing::closeQuestion()
{
    QFETCH(TMsgAnswer, answer);
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.dialog->show();
    f.Open(QStringLiteral("2"));
    f.Edit("Gruppe")->setText(QStringLiteral("C"));
    f.dialogs.QueueAnswer(answer);
    f.Action("Beenden")->trigger();
    QCOMPARE(f.dialogs.Messages(),
             QStringList({"Einstellung wurde noch nicht gespeichert!!\n\rSpeichern?"}));
    QCOMPARE(f.File().ReadString("2", "Gruppe", "-"),
             answer == TMsgAnswer::Yes ? QStringLiteral("C") : QStringLiteral("B"));
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(!f.EditingAreaShown());
    QVERIFY(!f.dialog->Modified());

    // Unchanged: no question.
    f.dialogs.Clear();
    f.dialog->show();
    f.Open(QStringLiteral("2"));
    f.dialog->reject();
    QVERIFY(f.dialogs.Messages().isEmpty());
}

void TestHomeTeamEditing::closeDropsRefusedChanges()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.dialog->show();
    f.Open(QStringLiteral("2"));
    f.Edit("Bezeichnung")->setText(QStringLiteral("unbenannt"));
    const QByteArray before = f.Bytes();
    f.dialogs.QueueAnswer(TMsgAnswer::Yes);
    f.dialog->close();
    QCOMPARE(f.dialogs.Messages().size(), 2);
    QCOMPARE(f.dialogs.Messages().last(),
             QStringLiteral("Tragen Sie in das Feld \"Mannschaftsnamen\" einen eindeutigen Namen "
                            "ein!"));
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.Bytes(), before);
}

void TestHomeTeamEditing::modifiedFlag_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("modified");
    QTest::newRow("league") << "Liga" << false;
    QTest::newRow("ident") << "Mann_ident" << false;
    QTest::newRow("designation") << "Bezeichnung" << true;
    QTest::newRow("class") << "Klasse" << true;
    QTest::newRow("group") << "Gruppe" << true;
    QTest::newRow("team strength") << "Mannschaftstaerke" << true;
    QTest::newRow("without team scoring") << "OMannschafts" << true;
    QTest::newRow("sorting") << "Sortieren" << true;
    QTest::newRow("shots") << "Schussanzahl" << true;
    QTest::newRow("shots per series") << "Schussanzahl_Serie" << true;
    QTest::newRow("cursor key in the grid") << "grid" << true;
    QTest::newRow("typing in a cell") << "cell" << true;
}

void TestHomeTeamEditing::modifiedFlag()
{
    QFETCH(QString, change);
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.dialog->show();
    f.Open(QStringLiteral("2"));
    QVERIFY(!f.dialog->Modified());
    const QByteArray name = change.toLatin1();
    if (change == QLatin1String("grid")) {
        QTest::keyClick(f.Grid(), Qt::Key_Down);
    } else if (change == QLatin1String("cell")) {
        f.Grid()->SetCell(10, TShooterGrid::NameColumn, QString());
        f.Grid()->setCurrentCell(9, 0);
        f.Grid()->editItem(f.Grid()->item(9, 0));
        auto *editor = f.Grid()->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClicks(editor, "Neu");
    } else if (change == QLatin1String("Sortieren")) {
        QTest::mouseClick(f.Child<QCheckBox>("Sortieren"), Qt::LeftButton);
    } else if (change.startsWith(QLatin1String("Schussanzahl"))) {
        QComboBox *box = f.Combo(name.constData());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Up);
    } else if (change.endsWith(QLatin1String("schafts"))
               || change == QLatin1String("Mannschaftstaerke")) {
        QTest::keyClick(f.Spin(name.constData()), Qt::Key_Up);
    } else {
        QTest::keyClicks(f.Edit(name.constData()), "x");
        QVERIFY(f.Edit(name.constData())->text().endsWith(u'x'));
    }
    QTEST(f.dialog->Modified(), "modified");
}

void TestHomeTeamEditing::cellEditorsGuardEntries()
{
    // A ";" in a name or pass number would shift the fields when the entry is read back.
    TFixture f;
    f.dialog->show();
    TShooterGrid *grid = f.Grid();
    grid->SetEntry(1, {});
    const auto type = [&](int column, const char *text) {
        const QModelIndex index = grid->model()->index(0, column);
        grid->edit(index);
        auto *editor = qobject_cast<QLineEdit *>(grid->indexWidget(index));
        if (!editor)
            return QStringLiteral("no editor");
        QTest::keyClicks(editor, text);
        const QString typed = editor->text();
        QTest::keyClick(editor, Qt::Key_Escape);
        return typed;
    };
    QCOMPARE(type(TShooterGrid::NameColumn, "Maier;Max"), QStringLiteral("MaierMax"));
    QCOMPARE(type(TShooterGrid::PassColumn, "12;34"), QStringLiteral("1234"));
    QCOMPARE(type(TShooterGrid::RemarkColumn, "Bemerkung mit Rest"), QStringLiteral("Bemerkung "));
}

void TestHomeTeamEditing::failedWriteKeepsChanges()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.Open(QStringLiteral("2"));
    f.Edit("Gruppe")->setText(QStringLiteral("C"));
    const QByteArray before = f.Bytes();
    {
        TFileSizeLimit full(64);
        QVERIFY(!f.dialog->Speichern());
    }
    QCOMPARE(f.dialogs.Messages(),
             QStringList({QStringLiteral("nach %1 kann nicht geschrieben werden")
                                  .arg(f.File().FileName())}));
    QVERIFY(f.dialog->Modified());
    QCOMPARE(f.Bytes(), before);
}

void TestHomeTeamEditing::switchingOffersSave()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.Open(QStringLiteral("2"));
    f.Edit("Gruppe")->setText(QStringLiteral("D"));
    f.dialogs.QueueAnswer(TMsgAnswer::Yes);
    f.Open(QStringLiteral("1"));
    QCOMPARE(f.dialogs.Messages(), QStringList({"Aktuelle Mannschaft speichern?"}));
    QCOMPARE(f.File().ReadString("2", "Gruppe", "-"), QStringLiteral("D"));
    QCOMPARE(f.Edit("Bezeichnung")->text(), QStringLiteral("Erste"));
}

void TestHomeTeamEditing::refusedSaveKeepsTeamOpen()
{
    // Saving was wanted and refused: the team stays open for correction, nothing is dropped.
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.Open(QStringLiteral("2"));
    f.Spin("Mannschaftstaerke")->SetText(QStringLiteral("12"));
    f.dialogs.QueueAnswer(TMsgAnswer::Yes);
    int pickers = 0;
    TModalHandlerScope scope([&](QDialog &) {
        ++pickers;
        return int(QDialog::Rejected);
    });
    f.dialog->MannschaftAendern();
    f.dialogs.QueueAnswer(TMsgAnswer::Yes);
    f.dialog->NeueMannschaft();
    QCOMPARE(pickers, 0);
    QCOMPARE(f.dialogs.Messages(),
             QStringList({"Aktuelle Mannschaft speichern?",
                          "Fehler: Mannschaftswertung muß zwischen 2 .. 10 liegen!!",
                          "Aktuelle Mannschaft speichern?",
                          "Fehler: Mannschaftswertung muß zwischen 2 .. 10 liegen!!"}));
    QCOMPARE(f.dialog->TeamSection(), QStringLiteral("2"));
    QCOMPARE(f.Spin("Mannschaftstaerke")->Text(), QStringLiteral("12"));
    QVERIFY(f.dialog->Modified());
}

void TestHomeTeamEditing::labelStartsNewTeam()
{
    TFixture f(QStringLiteral("RWSetup-125.ini"));
    f.dialog->show();
    auto *label = f.dialog->findChildren<QLabel *>().first();
    for (QLabel *l : f.dialog->findChildren<QLabel *>()) {
        if (l->text() == QLatin1String("Mannschaftsname:"))
            label = l;
    }
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(f.dialog->TeamSection(), QStringLiteral("6"));
    QVERIFY(f.dialog->DisagPending());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    UseTestLocale();
    int failed = 0;
    {
        TestHomeTeamWindow window;
        failed |= QTest::qExec(&window, argc, argv);
    }
    {
        TestHomeTeamEditing editing;
        failed |= QTest::qExec(&editing, argc, argv);
    }
    return failed;
}

#include "tst_hometeamdialog.moc"
