#include "ui/mdichild.h"

#include "base/userdialogs.h"
#include "machine/disagparameterstring.h"
#include "model/newcompetition.h"
#include "model/onlineexport.h"
#include "model/scoring.h"
#include "settings/hometeamfile.h"
#include "settings/setupdaten.h"
#include "ui/childhooks.h"
#include "ui/guestteamdialog.h"
#include "ui/headerdatadialog.h"
#include "ui/hometeamselection.h"
#include "ui/modal.h"
#include "ui/programwindows.h"
#include "ui/readingsession.h"
#include "ui/shotentrydialog.h"
#include "ui/statuspanels.h"
#include "ui/targetcursor.h"
#include "ui/teamgriddelegate.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int StatusPanelMannIdent = 8;

void SetCell(QTableWidget *grid, int row, int column, const QString &text)
{
    if (row >= grid->rowCount() || column >= grid->columnCount())
        return;
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid->setItem(row, column, item);
    }
    item->setText(text);
}

QString CellText(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

QMdiArea *FrameArea(const QWidget *widget)
{
    for (QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QMdiArea *>(w))
            return area;
    }
    return nullptr;
}

} // namespace

TMDIChild::TMDIChild(QWidget *parent) : QWidget(parent), m_targetCursor(TargetCursor())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel4 = new QWidget(this);
    Panel4Caption = new QLabel(tr("Fehler! Keine Rundenwettkampf geöffnet"), Panel4);
    Panel4Caption->setAlignment(Qt::AlignCenter);
    Panel2 = new QWidget(Panel4);
    Panel3 = new QWidget(Panel4);
    StringGrid1 = NewGrid(Panel2);
    StringGrid2 = NewGrid(Panel3);
    Panel2->hide();
    Panel3->hide();
    Panel4->installEventFilter(this);
    layout->addWidget(Panel4, 1);

    StatusBar2 = new TStatusPanels({50, 100, 100, 30, 30, 70, 50, 50, 50}, 7, this);
    StatusBar2->setCursor(Qt::PointingHandCursor);
    connect(StatusBar2, &TStatusPanels::Clicked, this, &TMDIChild::EditHeaderData);
    layout->addWidget(StatusBar2);

    SetModified(false);
}

QTableWidget *TMDIChild::NewGrid(QWidget *panel)
{
    auto *grid = new QTableWidget(12, 3, panel);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(0);
    grid->verticalHeader()->setMinimumSectionSize(0);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setWordWrap(false);
    grid->setShowGrid(true);
    grid->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    grid->setItemDelegate(new TTeamGridDelegate(m_wettkampf, grid));
    grid->viewport()->setMouseTracking(true);
    grid->viewport()->installEventFilter(this);
    grid->installEventFilter(this);
    return grid;
}

void TMDIChild::SetModified(bool value)
{
    m_wettkampf.Geaendert = value;
    emit ModifiedChanged(value);
}

void TMDIChild::ArrangePanels()
{
    const QRect area = Panel4->rect();
    const int half = area.width() / 2;
    Panel4Caption->setGeometry(area);
    Panel2->setGeometry(0, 0, half, area.height());
    Panel3->setGeometry(half, 0, area.width() - half, area.height());
    StringGrid1->setGeometry(Panel2->rect());
    StringGrid2->setGeometry(Panel3->rect());
    if (m_wettkampf.Mannschaftstaerke > 0) {
        LayoutGrid(StringGrid1);
        LayoutGrid(StringGrid2);
    }
}

void TMDIChild::LayoutGrid(QTableWidget *grid)
{
    const int rows = grid ? grid->rowCount() : 0;
    if (rows < 3)
        return;
    const int height = grid->height() / rows;
    for (int r = 0; r < rows; ++r)
        grid->setRowHeight(r, height);
    const int points = grid->rowHeight(2) / 4;
    if (points > 0)
        grid->setFont(QFont(QStringLiteral("Arial"), points, QFont::Bold));
    grid->setRowHeight(0, grid->rowHeight(2));
    grid->setRowHeight(1, 3);
    const int width = grid->width();
    grid->setColumnWidth(0, width * 5 / 100);
    grid->setColumnWidth(1, width * 74 / 100);
    grid->setColumnWidth(2, width * 20 / 100);
}

// Rows for the shown positions, the button column, and the panels made visible.
void TMDIChild::ShowGrids(int columnsOfGuestGrid)
{
    const int rows = m_wettkampf.ShownPositions() + 2;
    for (auto [grid, columns] :
         {std::pair {StringGrid1, 3}, std::pair {StringGrid2, columnsOfGuestGrid}}) {
        grid->clearContents();
        grid->setRowCount(rows);
        grid->setColumnCount(columns);
        for (int r = 2; r < rows; ++r)
            SetCell(grid, r, 0, QStringLiteral("..."));
    }
    if (columnsOfGuestGrid > 3)
        SetCell(StringGrid2, 0, 3, QStringLiteral("St."));
    Panel2->show();
    Panel3->show();
}

void TMDIChild::ShowHeaderTexts()
{
    for (int i = 0; i < KopfAnzahl; ++i)
        StatusBar2->SetText(i, m_wettkampf.Kopfdaten[i]);
    StatusBar2->SetText(StatusPanelMannIdent, m_wettkampf.Heim.Mann_ident);
}

void TMDIChild::ShowTeam(const TyMannschaft &team)
{
    const bool heim = &team == &m_wettkampf.Heim;
    QTableWidget *grid = heim ? StringGrid1 : StringGrid2;
    const TTeamTexts texts = TeamTexts(team, m_wettkampf);
    SetCell(grid, 0, 1, texts.name);
    SetCell(grid, 0, 2, texts.total);
    for (int p = 1; p <= PositionenAnzahl; ++p) {
        SetCell(grid, p + 1, 1, texts.nameCells[p]);
        SetCell(grid, p + 1, 2, texts.totalCells[p]);
    }
    if (!heim)
        m_wettkampf.Kopfdaten[KopfGastVereinsnr] = team.Vnr;
    ShowHeaderTexts();
    grid->viewport()->update();
}

bool TMDIChild::NewCompetition()
{
    const QMdiArea *area = FrameArea(this);
    const qsizetype open = area ? CompetitionWindows(*area).size() : 1;
    m_wettkampf.Dateiname = QStringLiteral("Unbenannt%1").arg(open);
    setWindowTitle(m_wettkampf.Dateiname);

    THomeTeamFile file;
    TFopenform selection(true, file, this);
    ClearTeam(m_wettkampf.Heim);
    ClearTeam(m_wettkampf.Gast);
    if (ExecModal(selection) != QDialog::Accepted) {
        SetModified(false);
        ShowTeam(m_wettkampf.Heim);
        ShowTeam(m_wettkampf.Gast);
        CloseWindow();
        return false;
    }
    SetModified(true);
    FillNewCompetition(m_wettkampf, file, selection.SelectedSection(), selection.Starters(),
                       selection.Durchgang(), Setupdaten(), QDate::currentDate());
    ShowGrids(3);
    ShowTeam(m_wettkampf.Heim);
    ShowTeam(m_wettkampf.Gast);
    LayoutGrid(StringGrid1);
    LayoutGrid(StringGrid2);
    return true;
}

bool TMDIChild::LoadCompetition()
{
    setWindowTitle(CompetitionCaption(m_wettkampf.Dateiname));
    // A shot that cannot be read ends the reading; what was read up to it is shown all the same,
    // but is never saved over the file it came from (the rest of that file would be lost).
    const bool complete = ::LoadCompetition(m_wettkampf);
    m_unvollstaendig = !complete;
    ShowGrids(4);
    ShowTeam(m_wettkampf.Heim);
    ShowTeam(m_wettkampf.Gast);
    LayoutGrid(StringGrid1);
    LayoutGrid(StringGrid2);
    SetModified(false);
    return complete;
}

void TMDIChild::ApplyOutcome(const TSaveOutcome &outcome)
{
    if (outcome.historyChanged)
        emit HistoryChanged();
    if (outcome.result == TSaveResult::Cancelled)
        return;
    setWindowTitle(CompetitionCaption(m_wettkampf.Dateiname));
    if (outcome.result == TSaveResult::Saved)
        SetModified(false);
}

TSaveOutcome TMDIChild::SaveCompetition()
{
    if (m_unvollstaendig)
        return SaveCompetitionAs();
    const TSaveOutcome outcome = ::SaveCompetition(m_wettkampf, Setupdaten());
    ApplyOutcome(outcome);
    return outcome;
}

TSaveOutcome TMDIChild::SaveCompetitionAs()
{
    const TSaveOutcome outcome = ::SaveCompetitionAs(m_wettkampf, Setupdaten());
    if (outcome.result == TSaveResult::Saved)
        m_unvollstaendig = false;
    ApplyOutcome(outcome);
    return outcome;
}

void TMDIChild::SendCompetition()
{
    // A cancelled file dialog still sends; a failed write has already said why it stops.
    if (SaveCompetition().result == TSaveResult::Failed)
        return;
    if (!SendMailHook()) {
        ShowNotYetAvailable(tr("Der E-Mail-Versand"));
        return;
    }
    try {
        SendMailHook()(*this);
    } catch (const std::exception &) {
        UserDialogs().ShowMessage(
                tr("Fehler: Es ist kein DFÜ-Netzwerk mit TPC/IP-Protokoll eingerichtet "));
    }
}

void TMDIChild::CloseWindow()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

bool TMDIChild::CloseCompetition()
{
    CloseWindow();
    return m_geschlossen;
}

void TMDIChild::closeEvent(QCloseEvent *event)
{
    bool closes = true;
    if (m_wettkampf.Geaendert) {
        const QString question =
                tr("Möchten Sie die Änderrungen In ") + windowTitle() + tr(" speichern ?");
        switch (UserDialogs().MessageDlg(question, TMsgIcon::Confirmation,
                                         TMsgButtons::YesNoCancel)) {
        case TMsgAnswer::Yes:
            // A cancelled file dialog closes all the same; a failed write keeps the changes.
            closes = SaveCompetition().result != TSaveResult::Failed;
            break;
        case TMsgAnswer::No:
            break;
        default:
            closes = false;
            break;
        }
    }
    m_geschlossen = closes;
    event->setAccepted(closes);
    if (closes)
        emit Closed();
}

void TMDIChild::EditHeaderData()
{
    const TKopftexte texts = EditKopfdaten(m_wettkampf.Kopfdaten, this);
    // Changed header data are a change like any other: unmarked, closing would drop them.
    if (texts != m_wettkampf.Kopfdaten)
        SetModified(true);
    m_wettkampf.Kopfdaten = texts;
    ShowHeaderTexts();
}

void TMDIChild::EditGuestTeam()
{
    TFGast *dialog = ProgramWindows().gast;
    if (dialog && ::EditGuestTeam(m_wettkampf.Gast, *dialog)) {
        SetModified(true);
        ShowTeam(m_wettkampf.Gast);
    }
}

void TMDIChild::SortTeams()
{
    ::SortTeams(m_wettkampf);
    ShowTeam(m_wettkampf.Heim);
    ShowTeam(m_wettkampf.Gast);
}

void TMDIChild::ExportOnlineReport()
{
    TFileDialogOptions options;
    options.fileName = QStringLiteral("RWKO.TXT");
    options.filter = QStringLiteral("Rundenwettkampf (*.txt)|*.txt");
    options.defaultExt = QStringLiteral("TXT");
    if (const auto path = UserDialogs().SaveFileName(options))
        ::ExportOnlineReport(m_wettkampf, *path);
}

bool TMDIChild::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel4 && event->type() == QEvent::Resize) {
        ArrangePanels();
        return false;
    }
    for (QTableWidget *grid : {StringGrid1, StringGrid2}) {
        if (watched == grid->viewport()) {
            switch (event->type()) {
            case QEvent::MouseMove:
                GridMouseMove(grid, static_cast<QMouseEvent *>(event)->position().toPoint());
                return false;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                GridMouseDown(grid, static_cast<QMouseEvent *>(event)->position().toPoint());
                return true;
            default:
                return false;
            }
        }
        if (watched == grid) {
            if (event->type() == QEvent::KeyRelease) {
                SetModified(true);
            } else if (event->type() == QEvent::KeyPress) {
                SetModified(true);
                const auto *key = static_cast<QKeyEvent *>(event);
                // Nothing can be typed into the grids; arrows and Tab keep their meaning.
                return !key->text().isEmpty() && key->key() != Qt::Key_Tab
                        && key->key() != Qt::Key_Backtab;
            }
            return false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMDIChild::GridMouseMove(QTableWidget *grid, QPoint pos)
{
    const int row = grid->rowAt(pos.y());
    const int column = grid->columnAt(pos.x());
    if (column == 0 && row >= 1)
        grid->viewport()->setCursor(m_targetCursor);
    else if (grid == StringGrid2 && row == 0 && column == 1)
        grid->viewport()->setCursor(Qt::PointingHandCursor);
    else
        grid->viewport()->setCursor(Qt::ArrowCursor);
}

void TMDIChild::GridMouseDown(QTableWidget *grid, QPoint pos)
{
    SetModified(true);
    const int row = grid->rowAt(pos.y());
    const int column = grid->columnAt(pos.x());
    if (row < 0 || column < 0)
        return;
    grid->setCurrentCell(row, column);
    if (grid == StringGrid2 && row == 0) {
        EditGuestTeam();
        return;
    }
    const int position = row - 1;
    if (column != 0 || position < 1 || position > PositionenAnzahl)
        return;
    TyMannschaft &team = grid == StringGrid1 ? m_wettkampf.Heim : m_wettkampf.Gast;
    if (team.Teilnehmer[position].Name.isEmpty())
        return;
    const QString mode = m_wettkampf.Kopfdaten[KopfErgebniserfassung];
    if (mode.startsWith(u'S'))
        EnterByHand(team, position, true);
    else if (mode.startsWith(u'E'))
        EnterByHand(team, position, false);
    else
        ReadFromMachine(grid, team, row);
}

void TMDIChild::EnterByHand(TyMannschaft &team, int position, bool seriesMode)
{
    TFSchusseingabe *dialog = ProgramWindows().schusseingabe;
    if (!dialog)
        return;
    TYTeilnehmer &p = team.Teilnehmer[position];
    if (seriesMode)
        dialog->Serie = p.Serie;
    dialog->Schuesse = p.Schuss;
    if (dialog->Label2)
        dialog->Label2->setText(p.Name);
    dialog->Zeilen = SerienAnzahl;
    dialog->SchussProSerie = m_wettkampf.Schussanzahl_Serie;
    dialog->Serienmodus = seriesMode;
    dialog->WerteEintragen();
    if (ExecModal(*dialog) != QDialog::Accepted)
        return;
    p.Schuss = dialog->Schuesse;
    if (seriesMode)
        p.Serie = dialog->Serie;
    else
        RecomputeSeries(p, m_wettkampf.Schussanzahl, m_wettkampf.Schussanzahl_Serie);
    ShowTeam(team);
}

void TMDIChild::ReadFromMachine(QTableWidget *grid, TyMannschaft &team, int row)
{
    TReadingSession *session = ProgramWindows().ringlesen;
    if (!session) {
        ShowNotYetAvailable(tr("Das Ringlesen"));
        return;
    }
    TYTeilnehmer &p = team.Teilnehmer[row - 1];
    TDisagParameter params;
    ParseParameterString(m_wettkampf.DISAG, params);
    session->Prepare(params, CellText(grid, row, 1), CellText(grid, 0, 1), p.Schuss, true);
    session->Run();
    // However the reading window was closed, its shots are the participant's now.
    p.Schuss = session->Shots();
    RecomputeSeries(p, m_wettkampf.Schussanzahl, m_wettkampf.Schussanzahl_Serie);
    ShowTeam(team);
}

QList<TMDIChild *> CompetitionWindows(const QMdiArea &area)
{
    QList<TMDIChild *> windows;
    for (QMdiSubWindow *frame : area.subWindowList()) {
        auto *child = qobject_cast<TMDIChild *>(frame->widget());
        if (child && !child->Geschlossen())
            windows.append(child);
    }
    return windows;
}
