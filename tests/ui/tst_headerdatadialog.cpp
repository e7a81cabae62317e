#include "ui/headerdatadialog.h"
#include "ui/modal.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

// The header data dialog: preselected input mode and the texts it gives back.
class TestHeaderDataDialog : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void preselection_data();
    void preselection();
    void textsComeBack_data();
    void textsComeBack();
};

namespace {

TKopftexte Header(const QString &mode)
{
    return {"Luftgewehr", "A", "Kreisliga", "Nord", "3", "05.03.2024", "777", mode};
}

} // namespace

void TestHeaderDataDialog::layout()
{
    TFormKopfdaten dialog;
    QCOMPARE(dialog.windowTitle(), QString("Wettkampf-Daten"));
    QCOMPARE(dialog.findChild<QGroupBox *>()->title(), QString("Ergebniserfassung"));
    const QStringList modes {"Ringlesegerät", "Serien manuell eingeben", "Einzelschuss eingeben"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(dialog.Erfassung(i)->text(), modes[i]);
    const QStringList labels {"Waffe:",    "Klasse:", "Liga:",          "Gruppe",
                              "Durchgang", "Datum",   "Gast.Vereinsnr:"};
    QTableWidget *grid = dialog.StringGrid1;
    QCOMPARE(grid->rowCount(), 7);
    QCOMPARE(grid->columnCount(), 2);
    for (int r = 0; r < 7; ++r) {
        QCOMPARE(grid->item(r, 0)->text(), labels[r]);
        QVERIFY(!(grid->item(r, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(grid->item(r, 1)->flags() & Qt::ItemIsEditable);
        QCOMPARE(grid->rowHeight(r), 20);
    }
    QCOMPARE(grid->columnWidth(0), 100);
    QCOMPARE(grid->columnWidth(1), 100);
}

void TestHeaderDataDialog::preselection_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("selected");
    QTest::newRow("Ringlesegerät") << "Ringlesegerät" << 0;
    QTest::newRow("R...") << "RM IV" << 0;
    QTest::newRow("Serien") << "Serien manuell eingeben" << 1;
    QTest::newRow("S...") << "S" << 1;
    QTest::newRow("Einzelschuss") << "Einzelschuss eingeben" << 2;
    QTest::newRow("leer") << "" << 2;
    QTest::newRow("klein r") << "ringlesegerät" << 2;
}

void TestHeaderDataDialog::preselection()
{
    QFETCH(QString, mode);
    QFETCH(int, selected);
    int checked = -1;
    TModalHandlerScope handler([&](QDialog &d) {
        auto &dialog = static_cast<TFormKopfdaten &>(d);
        for (int i = 0; i < TFormKopfdaten::Erfassungsarten; ++i) {
            if (dialog.Erfassung(i)->isChecked())
                checked = i;
        }
        dialog.accept();
        return dialog.result();
    });
    const TKopftexte texts = EditKopfdaten(Header(mode));
    QCOMPARE(checked, selected);
    const QStringList captions {"Ringlesegerät", "Serien manuell eingeben",
                                "Einzelschuss eingeben"};
    QCOMPARE(texts[KopfErgebniserfassung], captions[selected]);
    QCOMPARE(texts[KopfGastVereinsnr], QString("777"));
}

void TestHeaderDataDialog::textsComeBack_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("geschlossen") << false;
}

// A value still in its editor counts too.
void TestHeaderDataDialog::textsComeBack()
{
    QFETCH(bool, accept);
    bool editorOpen = false;
    TModalHandlerScope handler([&](QDialog &d) {
        auto &dialog = static_cast<TFormKopfdaten &>(d);
        QTableWidget *grid = dialog.StringGrid1;
        grid->item(KopfLiga, 1)->setText("Bezirksliga");
        dialog.Erfassung(1)->click();
        grid->setCurrentCell(KopfDurchgang, 1);
        grid->editItem(grid->item(KopfDurchgang, 1));
        auto *editor = grid->viewport()->findChild<QLineEdit *>();
        editorOpen = editor != nullptr;
        if (editor) {
            editor->selectAll();
            QTest::keyClicks(editor, "12");
        }
        accept ? dialog.accept() : dialog.reject();
        return dialog.result();
    });
    const TKopftexte texts = EditKopfdaten(Header("Ringlesegerät"));
    QVERIFY(editorOpen);
    TKopftexte expected = Header("Serien manuell eingeben");
    expected[KopfLiga] = "Bezirksliga";
    expected[KopfDurchgang] = "12";
    QCOMPARE(texts, expected);
}

QTEST_MAIN(TestHeaderDataDialog)
#include "tst_headerdatadialog.moc"
