#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTableWidget>
#include <QTest>

// What the window tests do with the team grids and the frame, as a user's mouse would.

inline QPoint CellCentre(const QTableWidget *grid, int row, int column)
{
    return QRect(grid->columnViewportPosition(column), grid->rowViewportPosition(row),
                 grid->columnWidth(column), grid->rowHeight(row))
            .center();
}

inline QString Cell(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

inline void Click(QTableWidget *grid, int row, int column)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, row, column));
}

// Lets the deferred deletions of closed windows and the queued updates run.
inline void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
