#pragma once

#include <QDialog>

#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStatusBar;
class THomeTeamFile;
class TShooterGrid;
class TUpDownEdit;
struct THomeTeamForm;

// The home team definitions of RWSetup.ini: create, edit, check, save and delete home teams.
// Created once and reused; every operation reads the file as it is now and writes key by key.
class TFEinstellung : public QDialog
{
    Q_OBJECT

public:
    // An empty path means RWSetup.ini in the configuration folder.
    explicit TFEinstellung(QWidget *parent = nullptr, const QString &homeTeamFilePath = QString());

    void NeueMannschaft();
    void MannschaftAendern();
    // False when a check refused the team or the file could not be written.
    bool Speichern();
    void Loeschen();
    void DisagEinstellung();

    bool Modified() const { return m_modified; }
    bool DisagPending() const { return m_disagPending; }
    const QString &TeamSection() const { return m_section; }
    const QString &DisagString() const { return m_disag; }

    void done(int result) override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void CreateActions();
    void CreateMenus();
    QWidget *CreateEditingArea();
    QAction *NewAction(const QString &text, const QString &toolTip, const QString &statusTip,
                       const std::function<void()> &slot);
    THomeTeamFile File() const;
    // Asks to save a changed team first; false when the user wanted to save and it was refused.
    bool OfferSave();
    void LoadTeam(const THomeTeamFile &file, const QString &section);
    THomeTeamForm Form() const;
    bool WriteTeam();
    void ShowEditingArea(bool shown);
    void SetModified();
    void RegularShootersChanged();
    void Close();
    void ShowHelpContents();
    void ShowWindowHelp();

    QString m_filePath;
    QString m_section;
    QString m_disag;
    bool m_modified = false;
    bool m_disagPending = false;

    QAction *m_neu = nullptr;
    QAction *m_oeffnen = nullptr;
    QAction *m_speichern = nullptr;
    QAction *m_beenden = nullptr;
    QAction *m_loeschen = nullptr;
    QAction *m_disagMenu = nullptr;
    QAction *m_disagTool = nullptr;
    QAction *m_hilfeInhalt = nullptr;
    QAction *m_hilfeFenster = nullptr;

    QStatusBar *m_statusBar = nullptr;
    QWidget *m_editingArea = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_vereinsname = nullptr;
    QLineEdit *m_bezeichnung = nullptr;
    QLineEdit *m_ident = nullptr;
    QLineEdit *m_liga = nullptr;
    QLineEdit *m_klasse = nullptr;
    QLineEdit *m_gruppe = nullptr;
    TUpDownEdit *m_mannschaftstaerke = nullptr;
    TUpDownEdit *m_oMannschafts = nullptr;
    QCheckBox *m_sortieren = nullptr;
    QComboBox *m_schussanzahl = nullptr;
    QComboBox *m_schussanzahlSerie = nullptr;
    TShooterGrid *m_grid = nullptr;
};
