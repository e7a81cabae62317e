#pragma once

#include "model/competition.h"
#include "model/competitionfile.h"

#include <QCursor>
#include <QList>
#include <QWidget>

class QLabel;
class QMdiArea;
class QTableWidget;
class TStatusPanels;

// The window of one open competition: home team left, guest team right, header data in the
// status bar. It owns its competition; results are entered by a click on a shooter's button
// cell. Closing asks about unsaved changes.
class TMDIChild : public QWidget
{
    Q_OBJECT

public:
    explicit TMDIChild(QWidget *parent = nullptr);

    Competition &Wettkampf() { return m_wettkampf; }
    const Competition &Wettkampf() const { return m_wettkampf; }

    bool Geschlossen() const { return m_geschlossen; }
    void SetModified(bool value);

    // Fills the window from a home team; false when the user cancelled (the window then closes).
    bool NewCompetition();
    // Reads Wettkampf().Dateiname; Ringformat is set before.
    bool LoadCompetition();
    TSaveOutcome SaveCompetition();
    TSaveOutcome SaveCompetitionAs();
    // Asks the window to close (with its save question) and returns Geschlossen.
    bool CloseCompetition();

    void EditHeaderData();
    void EditGuestTeam();
    void SortTeams();
    void ExportOnlineReport();
    // Saves, then hands the file to the result e-mail.
    void SendCompetition();

    void ShowTeam(const TyMannschaft &team);
    void LayoutGrid(QTableWidget *grid);

    QTableWidget *StringGrid1 = nullptr; // home team
    QTableWidget *StringGrid2 = nullptr; // guest team
    QWidget *Panel4 = nullptr; // client area; its caption shows while the window is empty
    QWidget *Panel2 = nullptr; // home grid, left half
    QWidget *Panel3 = nullptr; // guest grid
    QLabel *Panel4Caption = nullptr;
    TStatusPanels *StatusBar2 = nullptr; // header texts 0..7, home team identification 8

signals:
    // Geaendert changed (the main window's "&Speichern" follows it).
    void ModifiedChanged(bool geaendert);
    // A save changed the history list.
    void HistoryChanged();
    // The window agreed to close; it no longer counts among the open competitions.
    void Closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QTableWidget *NewGrid(QWidget *panel);
    void ArrangePanels();
    void ShowGrids(int columnsOfGuestGrid);
    void ShowHeaderTexts();
    void ApplyOutcome(const TSaveOutcome &outcome);
    void CloseWindow();
    void GridMouseMove(QTableWidget *grid, QPoint pos);
    void GridMouseDown(QTableWidget *grid, QPoint pos);
    void EnterResult(QTableWidget *grid, int row, int column);
    void EnterByHand(TyMannschaft &team, int position, bool seriesMode);
    void ReadFromMachine(QTableWidget *grid, TyMannschaft &team, int row);

    Competition m_wettkampf;
    // Read only up to a shot value that was no number: saved under a new name only.
    bool m_unvollstaendig = false;
    bool m_geschlossen = false;
    QCursor m_targetCursor;
};

// The competition windows of a frame that have not closed, in the frame's order.
QList<TMDIChild *> CompetitionWindows(const QMdiArea &area);
