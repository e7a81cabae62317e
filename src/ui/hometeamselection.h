#pragma once

#include "model/newcompetition.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class THomeTeamFile;

// Choice of a home team from RWSetup.ini. In new-competition mode the user also ticks the
// starters (ticked: team starter, greyed: without team scoring) and types the meeting number;
// in pick-a-team mode only the team is chosen.
class TFopenform : public QDialog
{
    Q_OBJECT

public:
    TFopenform(bool newCompetitionMode, THomeTeamFile &file, QWidget *parent = nullptr);

    QString SelectedSection() const;
    QString Durchgang() const;
    QList<TStarterChoice> Starters() const;

    // What the user does, for callers that preset the dialog and for tests.
    void SelectSection(const QString &section);
    void SetStarterState(int index, TStarterState state);
    void SetDurchgang(const QString &text);
    bool OkEnabled() const;
    QString StatusText() const;
    QListWidget *TeamList() const { return m_teamList; }
    QListWidget *StarterList() const { return m_starterList; }
    QWidget *Legend() const { return m_legend; }
    QWidget *DurchgangPanel() const { return m_durchgangPanel; }
    QString TeamLabel() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString Bezeichnung(const QString &section) const;
    void ShowTeamShooters();
    void StarterChanged(QListWidgetItem *item);
    void SetState(QListWidgetItem *item, TStarterState state);
    void UpdateOk();

    THomeTeamFile &m_file;
    const bool m_newCompetition;
    int m_n = 0;
    int m_om = 0;
    bool m_sort = false;

    QListWidget *m_teamList;
    QListWidget *m_starterList;
    QLabel *m_teamLabel;
    QWidget *m_legend;
    QWidget *m_durchgangPanel;
    QLineEdit *m_durchgang;
    QLabel *m_status;
    QDialogButtonBox *m_buttons;
};
