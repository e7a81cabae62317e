#include "base/configfolder.h"
#include "base/inifile.h"
#include "base/scripteddialogs.h"
#include "fakehelp.h"
#include "settings/setupdaten.h"
#include "testsupport.h"
#include "ui/modal.h"
#include "ui/programwindows.h"
#include "ui/setupdialog.h"
#include "ui/setuppreviews.h"
#include "ui/updownfield.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <memory>
#include <optional>

// The settings dialog: what a confirm writes, what cancelling keeps, colours, pages, hints, help.
class TestSetupDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void confirmWritesEveryKey();
    void slowTransferFromFile_data();
    void slowTransferFromFile();
    void longDirectoryWrittenInFull();
    void directoryChosenInList();
    void unusableDirectoryChangesNothing();
    void shotValuesTakeEffectEvenWhenCancelled();
    void colourChoice_data();
    void colourChoice();
    void helpTopicPerPage_data();
    void helpTopicPerPage();
    void treeHints_data();
    void treeHints();
    void pageStaysSelectedAcrossOpenings();
    void loadOnlyFieldsKeepTheirTextBetweenOpenings();
    void showingFillsFromSettings();
    void failedWriteShowsErrorAndStaysOpen();

private:
    void WriteSetup(const char *utf8Contents);
    // Shows the dialog modally; `play` acts as the user; returns the dialog's result.
    int Open(TFormsetupAuswertung &dialog, const std::function<void()> &play);
    void Choose(TFormsetupAuswertung &dialog, const QString &entry);

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_data;
    QString m_previousCurrent;
    std::unique_ptr<TScriptedDialogs> m_dialogs;
    std::unique_ptr<TUserDialogsScope> m_scope;
    TFakeHelp m_help;
};

void TestSetupDialog::initTestCase()
{
    UseTestLocale();
}

void TestSetupDialog::init()
{
    m_previousCurrent = QDir::currentPath();
    m_config = std::make_unique<QTemporaryDir>();
    m_data = std::make_unique<QTemporaryDir>();
    SetConfigFolder(m_config->path());
    QDir::setCurrent(m_data->path());
    Setupdaten() = tSetupdaten();
    m_dialogs = std::make_unique<TScriptedDialogs>();
    m_scope = std::make_unique<TUserDialogsScope>(*m_dialogs);
    m_help.calls.clear();
    ProgramWindows().help = &m_help;
}

void TestSetupDialog::cleanup()
{
    ProgramWindows().help = nullptr;
    m_scope.reset();
    m_dialogs.reset();
    QDir::setCurrent(m_previousCurrent);
    SetConfigFolder(QString());
    m_data.reset();
    m_config.reset();
}

void TestSetupDialog::WriteSetup(const char *utf8Contents)
{
    WriteFileBytes(SetupFileName(), WindowsText(utf8Contents));
}

int TestSetupDialog::Open(TFormsetupAuswertung &dialog, const std::function<void()> &play)
{
    TModalHandlerScope scope([&](QDialog &shown) {
        play();
        return shown.result();
    });
    return ExecModal(dialog);
}

void TestSetupDialog::Choose(TFormsetupAuswertung &dialog, const QString &entry)
{
    QTreeWidgetItem *item = dialog.Eintrag(entry);
    QVERIFY2(item != nullptr, qPrintable(entry));
    dialog.tree->setCurrentItem(item);
}

void TestSetupDialog::confirmWritesEveryKey()
{
    TFormsetupAuswertung dialog;
    const int result = Open(dialog, [&] {
        dialog.spinStrichbreite->setValue(5);
        dialog.checkDruckdatum->setChecked(false);
        dialog.groupRinglesegeraet->button(4)->click();
        dialog.spinComport->setValue(3);
        dialog.checkLangsam->setChecked(true);
        dialog.comboSchnittstelle->setEditText("/dev/ttyUSB0");
        dialog.checkDatenprotokoll->setChecked(true);
        dialog.editVereinsname->setText("SV Tell Altdorf");
        dialog.editVereinnr->setText("40123456");
        dialog.editEmpfaenger->setText("leitung@example.org");
        dialog.editKopie->setText("bilder@example.org");
        dialog.editSender->setText("tell@example.org");
        dialog.editUserId->setText("tell");
        dialog.editSMTP->setText("mail.example.org");
        dialog.buttonUebernehmen->click();
    });
    QCOMPARE(result, int(QDialog::Accepted));

    const QString expected =
            QStringLiteral(
                    "[Rangliste]\nFarbe_Hintergrund=16777215\nFarbe_Schrift=16777215\n"
                    "Zeilenhervorhebung=1\n[Schussbild]\nFarbe_Spiegel=12632256\nFarbe_Schuss=255\n"
                    "Strichbreite=5\nDatum=0\n[Diagramm]\nBalken=255\nBalken10=32768\n"
                    "Schusswerte=1\n[Pfade]\nDaten=%1\n[Hardware]\nRinglesegeraete=RIKA\n"
                    "Comport9600=J\nComport=3\nSchnittstelle=/dev/ttyUSB0\nDatenprotokoll=1\n"
                    "[Email]\nEmpfaenger=leitung@example.org\nKopie=bilder@example.org\n"
                    "Sender=tell@example.org\nSMTP=mail.example.org\nUserId=tell\n"
                    "[Registrierung]\nVereinsname=SV Tell Altdorf\nVereinnr=40123456\n")
                    .arg(QDir::toNativeSeparators(QDir::currentPath()));
    QCOMPARE(ReadFileBytes(SetupFileName()), WindowsText(expected.toUtf8().constData()));
    QCOMPARE(int(Setupdaten().Ringlesegeraet), 4);
    QCOMPARE(Setupdaten().Vereinsname, QString("SV Tell Altdorf"));
}

void TestSetupDialog::slowTransferFromFile_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("written");
    QTest::newRow("Ja") << QByteArray("Ja") << true << "J";
    QTest::newRow("J") << QByteArray("J") << true << "J";
    QTest::newRow("j is not J") << QByteArray("j") << false << "N";
    QTest::newRow("Nein") << QByteArray("Nein") << false << "N";
}

void TestSetupDialog::slowTransferFromFile()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, ticked);
    QFETCH(QString, written);
    WriteSetup(("[Hardware]\nComport9600=" + stored + "\n").constData());
    TFormsetupAuswertung dialog;
    QCOMPARE(dialog.checkLangsam->isChecked(), ticked);
    QCOMPARE(Open(dialog, [&] { dialog.buttonUebernehmen->click(); }), int(QDialog::Accepted));
    QCOMPARE(TIniFile(SetupFileName()).ReadString("Hardware", "Comport9600", "?"), written);
}

void TestSetupDialog::longDirectoryWrittenInFull()
{
    const QString longDir = m_data->filePath(QString(90, u'd'));
    QVERIFY(QDir().mkpath(longDir));
    WriteSetup(QStringLiteral("[Pfade]\nDaten=%1\n").arg(longDir).toUtf8().constData());
    TFormsetupAuswertung dialog;
    QCOMPARE(Setupdaten().Daten, longDir.left(80));
    QVERIFY(dialog.VerzeichnisWaehlen(longDir));
    QCOMPARE(Open(dialog, [&] { dialog.buttonUebernehmen->click(); }), int(QDialog::Accepted));
    QCOMPARE(TIniFile(SetupFileName()).ReadString("Pfade", "Daten", QString()),
             QDir::toNativeSeparators(longDir));
    QCOMPARE(Setupdaten().Daten, QDir::toNativeSeparators(longDir).left(80));
    QCOMPARE(QDir::currentPath(), longDir);
}

void TestSetupDialog::directoryChosenInList()
{
    const QString unter = m_data->filePath("Wettkaempfe");
    QVERIFY(QDir().mkpath(unter));
    TFormsetupAuswertung dialog;
    QCOMPARE(dialog.Verzeichnis(), m_data->path());
    dialog.dirView->setCurrentIndex(dialog.dirModel->index(unter));
    QCOMPARE(QDir::currentPath(), unter);
    QCOMPARE(dialog.Verzeichnis(), unter);
    QCOMPARE(dialog.labelVerzeichnis->text(), QDir::toNativeSeparators(unter));
}

void TestSetupDialog::unusableDirectoryChangesNothing()
{
    TFormsetupAuswertung dialog;
    QVERIFY(!dialog.VerzeichnisWaehlen(m_data->filePath("gibtsnicht")));
    QCOMPARE(QDir::currentPath(), m_data->path());
    QCOMPARE(dialog.Verzeichnis(), m_data->path());
    QCOMPARE(dialog.labelVerzeichnis->text(), QDir::toNativeSeparators(m_data->path()));
}

void TestSetupDialog::shotValuesTakeEffectEvenWhenCancelled()
{
    WriteSetup("[Diagramm]\nSchusswerte=1\n");
    const QByteArray before = ReadFileBytes(SetupFileName());
    TFormsetupAuswertung dialog;
    const int result = Open(dialog, [&] {
        QVERIFY(dialog.checkSchusswerte->isChecked());
        QVERIFY(dialog.diagrammVorschau->WertSichtbar());
        dialog.checkSchusswerte->click();
        dialog.buttonAbbrechen->click();
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(!Setupdaten().Schusswerte);
    QVERIFY(!dialog.diagrammVorschau->WertSichtbar());
    QCOMPARE(ReadFileBytes(SetupFileName()), before);
}

void TestSetupDialog::colourChoice_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("preset");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("result");
    // Colours are 0x00BBGGRR: 0x00FF0000 is blue.
    QTest::newRow("Spiegel") << "Spiegel" << 12632256 << false << 0x00FF0000;
    QTest::newRow("Spiegel cancelled") << "Spiegel" << 12632256 << true << 12632256;
    QTest::newRow("Schußloch") << "Schußloch" << 255 << false << 0x0000FF00;
    QTest::newRow("Balken") << "Balken" << 255 << false << 0x00FF0000;
    QTest::newRow("Balken cancelled") << "Balken" << 255 << true << 255;
    QTest::newRow("10er-Balken") << "10er-Balken" << 32768 << false << 0x000000FF;
    QTest::newRow("click on first bar") << "bar 0" << 255 << false << 0x00FF0000;
    QTest::newRow("click on tenth-shot bar") << "bar 3" << 32768 << false << 0x00FF0000;
}

void TestSetupDialog::colourChoice()
{
    QFETCH(QString, control);
    QFETCH(int, preset);
    QFETCH(bool, cancelled);
    QFETCH(int, result);
    TFormsetupAuswertung dialog;
    TSchussbildVorschau *schussbild = dialog.schussbildVorschau;
    TDiagrammVorschau *diagramm = dialog.diagrammVorschau;
    m_dialogs->QueueColor(cancelled ? std::nullopt : std::optional<quint32>(quint32(result)));

    int chosen = 0;
    QPoint where; // a pixel that shows the colour
    QWidget *preview = nullptr;
    Open(dialog, [&] {
        if (control == "Spiegel") {
            dialog.buttonSpiegel->click();
            chosen = schussbild->Spiegel();
            where = schussbild->SpiegelRect().bottomLeft() + QPoint(14, -14);
            preview = schussbild;
        } else if (control == "Schußloch") {
            dialog.buttonSchussloch->click();
            chosen = schussbild->Schuss();
            where = schussbild->SchussRect().center();
            preview = schussbild;
        } else {
            const int bar = control == "10er-Balken" || control == "bar 3"
                    ? TDiagrammVorschau::ZehnerBalken
                    : 0;
            if (control.startsWith("bar"))
                QTest::mouseClick(diagramm, Qt::LeftButton, {}, diagramm->BalkenRect(bar).center());
            else
                (bar == 0 ? dialog.buttonBalken : dialog.buttonBalken10)->click();
            chosen = bar == 0 ? diagramm->Balken() : diagramm->Balken10();
            where = diagramm->BalkenRect(bar).center();
            preview = diagramm;
        }
        dialog.buttonAbbrechen->click();
    });
    QCOMPARE(m_dialogs->Events().size(), 1);
    QCOMPARE(m_dialogs->Events().first().color, quint32(preset));
    QCOMPARE(chosen, result);
    const QImage picture = preview->grab().toImage();
    const QColor expected(result & 0xff, (result >> 8) & 0xff, (result >> 16) & 0xff);
    QCOMPARE(picture.pixelColor(where * picture.devicePixelRatio()), expected);
}

void TestSetupDialog::helpTopicPerPage_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("Schußbilder") << "Schußbilder" << QStringList {"topic Optionen_20"};
    QTest::newRow("Diagramme") << "Diagramme" << QStringList {"topic Optionen_30"};
    QTest::newRow("Ringlesegerät") << "Ringlesegerät" << QStringList {"topic Optionen_40"};
    QTest::newRow("E-Mail") << "E-Mail" << QStringList {"topic Email_00010"};
    QTest::newRow("Verein") << "Verein" << QStringList();
    QTest::newRow("Daten") << "Daten" << QStringList();
    QTest::newRow("empty page") << "Drucken" << QStringList();
}

void TestSetupDialog::helpTopicPerPage()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, calls);
    TFormsetupAuswertung dialog;
    Open(dialog, [&] {
        Choose(dialog, entry);
        dialog.buttonHilfe->click();
        QVERIFY(dialog.isVisible());
        dialog.buttonAbbrechen->click();
    });
    QCOMPARE(m_help.calls, calls);
}

void TestSetupDialog::treeHints_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("hint");
    QTest::newRow("Drucken") << "Drucken"
                             << "Druckereinstellung für Schussbilder und Diagramme";
    QTest::newRow("Schußbilder") << "Schußbilder"
                                 << "Druckereinstellung für Schussbilder";
    QTest::newRow("Diagramme") << "Diagramme"
                               << "Druckereinstellung für Diagramme";
    QTest::newRow("Ringlesegerät") << "Ringlesegerät"
                                   << "Auswahl der Ringlesegeräte und der Com-Schnittstelle ";
    QTest::newRow("Verein") << "Verein"
                            << "Name und Nummer des Vereins";
    QTest::newRow("Verzeichnisse") << "Verzeichnisse"
                                   << "Pfadvorgaben";
    QTest::newRow("Daten") << "Daten"
                           << "Pfadvorgabe für die Datenspeicherung";
    QTest::newRow("E-Mail") << "E-Mail"
                            << "";
}

void TestSetupDialog::treeHints()
{
    QFETCH(QString, entry);
    QFETCH(QString, hint);
    TFormsetupAuswertung dialog;
    Open(dialog, [&] {
        dialog.statusBar->showMessage("vorher");
        QTreeWidgetItem *item = dialog.Eintrag(entry);
        QVERIFY(item != nullptr);
        QTest::mouseMove(dialog.tree->viewport(), dialog.tree->visualItemRect(item).center());
        QCOMPARE(dialog.statusBar->currentMessage(), hint);
        dialog.buttonAbbrechen->click();
    });
}

void TestSetupDialog::pageStaysSelectedAcrossOpenings()
{
    TFormsetupAuswertung dialog;
    QCOMPARE(dialog.AktuelleSeite(), TFormsetupAuswertung::SeiteLeer);
    Open(dialog, [&] {
        Choose(dialog, "Diagramme");
        Choose(dialog, "Drucken"); // no page of its own: the diagram page stays
        QCOMPARE(dialog.AktuelleSeite(), TFormsetupAuswertung::SeiteDiagramm);
        dialog.buttonAbbrechen->click();
    });
    Open(dialog, [&] {
        QCOMPARE(dialog.AktuelleSeite(), TFormsetupAuswertung::SeiteDiagramm);
        dialog.buttonAbbrechen->click();
    });
}

void TestSetupDialog::loadOnlyFieldsKeepTheirTextBetweenOpenings()
{
    WriteSetup("[Email]\nEmpfaenger=a@example.org\n[Registrierung]\nVereinsname=SV Alt\n");
    TFormsetupAuswertung dialog;
    Open(dialog, [&] {
        dialog.editEmpfaenger->setText("b@example.org");
        dialog.checkLangsam->setChecked(true);
        dialog.editVereinsname->setText("SV Neu");
        dialog.buttonAbbrechen->click();
    });
    QCOMPARE(Setupdaten().Empfaenger, QString("a@example.org"));
    Open(dialog, [&] {
        QCOMPARE(dialog.editEmpfaenger->text(), QString("b@example.org"));
        QVERIFY(dialog.checkLangsam->isChecked());
        QCOMPARE(dialog.editVereinsname->text(), QString("SV Alt"));
        dialog.buttonAbbrechen->click();
    });
}

void TestSetupDialog::showingFillsFromSettings()
{
    TFormsetupAuswertung dialog;
    tSetupdaten &s = Setupdaten();
    s.Ringlesegeraet = 5;
    s.Comport = 12;
    s.Strichbreite = 7;
    s.Datum = false;
    s.Schusswerte = false;
    s.Vereinnr = "1234";
    s.FarbeSpiegel = 0x123456;
    s.Balken10 = 0x654321;
    s.Schnittstelle = "/dev/ttyACM0";
    Open(dialog, [&] {
        QCOMPARE(dialog.groupRinglesegeraet->checkedId(), 5);
        QCOMPARE(dialog.groupRinglesegeraet->checkedButton()->text(),
                 QString("DISAG RMIV Vers: vor 1.05.02 (SAM 4000-Protokoll)"));
        QCOMPARE(dialog.spinComport->value(), 12);
        QCOMPARE(dialog.spinStrichbreite->value(), 7);
        QVERIFY(!dialog.checkDruckdatum->isChecked());
        QVERIFY(!dialog.checkSchusswerte->isChecked());
        QVERIFY(!dialog.diagrammVorschau->WertSichtbar());
        QCOMPARE(dialog.editVereinnr->text(), QString("1234"));
        QCOMPARE(dialog.schussbildVorschau->Spiegel(), 0x123456);
        QCOMPARE(dialog.diagrammVorschau->Balken10(), 0x654321);
        QCOMPARE(dialog.comboSchnittstelle->currentText(), QString("/dev/ttyACM0"));
        QCOMPARE(TDiagrammVorschau::Beispielwert(), Localised("10,5"));
        dialog.buttonAbbrechen->click();
    });
}

void TestSetupDialog::failedWriteShowsErrorAndStaysOpen()
{
    TFormsetupAuswertung dialog;
    const QString missing = m_config->filePath("fehlt");
    SetConfigFolder(missing);
    bool openAfterConfirm = false;
    const int result = Open(dialog, [&] {
        dialog.editVereinsname->setText("SV Tell");
        dialog.buttonUebernehmen->click();
        openAfterConfirm = dialog.isVisible();
        dialog.buttonAbbrechen->click();
    });
    QVERIFY(openAfterConfirm);
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(m_dialogs->Messages(),
             QStringList("Die Grundeinstellungen konnten nicht gespeichert werden: Die Datei \""
                         + missing + "/setupRW.ini\" lässt sich nicht schreiben."));
    QCOMPARE(m_dialogs->Events().first().message.icon, TMsgIcon::Error);
    QVERIFY(!QFile::exists(missing + "/setupRW.ini"));
}

QTEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
