#pragma once

#include "model/competition.h"
#include "model/competitionfile.h"

#include <QWidget>

class QTableWidget;

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

    void ShowTeam(const TyMannschaft &team);
    void LayoutGrid(QTableWidget *grid);

    QTableWidget *StringGrid1 = nullptr; // home team
    QTableWidget *StringGrid2 = nullptr; // guest team

signals:
    // Geaendert changed (the main window's "&Speichern" follows it).
    void ModifiedChanged(bool geaendert);
    // A save changed the history list.
    void HistoryChanged();

private:
    Competition m_wettkampf;
    bool m_geschlossen = false;
};
