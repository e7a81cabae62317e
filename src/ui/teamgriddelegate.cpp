#include "ui/teamgriddelegate.h"

#include "model/competition.h"

#include <QPainter>

namespace {

// Text with its top left corner at `at`.
void DrawTextAt(QPainter &painter, const QRect &cell, QPoint at, const QString &text)
{
    const QRect area(cell.topLeft() + at, cell.bottomRight());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

QFont WithPointSize(QFont font, int points)
{
    if (points > 0)
        font.setPointSize(points);
    return font;
}

} // namespace

TTeamGridDelegate::TTeamGridDelegate(const Competition &competition, QObject *parent)
    : QStyledItemDelegate(parent), m_competition(competition)
{ }

void TTeamGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    const QString text = index.data().toString();
    const QRect cell = option.rect;
    const int fontSize = option.font.pointSize();
    const qsizetype cr = text.indexOf(QChar(13));
    painter->save();
    painter->setClipRect(cell);
    painter->setFont(option.font);
    if (index.row() == 0 && index.column() >= 1) {
        painter->fillRect(cell, QColor(0, 255, 0));
        painter->setPen(Qt::black);
        DrawTextAt(*painter, cell, QPoint(3, 2 + fontSize), text);
    } else if (index.column() == 1 && index.row() >= 1 && cr >= 0) {
        painter->fillRect(cell, Qt::white);
        const bool ohneMannschaft = index.row() - 1 > m_competition.Mannschaftstaerke;
        painter->setPen(ohneMannschaft ? QColor(0, 0, 255) : QColor(Qt::black));
        DrawTextAt(*painter, cell, QPoint(3, 2), text.left(cr));
        painter->setFont(WithPointSize(option.font, fontSize * 2 / 3));
        DrawTextAt(*painter, cell, QPoint(3, fontSize * 3 / 2), text.mid(cr + 1));
    } else if (index.column() == 0) {
        // The button column, drawn like the fixed cells of a table.
        painter->fillRect(cell, option.palette.button());
        painter->setPen(option.palette.buttonText().color());
        painter->drawText(cell, Qt::AlignCenter, text);
    } else {
        painter->restore();
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->restore();
}
