#include "ui/shootergrid.h"

#include "model/records.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace {

constexpr int RowHeight = 16;
constexpr int RemarkWidthAt96Dpi = 279;
constexpr int TextIndent = 2;

// Paints the cell text in the colour of its row; the editors refuse ";" in name and pass
// number, which would shift the fields of the stored entry, and keep remarks to their length.
class TShooterDelegate : public QStyledItemDelegate
{
public:
    explicit TShooterDelegate(TShooterGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) { }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->fillRect(option.rect,
                          selected ? option.palette.highlight() : option.palette.base());
        painter->setPen(m_grid->TextColor(index.row() + 1, selected));
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(TextIndent, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data().toString() + u' ');
        painter->restore();
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            if (index.column() == TShooterGrid::RemarkColumn) {
                line->setMaxLength(BemerkLaenge);
            } else {
                line->setValidator(new QRegularExpressionValidator(
                        QRegularExpression(QStringLiteral("[^;]*")), line));
            }
        }
        return editor;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            emit m_grid->KeyPressed();
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TShooterGrid *m_grid;
};

} // namespace

TShooterGrid::TShooterGrid(QWidget *parent) : QTableWidget(VisibleRows, 3, parent)
{
    setHorizontalHeaderLabels({QStringLiteral("Name, Vorname"), QStringLiteral("Paßnummer"),
                               QStringLiteral("Bemerkung")});
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setColumnWidth(NameColumn, fontMetrics().horizontalAdvance(QString(39, u'0')));
    setColumnWidth(PassColumn, fontMetrics().horizontalAdvance(QStringLiteral("Paßnummer ")));
    setColumnWidth(RemarkColumn, RemarkWidthAt96Dpi * logicalDpiX() / 96);
    setTabKeyNavigation(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new TShooterDelegate(this));
}

QString TShooterGrid::Cell(int row, Column column) const
{
    if (row > VisibleRows) {
        switch (column) {
        case NameColumn:
            return m_lastEntry.name;
        case PassColumn:
            return m_lastEntry.passnr;
        case RemarkColumn:
            return m_lastEntry.bemerkung;
        }
    }
    const QTableWidgetItem *cell = item(row - 1, column);
    return cell ? cell->text() : QString();
}

void TShooterGrid::SetCell(int row, Column column, const QString &text)
{
    if (row > VisibleRows) {
        switch (column) {
        case NameColumn:
            m_lastEntry.name = text;
            break;
        case PassColumn:
            m_lastEntry.passnr = text;
            break;
        case RemarkColumn:
            m_lastEntry.bemerkung = text;
            break;
        }
        return;
    }
    if (QTableWidgetItem *cell = item(row - 1, column))
        cell->setText(text);
    else
        setItem(row - 1, column, new QTableWidgetItem(text));
}

TShooterEntry TShooterGrid::Entry(int row) const
{
    return {Cell(row, NameColumn), Cell(row, PassColumn), Cell(row, RemarkColumn)};
}

void TShooterGrid::SetEntry(int row, const TShooterEntry &entry)
{
    SetCell(row, NameColumn, entry.name);
    SetCell(row, PassColumn, entry.passnr);
    SetCell(row, RemarkColumn, entry.bemerkung);
}

void TShooterGrid::SetRegularShooters(int count)
{
    m_regularShooters = count;
    viewport()->update();
}

QColor TShooterGrid::TextColor(int row, bool selected) const
{
    if (selected)
        return Qt::white;
    return row <= m_regularShooters ? QColor(0, 128, 0) : QColor(Qt::black);
}

void TShooterGrid::keyPressEvent(QKeyEvent *event)
{
    emit KeyPressed();
    QTableWidget::keyPressEvent(event);
}
