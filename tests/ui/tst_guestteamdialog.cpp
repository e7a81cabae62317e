#include "base/scripteddialogs.h"
#include "settings/setupdaten.h"
#include "testsupport.h"
#include "ui/guestteamdialog.h"
#include "ui/modal.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

// The guest team dialog: its table, the mark cells, the guest team it edits and the .GS files.
class TestGuestTeamDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutAndHeadings();
    void toggle_data();
    void toggle();
    void otherCellsDoNotToggle();
    void okTakesTheTeam();
    void cancelChangesNothing();
    void saveAndLoad();
    void cancelledFileDialogs();
    void unreadableFile();

private:
    QTemporaryDir m_dir;
    TScriptedDialogs *m_dialogs = nullptr;
    TUserDialogsScope *m_scope = nullptr;
};

namespace {

TyMannschaft TeamWithSeries()
{
    TyMannschaft gast;
    gast.Name = QStringLiteral("SG Nachbarort");
    gast.Vnr = QStringLiteral("777");
    for (int p = 1; p <= 3; ++p) {
        gast.Teilnehmer[p].Name = QStringLiteral("alt %1").arg(p);
        gast.Teilnehmer[p].Passnr = QStringLiteral("%1").arg(p);
        gast.Teilnehmer[p].Serie[1] = 94 + p;
    }
    gast.Teilnehmer[2].Stammschuetze = true;
    gast.Teilnehmer[3].NurEinzel = true;
    return gast;
}

void SetRow(QTableWidget *grid, int row, const TGastZeile &cells)
{
    for (int c = 0; c < GastSpalten; ++c)
        grid->item(row, c)->setText(cells[c]);
}

} // namespace

void TestGuestTeamDialog::init()
{
    m_dialogs = new TScriptedDialogs;
    m_scope = new TUserDialogsScope(*m_dialogs);
    Setupdaten().Daten = m_dir.path();
}

void TestGuestTeamDialog::cleanup()
{
    delete m_scope;
    delete m_dialogs;
}

void TestGuestTeamDialog::layoutAndHeadings()
{
    TFGast dialog;
    dialog.StringGrid1->item(0, 0)->setText("weg");
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Eingabeformular Gastmannschaft"));
    QTableWidget *grid = dialog.StringGrid1;
    QCOMPARE(grid->rowCount(), 11);
    QCOMPARE(grid->columnCount(), 5);
    const QStringList headings {"Passnr", "Name", "Stammschütze", "Kein Manns.", "Bemerkung"};
    const QList<int> widths {64, 190, 64, 64, 181};
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(grid->item(0, c)->text(), headings[c]);
        QCOMPARE(grid->columnWidth(c), widths[c]);
        QVERIFY(!(grid->item(0, c)->flags() & Qt::ItemIsEditable));
    }
    QCOMPARE(grid->rowHeight(5), 18);
    QVERIFY(grid->item(1, GastName)->flags() & Qt::ItemIsEditable);
    QVERIFY(grid->tabKeyNavigation());
    QCOMPARE(dialog.Laden->text(), QString("Laden von Gastmannschaften"));
    QCOMPARE(dialog.Speichern->text(), QString("Speichern der Gastmannschaft"));
}

void TestGuestTeamDialog::toggle_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    for (const bool byKey : {false, true}) {
        const char *how = byKey ? "Taste" : "Klick";
        QTest::addRow("%s, leer", how) << byKey << int(GastStamm) << ""
                                       << "X";
        QTest::addRow("%s, X", how) << byKey << int(GastKeinManns) << "X"
                                    << "";
        QTest::addRow("%s, ein Leerzeichen", how) << byKey << int(GastStamm) << " "
                                                  << "X";
        QTest::addRow("%s, zwei Leerzeichen", how) << byKey << int(GastKeinManns) << "  "
                                                   << "";
        QTest::addRow("%s, Kleinbuchstabe", how) << byKey << int(GastStamm) << "x"
                                                 << "";
    }
}

void TestGuestTeamDialog::toggle()
{
    QFETCH(bool, byKey);
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(QString, after);
    TFGast dialog;
    dialog.show();
    QTableWidget *grid = dialog.StringGrid1;
    QTableWidgetItem *item = grid->item(4, column);
    item->setText(before);
    if (byKey) {
        grid->setCurrentCell(4, column);
        QTest::keyClick(grid, Qt::Key_Q);
    } else {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(item).center());
    }
    QCOMPARE(item->text(), after);
    QCOMPARE(grid->currentRow(), 4);
    QCOMPARE(grid->currentColumn(), column);
}

void TestGuestTeamDialog::otherCellsDoNotToggle()
{
    TFGast dialog;
    dialog.show();
    QTableWidget *grid = dialog.StringGrid1;
    grid->item(2, GastName)->setText("Anna");
    for (const auto &[row, column] : {std::pair {2, int(GastName)}, std::pair {0, int(GastStamm)}})
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, column)).center());
    QCOMPARE(grid->item(2, GastName)->text(), QString("Anna"));
    QCOMPARE(grid->item(0, GastStamm)->text(), QString("Stammschütze"));
}

// Rows A (team), B ("Kein Manns."), C (team) and D still in its editor: positions A, C, D, B;
// the series stay put.
void TestGuestTeamDialog::okTakesTheTeam()
{
    TyMannschaft gast = TeamWithSeries();
    TFGast dialog;
    TGastTabelle shown;
    TModalHandlerScope handler([&](QDialog &) {
        shown = dialog.Table();
        QTableWidget *grid = dialog.StringGrid1;
        for (int r = 1; r <= 3; ++r)
            SetRow(grid, r, {});
        SetRow(grid, 1, {"11", "A", "X", "", "a"});
        SetRow(grid, 2, {"22", "B", "", "X", "b"});
        SetRow(grid, 3, {"33", "C", "", "", "c"});
        grid->setCurrentCell(4, GastName);
        grid->editItem(grid->item(4, GastName));
        if (auto *editor = grid->viewport()->findChild<QLineEdit *>())
            QTest::keyClicks(editor, "D");
        dialog.findChild<QLineEdit *>()->setText("Neue Gäste");
        dialog.SetVereinsnr("888");
        dialog.accept();
        return dialog.result();
    });
    QVERIFY(EditGuestTeam(gast, dialog));

    QCOMPARE(shown[2], (TGastZeile {"2", "alt 2", "X", "", ""}));
    QCOMPARE(shown[3], (TGastZeile {"3", "alt 3", "", "X", ""}));
    QCOMPARE(gast.Name, QString("Neue Gäste"));
    QCOMPARE(gast.Vnr, QString("888"));
    const QStringList names {"A", "C", "D", "B"};
    const QList<bool> nurEinzel {false, false, false, true};
    for (int p = 1; p <= 4; ++p) {
        QCOMPARE(gast.Teilnehmer[p].Name, names[p - 1]);
        QCOMPARE(gast.Teilnehmer[p].NurEinzel, nurEinzel[p - 1]);
        QCOMPARE(gast.Teilnehmer[p].Serie[1], p <= 3 ? 94.0 + p : 0.0);
    }
    QCOMPARE(gast.Teilnehmer[1].Stammschuetze, true);
    QCOMPARE(gast.Teilnehmer[2].Passnr, QString("33"));
}

void TestGuestTeamDialog::cancelChangesNothing()
{
    TyMannschaft gast = TeamWithSeries();
    const TyMannschaft before = gast;
    TFGast dialog;
    TModalHandlerScope handler([&](QDialog &) {
        SetRow(dialog.StringGrid1, 1, {"9", "Z", "X", "X", "z"});
        dialog.SetMannschaftsname("anders");
        dialog.reject();
        return dialog.result();
    });
    QVERIFY(!EditGuestTeam(gast, dialog));
    QVERIFY(gast == before);
}

void TestGuestTeamDialog::saveAndLoad()
{
    TFGast dialog;
    dialog.show();
    SetRow(dialog.StringGrid1, 1, {"1", "Jörg", "X", "", "Bem"});
    SetRow(dialog.StringGrid1, 10, {"10", "Zehn", "", "X", ""});
    const TGastTabelle saved = dialog.Table();
    const QString path = m_dir.filePath("gast.GS");

    m_dialogs->QueueFileName(path);
    dialog.Speichern->trigger();
    QCOMPARE(m_dialogs->Events().size(), 1);
    const TFileDialogOptions &options = m_dialogs->Events().first().file;
    QCOMPARE(m_dialogs->Events().first().kind, TScriptedDialogs::Kind::SaveFile);
    QCOMPARE(options.filter, QString("Gastmannschaft|*.GS"));
    QCOMPARE(options.defaultExt, QString("GS"));
    QCOMPARE(options.initialDir, m_dir.path());
    QVERIFY(ReadFileBytes(path).startsWith("1\r\nJ\xF6rg\r\nX\r\n\r\nBem\r\n"));

    dialog.SetTable({});
    m_dialogs->QueueFileName(path);
    dialog.Laden->trigger();
    QCOMPARE(m_dialogs->Events().last().kind, TScriptedDialogs::Kind::OpenFile);
    QCOMPARE(m_dialogs->Events().last().file.filter, QString("Gastmannschaft|*.GS"));
    QCOMPARE(dialog.Table(), saved);
    QCOMPARE(m_dialogs->Messages(), QStringList {});
}

void TestGuestTeamDialog::cancelledFileDialogs()
{
    TFGast dialog;
    SetRow(dialog.StringGrid1, 1, {"1", "Anna", "", "", ""});
    const TGastTabelle before = dialog.Table();
    m_dialogs->QueueFileName(std::nullopt);
    m_dialogs->QueueFileName(std::nullopt);
    dialog.Laden->trigger();
    dialog.Speichern->trigger();
    QCOMPARE(dialog.Table(), before);
    QCOMPARE(m_dialogs->Events().size(), 2);
    QCOMPARE(m_dialogs->Unused(), 0);
}

void TestGuestTeamDialog::unreadableFile()
{
    TFGast dialog;
    SetRow(dialog.StringGrid1, 1, {"1", "Anna", "", "", ""});
    const TGastTabelle before = dialog.Table();
    m_dialogs->QueueFileName(m_dir.filePath("fehlt.GS"));
    dialog.Laden->trigger();
    QCOMPARE(m_dialogs->Messages(), QStringList {"E/A-Fehler 2"});
    QCOMPARE(dialog.Table(), before);
}

QTEST_MAIN(TestGuestTeamDialog)
#include "tst_guestteamdialog.moc"
