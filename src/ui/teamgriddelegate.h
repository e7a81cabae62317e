#pragma once

#include <QStyledItemDelegate>

class Competition;

// Draws the cells of a team grid: the green header row, and name and series line of a shooter
// in two sizes, the name in blue for a starter without team scoring.
class TTeamGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    TTeamGridDelegate(const Competition &competition, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    const Competition &m_competition;
};
