#pragma once

#include "ui/hometeamrules.h"

#include <QColor>
#include <QTableWidget>

// The shooters entitled to start for a home team: name, pass number and remark in 49 rows under
// a header. Rows are counted from 1 as the file numbers its entries; the file knows 50 entries,
// so the 50th is kept out of sight and goes back with the team it came with. The first
// `RegularShooters` rows are painted green.
class TShooterGrid : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int VisibleRows = 49;
    enum Column { NameColumn, PassColumn, RemarkColumn };

    explicit TShooterGrid(QWidget *parent = nullptr);

    // row 1..50
    TShooterEntry Entry(int row) const;
    void SetEntry(int row, const TShooterEntry &entry);
    QString Cell(int row, Column column) const;
    void SetCell(int row, Column column, const QString &text);

    void SetRegularShooters(int count);
    QColor TextColor(int row, bool selected) const;

signals:
    // Every key the user presses in the grid or in a cell being edited.
    void KeyPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    TShooterEntry m_lastEntry;
    int m_regularShooters = 0;
};
