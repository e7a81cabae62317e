#include "ui/mainform.h"

#include "base/tickclock.h"
#include "base/userdialogs.h"
#include "settings/setupdaten.h"
#include "ui/aboutbox.h"
#include "ui/childhooks.h"
#include "ui/help.h"
#include "ui/hometeamdialog.h"
#include "ui/images.h"
#include "ui/mdichild.h"
#include "ui/modal.h"
#include "ui/programwindows.h"
#include "ui/setupdialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

// A file name as a menu shows it: an "&" in it is no accelerator.
QString MenuText(QString text)
{
    return text.replace(u'&', QLatin1String("&&"));
}

// "short|long": the short part is the tooltip, the long one the status bar text.
void SetHint(QAction *action, const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

// A question asked within this time after switching to the program guards against a close that
// was meant for the window left behind.
constexpr quint32 EndQuestionMs = 2000;

} // namespace

TMainForm::TMainForm(const TTickClock &clock, QWidget *parent)
    : QMainWindow(parent), m_clock(clock), m_aktivZeit(clock.Now())
{
    setWindowTitle(QStringLiteral("Tarvenn - Rundenwettkampfprogramm  "));
    m_mdiArea = new QMdiArea(this);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::UpdateActions);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    statusBar();
    UpdateActions();
}

TMainForm::~TMainForm()
{
    // The frame's windows go after this part of it; their farewell needs no menu update.
    m_mdiArea->disconnect(this);
}

QAction *TMainForm::NewAction(const QString &caption, const QString &hint, int image)
{
    auto *action = new QAction(caption, this);
    SetHint(action, hint);
    if (image >= 0)
        m_imageIndexes.append({action, image});
    return action;
}

// An item of its own caption and hint that acts and is enabled as `source`.
QAction *TMainForm::Follower(QAction *source, const QString &caption, const QString &hint)
{
    QAction *action = NewAction(caption, hint);
    for (const auto &[a, image] : std::as_const(m_imageIndexes)) {
        if (a == source) {
            m_imageIndexes.append({action, image});
            break;
        }
    }
    action->setEnabled(source->isEnabled());
    connect(source, &QAction::enabledChanged, action, &QAction::setEnabled);
    connect(action, &QAction::triggered, source, &QAction::trigger);
    return action;
}

void TMainForm::CreateActions()
{
    FileNew1 = NewAction(tr("&Neuer Rundenwettkampf"), tr("Neu|Neuen Rundenwettkampf anlegen"), 6);
    FileNew1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(FileNew1, &QAction::triggered, this, &TMainForm::FileNew1Execute);

    // Ctrl+O belongs to the menu's "Ö&ffnen": two actions with one shortcut would block each
    // other.
    FileOpen1 = NewAction(tr("Ö&ffnen eines RW"), tr("Öffnen|Bestehenden Wettkampf öffnen"), 7);
    connect(FileOpen1, &QAction::triggered, this, &TMainForm::FileOpen1Execute);
    Oeffnen = NewAction(tr("Ö&ffnen"), tr("Öffnen|Eine Datei öffnen"), 7);
    Oeffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(Oeffnen, &QAction::triggered, this, &TMainForm::FileOpen1Execute);

    FileSave1 = NewAction(tr("&Speichern"), tr("Speichern|Aktuelle Rundenwettkampf speichern"), 8);
    FileSave1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(FileSave1, &QAction::triggered, this, [this] {
        if (TMDIChild *child = ActiveChild())
            child->SaveCompetition();
    });
    FileSaveAs1 = NewAction(
            tr("Speichern &unter..."),
            tr("Speichern unter|Eine Rundenwettkampf unter einem anderen Namen speichern"));
    connect(FileSaveAs1, &QAction::triggered, this, [this] {
        if (TMDIChild *child = ActiveChild())
            child->SaveCompetitionAs();
    });
    Senden = NewAction(tr("Email"), tr("Speichern +  Email versenden"), 15);
    connect(Senden, &QAction::triggered, this,
            [this] { WithActiveChild(&TMDIChild::SendCompetition); });
    Filedrucken = NewAction(tr("Drucken"), tr("Druck das Protokoll aus."), 14);
    Filedrucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(Filedrucken, &QAction::triggered, this, [this] {
        TMDIChild *child = ActiveChild();
        if (!child)
            return;
        if (PrintProtocolHook())
            PrintProtocolHook()(*child);
        else
            ShowNotYetAvailable(tr("Der Protokolldruck"));
    });
    Kopfdaten = NewAction(tr("Kopfdaten"), tr("Wettkampf-Kopfdaten"), 26);
    connect(Kopfdaten, &QAction::triggered, this,
            [this] { WithActiveChild(&TMDIChild::EditHeaderData); });
    Gastmannschaft = NewAction(tr("Gastmannschaft"), tr("Gastmannschaft"), 22);
    connect(Gastmannschaft, &QAction::triggered, this,
            [this] { WithActiveChild(&TMDIChild::EditGuestTeam); });
    Sortieren = NewAction(tr("Sortieren"), tr("Nach Ergebnis sortieren"), 36);
    connect(Sortieren, &QAction::triggered, this,
            [this] { WithActiveChild(&TMDIChild::SortTeams); });
    Heimmannschaften = NewAction(tr("Heimmannschaften"), tr("Heimmannschaften erstellen"), 10);
    connect(Heimmannschaften, &QAction::triggered, this,
            [this] { ShowProgramWindow(ProgramWindows().einstellung); });
    ActionHileOnline = NewAction(tr("Hilfe"), QString(), 27);
    ActionHileOnline->setShortcut(QKeySequence(Qt::Key_F1));
    connect(ActionHileOnline, &QAction::triggered, this, [] {
        if (THelp *help = ProgramWindows().help) {
            help->ShowContext(10);
            help->ShowContents();
        }
    });

    WindowCascade1 = NewAction(tr("Ü&berlappend"), tr("Überlappend"), 30);
    connect(WindowCascade1, &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);
    WindowTileHorizontal1 = NewAction(tr("Hori&zontal anordnen"), tr("Horizontal anordnen"), 28);
    connect(WindowTileHorizontal1, &QAction::triggered, this, [this] { WindowTile(true); });
    WindowTileVertical1 = NewAction(tr("&Vertikal anordnen"), tr("Vertikal anordnen"), 29);
    connect(WindowTileVertical1, &QAction::triggered, this, [this] { WindowTile(false); });
    WindowMinimizeAll1 = NewAction(tr("&Alle verkleinern"), tr("Alle verkleinern"), 31);
    connect(WindowMinimizeAll1, &QAction::triggered, this, [this] {
        for (QMdiSubWindow *frame : m_mdiArea->subWindowList())
            frame->showMinimized();
    });
    Schlieen1 = NewAction(tr("S&chließen"), QString());
    connect(Schlieen1, &QAction::triggered, this, [this] {
        if (TMDIChild *child = ActiveChild())
            child->CloseCompetition();
    });

    ExportOnlinemelder = NewAction(tr("Export Onlinemelder"), QString());
    connect(ExportOnlinemelder, &QAction::triggered, this, &TMainForm::ExportOnlineReport);
    EmailSenden = Follower(Senden, tr("E-Mail senden"), tr("Speichern +  Email versenden"));
    Beenden = NewAction(tr("&Beenden"), tr("Beenden|Das Programm beenden"));
    connect(Beenden, &QAction::triggered, this, &QWidget::close);
}

void TMainForm::CreateMenus()
{
    m_dateiMenu = menuBar()->addMenu(tr("&Datei"));
    m_dateiMenu->menuAction()->setStatusTip(tr("Dateibefehle"));
    m_dateiMenu->addActions({FileNew1, Oeffnen, Schlieen1, FileSave1, FileSaveAs1});
    m_dateiMenu->addSeparator();
    m_dateiMenu->addAction(ExportOnlinemelder);
    m_dateiMenu->addSeparator();
    m_dateiMenu->addAction(EmailSenden);
    m_dateiMenu->addSeparator();
    m_dateiMenu->addAction(Filedrucken);
    m_dateiMenu->addSeparator();
    m_dateiMenu->addAction(Beenden);

    QMenu *wettkampf = menuBar()->addMenu(tr("Wettkampf"));
    wettkampf->addActions({Gastmannschaft, Kopfdaten, Sortieren});

    QMenu *einstellungen = menuBar()->addMenu(tr("Einstellungen"));
    einstellungen->addAction(Heimmannschaften);
    einstellungen->addSeparator();
    connect(einstellungen->addAction(tr("Optionen")), &QAction::triggered, this,
            [this] { ShowProgramWindow(ProgramWindows().setup); });

    m_fensterMenu = menuBar()->addMenu(tr("&Fenster"));
    m_fensterMenu->menuAction()->setStatusTip(tr("Fensterbezogene Anweisungen"));
    m_fensterMenu->addActions(
            {WindowCascade1, WindowTileHorizontal1, WindowTileVertical1, WindowMinimizeAll1});
    connect(m_fensterMenu, &QMenu::aboutToShow, this, &TMainForm::BuildWindowMenu);

    QMenu *hilfe = menuBar()->addMenu(tr("&Hilfe"));
    hilfe->menuAction()->setStatusTip(tr("Hilfethemen"));
    hilfe->addAction(ActionHileOnline);
    connect(hilfe->addAction(tr("Bedienung des Hilfesystems")), &QAction::triggered, this, [] {
        if (THelp *help = ProgramWindows().help)
            help->ShowHelpOnHelp();
    });
    hilfe->addSeparator();
    connect(hilfe->addAction(tr("&Info...")), &QAction::triggered, this,
            [this] { ShowProgramWindow(ProgramWindows().about); });
}

void TMainForm::CreateToolBar()
{
    m_toolBar = addToolBar(tr("Symbolleiste"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->addActions({FileNew1, FileOpen1});
    m_toolBar->addSeparator();
    m_toolBar->addActions({FileSave1, Senden,
                           Follower(Filedrucken, tr("Drucken"), tr("Protokolldruck")), Kopfdaten,
                           Gastmannschaft, Sortieren});
    m_toolBar->addSeparator();
    m_toolBar->addAction(Follower(Heimmannschaften, tr("Heimmannschaften"),
                                  tr("Heimmannschaften|Heimmannschaften erstellen oder ändern")));
    m_toolBar->addSeparator();
    m_toolBar->addActions(
            {WindowCascade1, WindowTileVertical1, WindowTileHorizontal1, WindowMinimizeAll1});
    m_toolBar->addSeparator();
    m_toolBar->addAction(ActionHileOnline);
}

void TMainForm::ApplyImages(const TFimages &images)
{
    for (const auto &[action, image] : std::as_const(m_imageIndexes))
        action->setIcon(images.Image(image));
}

QList<TMDIChild *> TMainForm::Children() const
{
    return CompetitionWindows(*m_mdiArea);
}

TMDIChild *TMainForm::ActiveChild() const
{
    if (const QMdiSubWindow *frame = m_mdiArea->currentSubWindow()) {
        auto *child = qobject_cast<TMDIChild *>(frame->widget());
        if (child && !child->Geschlossen())
            return child;
    }
    const QList<TMDIChild *> open = Children();
    return open.isEmpty() ? nullptr : open.last();
}

void TMainForm::WithActiveChild(void (TMDIChild::*command)())
{
    if (TMDIChild *child = ActiveChild())
        (child->*command)();
}

void TMainForm::ShowProgramWindow(QDialog *dialog)
{
    if (dialog)
        ExecModal(*dialog);
}

void TMainForm::UpdateActions()
{
    const TMDIChild *child = ActiveChild();
    FileSave1->setEnabled(child && child->Wettkampf().Geaendert);
    for (QAction *action : {FileSaveAs1, Filedrucken, Senden, Kopfdaten, Gastmannschaft})
        action->setEnabled(child != nullptr);
    Sortieren->setEnabled(child && child->Wettkampf().Sortieren);
}

TMDIChild *TMainForm::CreateChild()
{
    auto *child = new TMDIChild;
    QMdiSubWindow *frame = m_mdiArea->addSubWindow(child);
    connect(child, &TMDIChild::ModifiedChanged, this, &TMainForm::UpdateActions);
    connect(child, &TMDIChild::HistoryChanged, this, &TMainForm::BuildHistoryMenu);
    connect(child, &TMDIChild::Closed, this, &TMainForm::UpdateActions);
    frame->showMaximized();
    m_mdiArea->setActiveSubWindow(frame);
    UpdateActions();
    return child;
}

void TMainForm::AskRingformat(TMDIChild &child)
{
    const bool zehntel = UserDialogs().MessageDlg(tr("Anzeige in Zehntelringe?"),
                                                  TMsgIcon::Confirmation, TMsgButtons::YesNo)
            == TMsgAnswer::Yes;
    child.Wettkampf().Ringformat = zehntel ? RingformatZehntel : RingformatGanz;
}

void TMainForm::FileNew1Execute()
{
    TMDIChild *child = CreateChild();
    AskRingformat(*child);
    child->NewCompetition();
    UpdateActions();
}

void TMainForm::FileOpen1Execute()
{
    TFileDialogOptions options;
    options.filter = QStringLiteral("Rundenwettkampf|*.RW");
    options.defaultExt = QStringLiteral("RW");
    options.initialDir = Setupdaten().Daten;
    const auto path = UserDialogs().OpenFileName(options);
    if (!path)
        return;
    for (const TMDIChild *open : Children()) {
        if (open->Wettkampf().Dateiname == *path) {
            UserDialogs().ShowMessage(*path + tr(" ist bereitsgeöffnet!!"));
            return;
        }
    }
    TMDIChild *child = CreateChild();
    child->Wettkampf().Dateiname = *path;
    AskRingformat(*child);
    child->LoadCompetition();
    UpdateActions();
}

void TMainForm::HistoryClick(const QString &path)
{
    TMDIChild *child = CreateChild();
    child->Wettkampf().Dateiname = path;
    child->LoadCompetition();
    UpdateActions();
}

void TMainForm::ExportOnlineReport()
{
    WithActiveChild(&TMDIChild::ExportOnlineReport);
}

void TMainForm::WindowTile(bool aboveEachOther)
{
    QList<QMdiSubWindow *> frames;
    for (QMdiSubWindow *frame : m_mdiArea->subWindowList()) {
        if (frame->isVisible() && !frame->isMinimized())
            frames.append(frame);
    }
    const QRect area = m_mdiArea->viewport()->rect();
    const qsizetype n = frames.size();
    for (qsizetype i = 0; i < n; ++i) {
        QMdiSubWindow *frame = frames[i];
        if (frame->isMaximized())
            frame->showNormal();
        if (aboveEachOther) {
            const int top = int(area.height() * i / n);
            const int bottom = int(area.height() * (i + 1) / n);
            frame->setGeometry(0, top, area.width(), bottom - top);
        } else {
            const int left = int(area.width() * i / n);
            const int right = int(area.width() * (i + 1) / n);
            frame->setGeometry(left, 0, right - left, area.height());
        }
    }
}

void TMainForm::BuildHistoryMenu()
{
    const QList<QAction *> items = m_dateiMenu->actions();
    const qsizetype beenden = items.indexOf(Beenden);
    if (beenden < 0)
        return;
    // A history item may be the one whose click is still running.
    for (qsizetype i = beenden + 1; i < items.size(); ++i) {
        m_dateiMenu->removeAction(items[i]);
        items[i]->deleteLater();
    }
    m_dateiMenu->addSeparator();
    for (int i = 1; i <= HistoryAnzahl; ++i) {
        const QString path = Setupdaten().History[i];
        if (path.isEmpty())
            continue;
        QAction *item = m_dateiMenu->addAction(MenuText(path));
        connect(item, &QAction::triggered, this, [this, path] { HistoryClick(path); });
    }
}

void TMainForm::BuildWindowMenu()
{
    for (QAction *item : std::as_const(m_windowItems)) {
        m_fensterMenu->removeAction(item);
        item->deleteLater();
    }
    m_windowItems.clear();
    const QList<TMDIChild *> open = Children();
    if (open.isEmpty())
        return;
    m_windowItems.append(m_fensterMenu->addSeparator());
    const TMDIChild *active = ActiveChild();
    for (qsizetype i = 0; i < open.size(); ++i) {
        TMDIChild *child = open[i];
        QAction *item = m_fensterMenu->addAction(
                QStringLiteral("&%1 %2").arg(i + 1).arg(MenuText(child->windowTitle())));
        item->setCheckable(true);
        item->setChecked(child == active);
        connect(item, &QAction::triggered, this, [this, child] {
            if (auto *frame = qobject_cast<QMdiSubWindow *>(child->parentWidget()))
                m_mdiArea->setActiveSubWindow(frame);
        });
        m_windowItems.append(item);
    }
}

bool TMainForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        BuildHistoryMenu();
        m_aktivZeit = m_clock.Now();
    } else if (event->type() == QEvent::WindowDeactivate) {
        m_aktivZeit = m_clock.Now();
    }
    return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    Setupdaten().WriteHistory(SetupFileName());
    while (TMDIChild *child = ActiveChild()) {
        if (!child->CloseCompetition()) {
            event->ignore();
            return;
        }
    }
    if (m_clock.Now() - m_aktivZeit <= EndQuestionMs
        && UserDialogs().MessageDlg(tr("Programm beenden ?"), TMsgIcon::Confirmation,
                                    TMsgButtons::YesNo)
                != TMsgAnswer::Yes) {
        event->ignore();
        return;
    }
    event->accept();
}
