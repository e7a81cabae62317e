#pragma once

#include "model/guestteam.h"

#include <QDialog>

class QAction;
class QLineEdit;
class QTableWidget;

// Entry of the guest team, with loading and saving of .GS lists. Created once and reused.
class TFGast : public QDialog
{
    Q_OBJECT

public:
    explicit TFGast(QWidget *parent = nullptr);

    void SetTable(const TGastTabelle &rows);
    TGastTabelle Table() const;
    QString Mannschaftsname() const;
    void SetMannschaftsname(const QString &name);
    QString Vereinsnr() const;
    void SetVereinsnr(const QString &vnr);

    // A mark cell: a cell whose text sorts after a single blank is emptied, any other becomes
    // "X".
    void ToggleCell(int row, int column);

    QTableWidget *StringGrid1;
    QAction *Laden; // "Laden von Gastmannschaften"
    QAction *Speichern; // "Speichern der Gastmannschaft"

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void StringGrid1Click(int row, int column);
    void LadenClick();
    void SpeichernClick();

    QLineEdit *m_name;
    QLineEdit *m_vnr;
};

// Fills the dialog from `gast`, shows it and, after OK, takes team name, club number and the
// rows back into `gast`. True after OK.
bool EditGuestTeam(TyMannschaft &gast, TFGast &dialog);
