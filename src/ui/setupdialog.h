#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class TDiagrammVorschau;
class TSchussbildVorschau;
class TUpDownFeld;

// The program settings dialog. Its creation loads setupRW.ini into the settings object.
//
// Each showing fills the controls from the settings object, except the e-mail fields, the
// slow-transfer box and the directory list: those are filled by the load only and keep what they
// hold between openings. Confirming takes everything into the settings object and writes the
// whole file.
class TFormsetupAuswertung : public QDialog
{
    Q_OBJECT

public:
    explicit TFormsetupAuswertung(QWidget *parent = nullptr);

    // The pages, in the order of the stack.
    enum Seite {
        SeiteLeer,
        SeiteSchussbild,
        SeiteDiagramm,
        SeiteRinglesegeraet,
        SeiteVerein,
        SeiteDaten,
        SeiteEmail
    };

    Seite AktuelleSeite() const;
    // The tree entry with this caption, or null.
    QTreeWidgetItem *Eintrag(const QString &caption) const;
    // The directory the next confirm stores.
    QString Verzeichnis() const { return m_verzeichnis; }
    // Makes `path` the current directory and the chosen one; false (nothing changes) when that
    // does not work.
    bool VerzeichnisWaehlen(const QString &path);

    QTreeWidget *tree = nullptr;
    QStackedWidget *pages = nullptr;
    QStatusBar *statusBar = nullptr;

    TSchussbildVorschau *schussbildVorschau = nullptr;
    QPushButton *buttonSpiegel = nullptr;
    QPushButton *buttonSchussloch = nullptr;
    TUpDownFeld *spinStrichbreite = nullptr;
    QCheckBox *checkDruckdatum = nullptr;

    TDiagrammVorschau *diagrammVorschau = nullptr;
    QPushButton *buttonBalken = nullptr;
    QPushButton *buttonBalken10 = nullptr;
    QCheckBox *checkSchusswerte = nullptr;

    QButtonGroup *groupRinglesegeraet = nullptr;
    TUpDownFeld *spinComport = nullptr;
    QCheckBox *checkLangsam = nullptr;
    QComboBox *comboSchnittstelle = nullptr;
    QCheckBox *checkDatenprotokoll = nullptr;

    QLineEdit *editVereinsname = nullptr;
    QLineEdit *editVereinnr = nullptr;

    QFileSystemModel *dirModel = nullptr;
    QTreeView *dirView = nullptr;
    QLabel *labelVerzeichnis = nullptr;

    QLineEdit *editEmpfaenger = nullptr;
    QLineEdit *editKopie = nullptr;
    QLineEdit *editSender = nullptr;
    QLineEdit *editUserId = nullptr;
    QLineEdit *editSMTP = nullptr;

    QPushButton *buttonUebernehmen = nullptr;
    QPushButton *buttonAbbrechen = nullptr;
    QPushButton *buttonHilfe = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BaueBaum();
    QWidget *BaueSchussbildSeite();
    QWidget *BaueDiagrammSeite();
    QWidget *BaueRinglesegeraetSeite();
    QWidget *BaueVereinSeite();
    QWidget *BaueDatenSeite();
    QWidget *BaueEmailSeite();

    void BeimLaden();
    void EintragGewaehlt(QTreeWidgetItem *item);
    void SpiegelWaehlen();
    void SchusslochWaehlen();
    void BalkenWaehlen();
    void Balken10Waehlen();
    void AllesUebernehmenClick();
    void HilfeClick();

    QString m_verzeichnis;
};
