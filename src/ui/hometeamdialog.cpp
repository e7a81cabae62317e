#include "ui/hometeamdialog.h"

#include "base/numberformat.h"
#include "base/userdialogs.h"
#include "machine/disagparameterstring.h"
#include "settings/hometeamfile.h"
#include "settings/setupdaten.h"
#include "ui/disagdialog.h"
#include "ui/help.h"
#include "ui/hometeamrules.h"
#include "ui/hometeamselection.h"
#include "ui/modal.h"
#include "ui/programwindows.h"
#include "ui/shootergrid.h"
#include "ui/updownedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int HelpContext = 20;
const QColor Maroon(128, 0, 0);

void SetHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

QLabel *Heading(const QString &text, bool bold, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Maroon);
    label->setPalette(palette);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLineEdit *Edit(const QString &objectName, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    return edit;
}

QComboBox *DropDown(const QString &objectName, const QStringList &items, const QString &hint,
                    QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->addItems(items);
    box->setCurrentIndex(-1);
    SetHint(box, hint);
    return box;
}

void SelectText(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
}

TMsgAnswer Ask(const QString &text, TMsgButtons buttons = TMsgButtons::YesNo)
{
    return UserDialogs().MessageDlg(text, TMsgIcon::Confirmation, buttons);
}

} // namespace

TFEinstellung::TFEinstellung(QWidget *parent, const QString &homeTeamFilePath)
    : QDialog(parent),
      m_filePath(homeTeamFilePath.isEmpty() ? THomeTeamFile().FileName() : homeTeamFilePath)
{
    setWindowTitle(QStringLiteral("Heimmannschaften festlegen"));
    CreateActions();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    CreateMenus();

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("Werkzeugleiste"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->addActions({m_neu, m_oeffnen, m_speichern});
    toolBar->addSeparator();
    toolBar->addAction(m_loeschen);
    toolBar->addSeparator();
    toolBar->addAction(m_disagTool);
    layout->addWidget(toolBar);

    m_editingArea = CreateEditingArea();
    m_editingArea->hide();
    layout->addWidget(m_editingArea, 1);
    layout->addStretch();

    m_statusBar = new QStatusBar(this);
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setStatusTip(QStringLiteral(
            "Erlaubt die Sortierung der Schützen. Die schlechtesten Schützen fallen evtl. aus dem "
            "Mannschaftsergebnis"));
    layout->addWidget(m_statusBar);

    RegularShootersChanged();
    resize(780, 680);
}

QAction *TFEinstellung::NewAction(const QString &text, const QString &toolTip,
                                  const QString &statusTip, const std::function<void()> &slot)
{
    auto *action = new QAction(text, this);
    action->setToolTip(toolTip);
    action->setStatusTip(statusTip);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void TFEinstellung::CreateActions()
{
    m_neu = NewAction(QStringLiteral("Neue Mannschaft"), QStringLiteral("Neu"),
                      QStringLiteral("Neue Mannschaft erstellen"), [this] { NeueMannschaft(); });
    m_neu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_oeffnen =
            NewAction(QStringLiteral("Mannschaft ändern"), QStringLiteral("Öffnen"),
                      QStringLiteral("Eine Mannschaft öffnen"), [this] { MannschaftAendern(); });
    m_oeffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_speichern = NewAction(QStringLiteral("&Speichern"), QStringLiteral("Speichern"),
                            QStringLiteral("Mannschaft speichern"), [this] { Speichern(); });
    m_speichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_speichern->setEnabled(false);
    m_beenden = NewAction(QStringLiteral("&Beenden"), QStringLiteral("Beenden"),
                          QStringLiteral("Das Programm beenden"), [this] { Close(); });
    m_loeschen = NewAction(QStringLiteral("Löschen"), QStringLiteral("Löschen"),
                           QStringLiteral("Achtung!! Löscht die Daten dieser Mannschaft."),
                           [this] { Loeschen(); });
    const QString disagHint = QStringLiteral("Einstellungen des Ringlesegerätes");
    m_disagMenu = NewAction(QStringLiteral("Disag-Einstellung"), disagHint, disagHint,
                            [this] { DisagEinstellung(); });
    // The toolbar button is enabled on its own, so it needs an action of its own.
    m_disagTool = NewAction(QStringLiteral("Disag-Einstellung"), disagHint, disagHint,
                            [this] { DisagEinstellung(); });
    m_hilfeInhalt = NewAction(QStringLiteral("&Inhalt und Index"), QString(), QString(),
                              [this] { ShowHelpContents(); });
    m_hilfeFenster = NewAction(QStringLiteral("Hilfe zum aktuellen Fenster  F1"), QString(),
                               QString(), [this] { ShowWindowHelp(); });

    const QList<std::pair<QAction *, QString>> names {
            {m_neu, QStringLiteral("NeueMannschaft")},
            {m_oeffnen, QStringLiteral("MannschaftAendern")},
            {m_speichern, QStringLiteral("Speichern")},
            {m_beenden, QStringLiteral("Beenden")},
            {m_loeschen, QStringLiteral("Loeschen")},
            {m_disagMenu, QStringLiteral("DisagEinstellung")},
            {m_disagTool, QStringLiteral("DisagEinstellungWerkzeug")},
            {m_hilfeInhalt, QStringLiteral("InhaltUndIndex")},
            {m_hilfeFenster, QStringLiteral("HilfeZumFenster")}};
    for (const auto &[action, name] : names)
        action->setObjectName(name);

    auto *f1 = new QAction(this);
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(f1, &QAction::triggered, this, [this] { ShowWindowHelp(); });
    addAction(f1);
}

void TFEinstellung::CreateMenus()
{
    auto *menuBar = new QMenuBar(this);
    QMenu *datei = menuBar->addMenu(QStringLiteral("&Datei"));
    datei->addActions({m_neu, m_oeffnen, m_speichern, m_beenden});
    QMenu *bearbeiten = menuBar->addMenu(QStringLiteral("B&earbeiten"));
    bearbeiten->addActions({m_loeschen, m_disagMenu});
    QMenu *hilfe = menuBar->addMenu(QStringLiteral("?"));
    hilfe->addActions({m_hilfeInhalt, m_hilfeFenster});
    layout()->setMenuBar(menuBar);
}

QWidget *TFEinstellung::CreateEditingArea()
{
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("Bearbeitungsbereich"));
    auto *grid = new QGridLayout(area);

    // Club name and designation side by side read as the team's full name.
    m_nameLabel = new QLabel(QStringLiteral("Mannschaftsname:"), area);
    m_nameLabel->installEventFilter(this);
    m_vereinsname = Edit(QStringLiteral("Vereinsname"), area);
    m_vereinsname->setReadOnly(true);
    QPalette white = m_vereinsname->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_vereinsname->setPalette(white);
    m_bezeichnung = Edit(QStringLiteral("Bezeichnung"), area);
    m_ident = Edit(QStringLiteral("Mann_ident"), area);
    SetHint(m_ident, QStringLiteral("Wird zur Weitermeldung per Diskette oder EMAIL benötigt"));
    m_liga = Edit(QStringLiteral("Liga"), area);
    m_liga->setText(QStringLiteral("Bezirksoberliga"));
    m_klasse = Edit(QStringLiteral("Klasse"), area);
    m_klasse->setText(QStringLiteral("Schützenklasse"));
    m_gruppe = Edit(QStringLiteral("Gruppe"), area);
    m_gruppe->setText(QStringLiteral("A"));

    auto *left = new QGridLayout;
    left->addWidget(m_nameLabel, 0, 0, 1, 2);
    left->addWidget(m_vereinsname, 1, 0);
    left->addWidget(m_bezeichnung, 1, 1);
    left->addWidget(new QLabel(QStringLiteral("Mannschafts-Ident.-Nr."), area), 2, 0, 1, 2);
    left->addWidget(m_ident, 3, 0);
    left->addWidget(new QLabel(QStringLiteral("Liga"), area), 4, 0, 1, 2);
    left->addWidget(m_liga, 5, 0, 1, 2);
    left->addWidget(new QLabel(QStringLiteral("Klasse"), area), 6, 0);
    left->addWidget(new QLabel(QStringLiteral("Gruppe"), area), 6, 1);
    left->addWidget(m_klasse, 7, 0);
    left->addWidget(m_gruppe, 7, 1);
    grid->addLayout(left, 0, 0);

    m_mannschaftstaerke = new TUpDownEdit(1, 10, area);
    m_mannschaftstaerke->setObjectName(QStringLiteral("Mannschaftstaerke"));
    m_mannschaftstaerke->SetText(QStringLiteral("4"));
    SetHint(m_mannschaftstaerke, QStringLiteral("Anzahl 2 .. 8 möglich."));
    m_oMannschafts = new TUpDownEdit(0, 6, area);
    m_oMannschafts->setObjectName(QStringLiteral("OMannschafts"));
    m_oMannschafts->SetText(QStringLiteral("0"));
    SetHint(m_oMannschafts, QStringLiteral("Reserveschützen 0 .. 6 möglich"));
    m_sortieren = new QCheckBox(QStringLiteral("Sortieren ermöglichen"), area);
    m_sortieren->setObjectName(QStringLiteral("Sortieren"));
    SetHint(m_sortieren,
            QStringLiteral("Sortierung nach Ergebnis: Die schlechtesten Schützen "
                           "gehen evtl. nicht in das Mannschaftsergebnis ein."));
    m_schussanzahl = DropDown(QStringLiteral("Schussanzahl"),
                              {QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("40"),
                               QStringLiteral("50"), QStringLiteral("60")},
                              QStringLiteral("20 .. 60 möglich"), area);
    m_schussanzahlSerie = DropDown(
            QStringLiteral("Schussanzahl_Serie"),
            {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("15")},
            QStringLiteral("5, 10, 12, 15 möglich"), area);

    auto *right = new QGridLayout;
    right->addWidget(Heading(QStringLiteral("Anzahl der Schützen"), false, area), 0, 0, 1, 2);
    right->addWidget(new QLabel(QStringLiteral("Mannschaftswertung"), area), 1, 0);
    right->addWidget(m_mannschaftstaerke, 1, 1);
    right->addWidget(new QLabel(QStringLiteral("Ohne Mannschaftswertung"), area), 2, 0);
    right->addWidget(m_oMannschafts, 2, 1);
    right->addWidget(m_sortieren, 3, 0, 1, 2);
    right->addWidget(new QLabel(QStringLiteral("Schuss pro Schütze"), area), 4, 0);
    right->addWidget(m_schussanzahl, 4, 1);
    right->addWidget(new QLabel(QStringLiteral("Schuss pro Serie"), area), 5, 0);
    right->addWidget(m_schussanzahlSerie, 5, 1);
    right->setRowStretch(6, 1);
    grid->addLayout(right, 0, 1);

    m_grid = new TShooterGrid(area);
    m_grid->setObjectName(QStringLiteral("Schuetzen"));
    grid->addWidget(
            Heading(QStringLiteral("Startberechtigte Schützen der Heimmannschaft"), true, area), 1,
            0, 1, 2);
    grid->addWidget(m_grid, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);

    // League and identification number are left out on purpose: changing them alone does not
    // make the team count as changed.
    for (QLineEdit *edit : {m_bezeichnung, m_klasse, m_gruppe})
        connect(edit, &QLineEdit::textChanged, this, &TFEinstellung::SetModified);
    connect(m_mannschaftstaerke, &TUpDownEdit::TextChanged, this, &TFEinstellung::SetModified);
    connect(m_mannschaftstaerke, &TUpDownEdit::TextChanged, this,
            &TFEinstellung::RegularShootersChanged);
    connect(m_oMannschafts, &TUpDownEdit::TextChanged, this, &TFEinstellung::SetModified);
    connect(m_sortieren, &QCheckBox::toggled, this, &TFEinstellung::SetModified);
    connect(m_schussanzahl, &QComboBox::activated, this, &TFEinstellung::SetModified);
    connect(m_schussanzahlSerie, &QComboBox::activated, this, &TFEinstellung::SetModified);
    connect(m_grid, &TShooterGrid::KeyPressed, this, &TFEinstellung::SetModified);
    return area;
}

THomeTeamFile TFEinstellung::File() const
{
    return THomeTeamFile(m_filePath);
}

void TFEinstellung::SetModified()
{
    m_modified = true;
}

void TFEinstellung::RegularShootersChanged()
{
    int count = 0;
    if (!ParseInteger(m_mannschaftstaerke->Text(), count))
        count = 0;
    m_grid->SetRegularShooters(count);
}

void TFEinstellung::ShowEditingArea(bool shown)
{
    m_editingArea->setVisible(shown);
}

bool TFEinstellung::OfferSave()
{
    if (!m_modified || Ask(QStringLiteral("Aktuelle Mannschaft speichern?")) != TMsgAnswer::Yes)
        return true;
    return Speichern();
}

void TFEinstellung::NeueMannschaft()
{
    m_disagTool->setEnabled(true);
    // A refused save keeps the team open for correction instead of dropping the changes.
    if (!OfferSave())
        return;
    m_bezeichnung->setText(QStringLiteral("unbenannt"));
    // Remarks and all other fields stay, so the previous team serves as a template.
    for (int row = 1; row <= THomeTeamFile::ShooterEntries; ++row) {
        m_grid->SetCell(row, TShooterGrid::NameColumn, QString());
        m_grid->SetCell(row, TShooterGrid::PassColumn, QString());
    }
    SelectText(m_schussanzahl, QStringLiteral("40"));
    SelectText(m_schussanzahlSerie, QStringLiteral("10"));
    m_section = NewTeamSection(File());
    ShowEditingArea(true);
    m_speichern->setEnabled(true);
    m_disagPending = true;
}

void TFEinstellung::MannschaftAendern()
{
    if (!OfferSave())
        return;
    THomeTeamFile file = File();
    TFopenform picker(false, file, this);
    if (ExecModal(picker) == QDialog::Accepted && !picker.SelectedSection().isEmpty()) {
        ShowEditingArea(true);
        m_speichern->setEnabled(true);
        m_loeschen->setEnabled(true);
        m_disagTool->setEnabled(true);
        m_section = picker.SelectedSection();
        LoadTeam(file, m_section);
        // The opened team has its machine settings; a new team's reminder is not for it.
        m_disagPending = false;
    }
    m_modified = false;
}

void TFEinstellung::LoadTeam(const THomeTeamFile &file, const QString &section)
{
    const auto read = [&](const char *key, const QString &def = QString()) {
        return file.ReadString(section, QString::fromLatin1(key), def);
    };
    m_ident->setText(read("Mann_ident"));
    m_bezeichnung->setText(read("Bezeichnung", QStringLiteral("unbenannt")));
    m_klasse->setText(read("Klasse", QStringLiteral("S")));
    m_gruppe->setText(read("Gruppe"));
    m_liga->setText(read("Liga"));
    m_mannschaftstaerke->SetText(read("Mannschaftstaerke", QStringLiteral("4")));
    m_oMannschafts->SetText(read("OMannschafts", QStringLiteral("0")));
    m_sortieren->setChecked(file.ReadBool(section, QStringLiteral("Sortieren"), false));
    SelectText(m_schussanzahl, read("Schussanzahl", QStringLiteral("40")));
    SelectText(m_schussanzahlSerie, read("Schussanzahl_Serie", QStringLiteral("10")));
    m_disag = read("DISAG");
    for (int row = 1; row <= THomeTeamFile::ShooterEntries; ++row) {
        m_grid->SetEntry(row,
                         SplitShooterEntry(file.ReadString(section, THomeTeamFile::ShooterKey(row),
                                                           QStringLiteral(";"))));
    }
}

THomeTeamForm TFEinstellung::Form() const
{
    THomeTeamForm form;
    form.bezeichnung = m_bezeichnung->text();
    form.mannschaftstaerke = m_mannschaftstaerke->Text();
    form.oMannschafts = m_oMannschafts->Text();
    for (int row = 1; row <= TShooterGrid::VisibleRows; ++row)
        form.names.append(m_grid->Cell(row, TShooterGrid::NameColumn));
    form.schussanzahl = m_schussanzahl->currentText();
    form.schussanzahlSerie = m_schussanzahlSerie->currentText();
    return form;
}

bool TFEinstellung::Speichern()
{
    if (m_disagPending
        && Ask(QStringLiteral("Disaggerät wurde noch nicht eingestellt! Trotzdem speichern? "),
               TMsgButtons::OkCancel)
                != TMsgAnswer::Ok)
        DisagEinstellung();
    if (const auto error = CheckHomeTeam(Form())) {
        UserDialogs().MessageDlg(*error, TMsgIcon::Error, TMsgButtons::OkHelp, HelpContext);
        return false;
    }
    m_modified = false;
    if (!WriteTeam()) {
        m_modified = true;
        UserDialogs().MessageDlg(
                QStringLiteral("nach %1 kann nicht geschrieben werden").arg(m_filePath),
                TMsgIcon::Error, TMsgButtons::Ok);
        return false;
    }
    return true;
}

bool TFEinstellung::WriteTeam()
{
    THomeTeamFile file = File();
    const QString &s = m_section;
    int n = 0;
    int om = 0;
    ParseInteger(m_mannschaftstaerke->Text(), n);
    ParseInteger(m_oMannschafts->Text(), om);
    bool written = file.WriteString(s, QStringLiteral("Mann_ident"), m_ident->text())
            && file.WriteString(s, QStringLiteral("Bezeichnung"), m_bezeichnung->text())
            && file.WriteString(s, QStringLiteral("Klasse"), m_klasse->text())
            && file.WriteString(s, QStringLiteral("Gruppe"), m_gruppe->text())
            && file.WriteInteger(s, QStringLiteral("Mannschaftstaerke"), n)
            && file.WriteInteger(s, QStringLiteral("OMannschafts"), om)
            && file.WriteString(s, QStringLiteral("Schussanzahl"), m_schussanzahl->currentText())
            && file.WriteString(s, QStringLiteral("Schussanzahl_Serie"),
                                m_schussanzahlSerie->currentText())
            && file.WriteString(s, QStringLiteral("Liga"), m_liga->text())
            && file.WriteString(s, QStringLiteral("DISAG"), m_disag)
            && file.WriteBool(s, QStringLiteral("Sortieren"), m_sortieren->isChecked());
    for (int row = 1; written && row <= THomeTeamFile::ShooterEntries; ++row) {
        const TShooterEntry entry = m_grid->Entry(row);
        const QString key = THomeTeamFile::ShooterKey(row);
        written = entry.name.isEmpty() ? file.DeleteKey(s, key)
                                       : file.WriteString(s, key, JoinShooterEntry(entry));
    }
    return written;
}

void TFEinstellung::Loeschen()
{
    if (Ask(QStringLiteral("Wollen Sie die Mannschaft %1 wirklich löschen?")
                    .arg(m_bezeichnung->text()))
        != TMsgAnswer::Yes)
        return;
    if (!File().DeleteTeam(m_section)) {
        UserDialogs().MessageDlg(
                QStringLiteral("nach %1 kann nicht geschrieben werden").arg(m_filePath),
                TMsgIcon::Error, TMsgButtons::Ok);
        return;
    }
    ShowEditingArea(false);
    m_speichern->setEnabled(false);
    m_loeschen->setEnabled(false);
    m_modified = false;
}

void TFEinstellung::DisagEinstellung()
{
    TFormDisageinstellung *dialog = ProgramWindows().disag;
    if (!dialog)
        return;
    TDisagParameter record;
    ParseParameterString(m_disag, record);
    dialog->SetRecord(record);
    const bool accepted = ExecModal(*dialog) == QDialog::Accepted;
    m_disagPending = false;
    // "Abbrechen" leaves the team's machine settings as they were.
    if (!accepted)
        return;
    m_disag = BuildParameterString(dialog->Record());
    if (!m_modified)
        m_modified = dialog->Changed();
}

void TFEinstellung::Close()
{
    close();
}

void TFEinstellung::done(int result)
{
    if (m_modified
        && Ask(QStringLiteral("Einstellung wurde noch nicht gespeichert!!\n\rSpeichern?"))
                == TMsgAnswer::Yes)
        Speichern();
    m_modified = false;
    ShowEditingArea(false);
    QDialog::done(result);
}

void TFEinstellung::ShowHelpContents()
{
    if (THelp *help = ProgramWindows().help)
        help->ShowContents();
}

void TFEinstellung::ShowWindowHelp()
{
    if (THelp *help = ProgramWindows().help)
        help->ShowContext(HelpContext);
}

bool TFEinstellung::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        m_statusBar->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

bool TFEinstellung::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameLabel && event->type() == QEvent::MouseButtonRelease)
        NeueMannschaft();
    return QDialog::eventFilter(watched, event);
}

void TFEinstellung::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_disagTool->setEnabled(false);
    m_loeschen->setEnabled(false);
    m_modified = false;
    m_vereinsname->setText(Setupdaten().Vereinsname);
    m_grid->setCurrentCell(0, std::max(m_grid->currentColumn(), 0));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
