#include "ui/setupdialog.h"

#include "base/userdialogs.h"
#include "settings/setupdaten.h"
#include "ui/help.h"
#include "ui/programwindows.h"
#include "ui/setuppreviews.h"
#include "ui/updownfield.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSerialPortInfo>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int SeiteRolle = Qt::UserRole;
constexpr int KeineSeite = -1;

QTreeWidgetItem *NeuerEintrag(const QString &caption, int seite, const QString &hint)
{
    auto *item = new QTreeWidgetItem(QStringList(caption));
    item->setData(0, SeiteRolle, seite);
    item->setStatusTip(0, hint);
    return item;
}

// One field below its caption, as the e-mail page lays them out.
QLineEdit *FeldMitTitel(QVBoxLayout *layout, const QString &titel, const QString &beispiel)
{
    layout->addWidget(new QLabel(titel));
    auto *edit = new QLineEdit;
    if (!beispiel.isEmpty()) {
        edit->setToolTip(beispiel);
        edit->setPlaceholderText(beispiel);
    }
    layout->addWidget(edit);
    return edit;
}

// Asks for a new colour preset to `farbe`; a cancelled dialog keeps the preset.
qint32 FarbeWaehlen(qint32 farbe)
{
    return qint32(UserDialogs().ChooseColor(quint32(farbe)).value_or(quint32(farbe)));
}

} // namespace

TFormsetupAuswertung::TFormsetupAuswertung(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Grundeinstellungen"));

    tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    tree->setMouseTracking(true);
    tree->setFixedWidth(170);
    tree->viewport()->installEventFilter(this);
    BaueBaum();

    pages = new QStackedWidget;
    pages->addWidget(new QWidget);
    pages->addWidget(BaueSchussbildSeite());
    pages->addWidget(BaueDiagrammSeite());
    pages->addWidget(BaueRinglesegeraetSeite());
    pages->addWidget(BaueVereinSeite());
    pages->addWidget(BaueDatenSeite());
    pages->addWidget(BaueEmailSeite());

    buttonUebernehmen = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                        tr("&Alles übenehmen"));
    buttonUebernehmen->setDefault(true);
    buttonAbbrechen = new QPushButton(tr("Abbrechen"));
    buttonHilfe = new QPushButton(tr("&Hilfe"));
    statusBar = new QStatusBar;
    statusBar->setSizeGripEnabled(false);

    auto *oben = new QHBoxLayout;
    oben->addWidget(tree);
    oben->addWidget(pages, 1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(buttonUebernehmen);
    knoepfe->addWidget(buttonAbbrechen);
    knoepfe->addWidget(buttonHilfe);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addLayout(knoepfe);
    layout->addWidget(statusBar);

    connect(tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { EintragGewaehlt(current); });
    connect(tree, &QTreeWidget::itemEntered, this,
            [this](QTreeWidgetItem *item) { statusBar->showMessage(item->statusTip(0)); });
    connect(tree, &QTreeWidget::viewportEntered, statusBar, &QStatusBar::clearMessage);
    connect(buttonUebernehmen, &QPushButton::clicked, this,
            &TFormsetupAuswertung::AllesUebernehmenClick);
    connect(buttonAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(buttonHilfe, &QPushButton::clicked, this, &TFormsetupAuswertung::HilfeClick);

    Setupdaten().Load(SetupFileName());
    BeimLaden();
}

void TFormsetupAuswertung::BaueBaum()
{
    auto *drucken = NeuerEintrag(tr("Drucken"), KeineSeite,
                                 tr("Druckereinstellung für Schussbilder und Diagramme"));
    drucken->addChild(NeuerEintrag(tr("Schußbilder"), SeiteSchussbild,
                                   tr("Druckereinstellung für Schussbilder")));
    drucken->addChild(
            NeuerEintrag(tr("Diagramme"), SeiteDiagramm, tr("Druckereinstellung für Diagramme")));
    auto *verzeichnisse = NeuerEintrag(tr("Verzeichnisse"), KeineSeite, tr("Pfadvorgaben"));
    verzeichnisse->addChild(
            NeuerEintrag(tr("Daten"), SeiteDaten, tr("Pfadvorgabe für die Datenspeicherung")));
    tree->addTopLevelItems({
            drucken,
            NeuerEintrag(tr("Ringlesegerät"), SeiteRinglesegeraet,
                         tr("Auswahl der Ringlesegeräte und der Com-Schnittstelle ")),
            NeuerEintrag(tr("Verein"), SeiteVerein, tr("Name und Nummer des Vereins")),
            verzeichnisse,
            NeuerEintrag(tr("E-Mail"), SeiteEmail, QString()),
    });
    tree->expandAll();
}

QWidget *TFormsetupAuswertung::BaueSchussbildSeite()
{
    auto *seite = new QWidget;
    auto *titel = new QLabel(tr("Schußbild"));
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    titel->setStyleSheet(QStringLiteral("color: #800000"));

    schussbildVorschau = new TSchussbildVorschau;
    buttonSpiegel = new QPushButton(tr("Spiegel"));
    buttonSchussloch = new QPushButton(tr("Schußloch"));
    auto *farbknoepfe = new QVBoxLayout;
    farbknoepfe->addWidget(buttonSpiegel);
    farbknoepfe->addWidget(buttonSchussloch);
    farbknoepfe->addStretch();
    auto *farben = new QGroupBox(tr("Farbeinstellungen"));
    auto *farbLayout = new QHBoxLayout(farben);
    farbLayout->addWidget(schussbildVorschau);
    farbLayout->addLayout(farbknoepfe);
    farbLayout->addStretch();

    spinStrichbreite = new TUpDownFeld(0, 100);
    checkDruckdatum = new QCheckBox(tr("Druckdatum"));
    auto *strich = new QFormLayout;
    strich->addRow(tr("Strichbreite"), spinStrichbreite);

    auto *layout = new QVBoxLayout(seite);
    layout->addWidget(titel);
    layout->addWidget(farben);
    layout->addLayout(strich);
    layout->addWidget(checkDruckdatum);
    layout->addStretch();

    connect(buttonSpiegel, &QPushButton::clicked, this, &TFormsetupAuswertung::SpiegelWaehlen);
    connect(buttonSchussloch, &QPushButton::clicked, this,
            &TFormsetupAuswertung::SchusslochWaehlen);
    return seite;
}

QWidget *TFormsetupAuswertung::BaueDiagrammSeite()
{
    auto *seite = new QWidget;
    diagrammVorschau = new TDiagrammVorschau;
    buttonBalken = new QPushButton(tr("Balken"));
    buttonBalken10 = new QPushButton(tr("10er-Balken"));
    auto *farbknoepfe = new QVBoxLayout;
    farbknoepfe->addWidget(buttonBalken);
    farbknoepfe->addWidget(buttonBalken10);
    farbknoepfe->addStretch();
    auto *farben = new QGroupBox(tr("Farbeinstellungen"));
    auto *farbLayout = new QHBoxLayout(farben);
    farbLayout->addWidget(diagrammVorschau);
    farbLayout->addLayout(farbknoepfe);
    farbLayout->addStretch();
    checkSchusswerte = new QCheckBox(tr("Schußwerte anzeigen"));

    auto *layout = new QVBoxLayout(seite);
    layout->addWidget(farben);
    layout->addWidget(checkSchusswerte);
    layout->addStretch();

    connect(buttonBalken, &QPushButton::clicked, this, &TFormsetupAuswertung::BalkenWaehlen);
    connect(buttonBalken10, &QPushButton::clicked, this, &TFormsetupAuswertung::Balken10Waehlen);
    connect(diagrammVorschau, &TDiagrammVorschau::BalkenGeklickt, this, [this](int index) {
        if (index == TDiagrammVorschau::ZehnerBalken)
            Balken10Waehlen();
        else
            BalkenWaehlen();
    });
    // The diagrams follow this box at once, confirmed or not.
    connect(checkSchusswerte, &QCheckBox::toggled, this, [this](bool checked) {
        Setupdaten().Schusswerte = checked;
        diagrammVorschau->SetWertSichtbar(checked);
    });
    return seite;
}

QWidget *TFormsetupAuswertung::BaueRinglesegeraetSeite()
{
    auto *seite = new QWidget;
    auto *geraete = new QGroupBox(tr(" Ringlesegerät: "));
    auto *geraeteLayout = new QVBoxLayout(geraete);
    groupRinglesegeraet = new QButtonGroup(this);
    for (int i = 0; i < RinglesegeraetAnzahl; ++i) {
        auto *radio = new QRadioButton(QString::fromUtf8(Ringlesegeraetetexte[i]));
        groupRinglesegeraet->addButton(radio, i);
        geraeteLayout->addWidget(radio);
    }

    spinComport = new TUpDownFeld(1, 127);
    comboSchnittstelle = new QComboBox;
    comboSchnittstelle->setEditable(true);
    comboSchnittstelle->setToolTip(
            tr("Gerätepfad der Schnittstelle, z. B. /dev/ttyUSB0. Wenn er angegeben ist, gilt "
               "er statt der Com-Nummer."));
    checkDatenprotokoll = new QCheckBox(tr("Datenprotokoll schreiben"));
    checkDatenprotokoll->setToolTip(
            tr("Protokolliert jedes Byte zum und vom Ringlesegerät, zur Fehlersuche"));
    auto *anschluss = new QFormLayout;
    anschluss->addRow(tr("Angeschlossen an  Com"), spinComport);
    anschluss->addRow(tr("Schnittstelle (Gerätepfad):"), comboSchnittstelle);
#ifdef Q_OS_WIN
    // Windows names its ports by number only.
    anschluss->setRowVisible(comboSchnittstelle, false);
#endif

    checkLangsam = new QCheckBox;
    checkLangsam->setToolTip(tr("Nur bei Disaggeäte"));
    auto *erklaerung = new QLabel(QStringList({tr("Langsame Datenübertragung mit DISAG-Geräten"),
                                               tr("Nur bei langsamen Computern anwählen!"),
                                               tr("Bei RMII RMIII muss die auf der "),
                                               tr("Maschinendiskette die Datei Baudrate auf 9600 "
                                                  "geändert"),
                                               tr("werden."),
                                               tr("Bei RMiV langsame Datenübertragung "
                                                  "auswählen.")})
                                          .join(QLatin1Char('\n')));
    auto *langsam = new QHBoxLayout;
    langsam->addWidget(checkLangsam, 0, Qt::AlignTop);
    langsam->addWidget(erklaerung, 1);

    auto *layout = new QVBoxLayout(seite);
    layout->addWidget(geraete);
    layout->addLayout(anschluss);
    layout->addWidget(checkDatenprotokoll);
    layout->addLayout(langsam);
    layout->addStretch();
    return seite;
}

QWidget *TFormsetupAuswertung::BaueVereinSeite()
{
    auto *seite = new QWidget;
    editVereinsname = new QLineEdit;
    editVereinnr = new QLineEdit;
    editVereinnr->setMaxLength(8);
    editVereinnr->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\d{0,8}")), editVereinnr));
    auto *layout = new QFormLayout(seite);
    layout->addRow(tr("Vereinsname:"), editVereinsname);
    layout->addRow(tr("Vereinsnummer:"), editVereinnr);
    return seite;
}

QWidget *TFormsetupAuswertung::BaueDatenSeite()
{
    auto *seite = new QWidget;
    dirModel = new QFileSystemModel(this);
    dirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    dirModel->setRootPath(QString());
    dirView = new QTreeView;
    dirView->setModel(dirModel);
    dirView->setHeaderHidden(true);
    for (int column = 1; column < dirModel->columnCount(); ++column)
        dirView->hideColumn(column);
    labelVerzeichnis = new QLabel;
    labelVerzeichnis->setWordWrap(true);
    auto *layout = new QVBoxLayout(seite);
    layout->addWidget(dirView, 1);
    layout->addWidget(labelVerzeichnis);
    return seite;
}

QWidget *TFormsetupAuswertung::BaueEmailSeite()
{
    auto *seite = new QWidget;
    auto *layout = new QVBoxLayout(seite);
    editEmpfaenger = FeldMitTitel(layout, tr("Empfänger EMailadresse (Rundenwettkampfleiter)"),
                                  tr("rwk-leitung@example.org"));
    editKopie = FeldMitTitel(layout, tr("Kopie an EMailadresse (Schussbildserver)"), QString());
    editSender = FeldMitTitel(layout, tr("Absender EMailadresse"), tr("verein@example.org"));
    editUserId = FeldMitTitel(layout, tr("Benutzername:"), QString());
    editSMTP =
            FeldMitTitel(layout, tr("Server für ausgehende Mail (SMTP)"), tr("smtp.example.org"));
    layout->addStretch();
    return seite;
}

void TFormsetupAuswertung::BeimLaden()
{
    const tSetupdaten &s = Setupdaten();
    editEmpfaenger->setText(s.Empfaenger);
    editKopie->setText(s.Kopie);
    editSender->setText(s.Sender);
    editSMTP->setText(s.SMTP);
    editUserId->setText(s.UserId);
    checkLangsam->setChecked(s.LangsameUebertragung());
    spinComport->setValue(s.Comport);

    m_verzeichnis = QDir::currentPath();
    labelVerzeichnis->setText(QDir::toNativeSeparators(m_verzeichnis));
    const QModelIndex aktuell = dirModel->index(m_verzeichnis);
    dirView->setCurrentIndex(aktuell);
    dirView->scrollTo(aktuell);
    connect(dirView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &index) { VerzeichnisWaehlen(dirModel->filePath(index)); });
}

void TFormsetupAuswertung::showEvent(QShowEvent *event)
{
    // Restored from minimised: the fields keep what the user typed.
    if (event->spontaneous()) {
        QDialog::showEvent(event);
        return;
    }
    const tSetupdaten &s = Setupdaten();
    checkSchusswerte->setChecked(s.Schusswerte);
    checkDruckdatum->setChecked(s.Datum);
    editVereinsname->setText(s.Vereinsname);
    editVereinnr->setText(s.Vereinnr);
    diagrammVorschau->SetWertSichtbar(s.Schusswerte);
    schussbildVorschau->SetSpiegel(s.FarbeSpiegel);
    schussbildVorschau->SetSchuss(s.FarbeSchuss);
    diagrammVorschau->SetBalken(s.Balken);
    diagrammVorschau->SetBalken10(s.Balken10);
    spinStrichbreite->setValue(s.Strichbreite);
    spinComport->setValue(s.Comport);
    groupRinglesegeraet->button(qMin<int>(s.Ringlesegeraet, RinglesegeraetAnzahl - 1))
            ->setChecked(true);

    // Adapters come and go while the program runs.
    comboSchnittstelle->clear();
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        comboSchnittstelle->addItem(port.systemLocation());
    comboSchnittstelle->setEditText(s.Schnittstelle);
    checkDatenprotokoll->setChecked(s.Datenprotokoll);
    QDialog::showEvent(event);
}

// The status bar shows the hint of the tree entry under the mouse, and nothing elsewhere.
bool TFormsetupAuswertung::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tree->viewport() && event->type() == QEvent::Leave)
        statusBar->clearMessage();
    return QDialog::eventFilter(watched, event);
}

TFormsetupAuswertung::Seite TFormsetupAuswertung::AktuelleSeite() const
{
    return Seite(pages->currentIndex());
}

QTreeWidgetItem *TFormsetupAuswertung::Eintrag(const QString &caption) const
{
    const QList<QTreeWidgetItem *> items =
            tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}

void TFormsetupAuswertung::EintragGewaehlt(QTreeWidgetItem *item)
{
    if (item == nullptr)
        return;
    const int seite = item->data(0, SeiteRolle).toInt();
    if (seite != KeineSeite)
        pages->setCurrentIndex(seite);
}

bool TFormsetupAuswertung::VerzeichnisWaehlen(const QString &path)
{
    if (path.isEmpty() || !QDir::setCurrent(path))
        return false;
    m_verzeichnis = QDir::currentPath();
    labelVerzeichnis->setText(QDir::toNativeSeparators(m_verzeichnis));
    return true;
}

void TFormsetupAuswertung::SpiegelWaehlen()
{
    schussbildVorschau->SetSpiegel(FarbeWaehlen(schussbildVorschau->Spiegel()));
}

void TFormsetupAuswertung::SchusslochWaehlen()
{
    schussbildVorschau->SetSchuss(FarbeWaehlen(schussbildVorschau->Schuss()));
}

void TFormsetupAuswertung::BalkenWaehlen()
{
    diagrammVorschau->SetBalken(FarbeWaehlen(diagrammVorschau->Balken()));
}

void TFormsetupAuswertung::Balken10Waehlen()
{
    diagrammVorschau->SetBalken10(FarbeWaehlen(diagrammVorschau->Balken10()));
}

void TFormsetupAuswertung::AllesUebernehmenClick()
{
    tSetupdaten &s = Setupdaten();
    s.FarbeSpiegel = schussbildVorschau->Spiegel();
    s.FarbeSchuss = schussbildVorschau->Schuss();
    s.Strichbreite = spinStrichbreite->value();
    s.Balken = diagrammVorschau->Balken();
    s.Balken10 = diagrammVorschau->Balken10();
    s.Datum = checkDruckdatum->isChecked();
    s.Comport = spinComport->value();
    s.Schnittstelle = comboSchnittstelle->currentText().trimmed();
    s.Datenprotokoll = checkDatenprotokoll->isChecked();
    s.Vereinsname = editVereinsname->text();
    s.Vereinnr = editVereinnr->text();
    s.Empfaenger = editEmpfaenger->text();
    s.Kopie = editKopie->text();
    s.Sender = editSender->text();
    s.SMTP = editSMTP->text();
    s.UserId = editUserId->text();
    s.Comport9600 = checkLangsam->isChecked() ? QStringLiteral("J") : QStringLiteral("N");
    const QString verzeichnis = QDir::toNativeSeparators(m_verzeichnis);
    s.SetDaten(verzeichnis);
    s.Ringlesegeraet = quint8(qMax(0, groupRinglesegeraet->checkedId()));

    if (!s.WriteAll(SetupFileName(), verzeichnis)) {
        // Nothing is lost: the dialog stays open and the settings object holds the values.
        UserDialogs().MessageDlg(
                tr("Die Grundeinstellungen konnten nicht gespeichert werden: Die Datei \"%1\" "
                   "lässt sich nicht schreiben.")
                        .arg(QDir::toNativeSeparators(SetupFileName())),
                TMsgIcon::Error, TMsgButtons::Ok);
        return;
    }
    accept();
}

void TFormsetupAuswertung::HilfeClick()
{
    QString thema;
    switch (AktuelleSeite()) {
    case SeiteSchussbild:
        thema = QStringLiteral("Optionen_20");
        break;
    case SeiteDiagramm:
        thema = QStringLiteral("Optionen_30");
        break;
    case SeiteRinglesegeraet:
        thema = QStringLiteral("Optionen_40");
        break;
    case SeiteEmail:
        thema = QStringLiteral("Email_00010");
        break;
    default:
        return;
    }
    if (ProgramWindows().help != nullptr)
        ProgramWindows().help->ShowTopic(thema);
}
