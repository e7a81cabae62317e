#pragma once

#include "base/schuss.h"
#include "model/records.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TSerienDelegate;
struct TMessage;

// Manual entry of one shooter's results: whole rings shot by shot, or series sums. Created once
// and reused; the caller sets the fields and the name label, calls WerteEintragen, shows it
// modally and takes Schuesse (and in series mode Serie) back after OK.
class TFSchusseingabe : public QDialog
{
    Q_OBJECT

public:
    explicit TFSchusseingabe(QWidget *parent = nullptr);

    TSchussArray Schuesse;
    TSerien Serie;
    bool Serienmodus = false;
    int SchussProSerie = 10;
    int Zeilen = 6;

    QLabel *Label2 = nullptr; // the shooter's name
    QLabel *Label3 = nullptr; // running total
    QLabel *Label6 = nullptr;
    QLabel *Label8 = nullptr; // hint line of the shot grid
    QTableWidget *StringGrid1 = nullptr; // shots, one row per series; column 0 is the row sum
    QTableWidget *StringGrid10er = nullptr; // series sums
    QCheckBox *CheckBoxsound = nullptr;
    QPushButton *BitBtn1 = nullptr; // OK
    QPushButton *BitBtn2 = nullptr; // Cancel

    void WerteEintragen();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int Spalten() const;
    int Zeilenzahl() const;
    // Shot shown in a cell of the shot grid, 0 where the cell holds none.
    int SchussNr(int row, int column) const;

    // Fill the grids from the fields and return the total.
    double SchussEintragen();
    double SerienEintragen();

    void StringGrid1Taste(const QString &text);
    void ZeileUebernehmen(int row);
    void SummeAnzeigen();
    void Weiterruecken(int row, int column);
    void DoppelBeep();

    // Reads every series cell into Serie; false when a cell holds no whole number.
    bool SerienUebernehmen();
    bool SerieLesen(int row, const QString &text, double &value) const;
    void SerieMelden(const TMessage &message);
    void StringGrid10erEnter();

    void BitBtn1Click();

    TSerienDelegate *m_serienDelegate = nullptr;
    QStringList m_vorbelegt; // series texts as WerteEintragen wrote them
};
