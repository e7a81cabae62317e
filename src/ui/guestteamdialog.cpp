#include "ui/guestteamdialog.h"

#include "base/userdialogs.h"
#include "settings/setupdaten.h"
#include "ui/images.h"
#include "ui/modal.h"
#include "ui/okcancelbuttons.h"
#include "ui/programwindows.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int Zeilen = PositionenAnzahl + 1; // row 0 holds the headings
constexpr std::array<int, GastSpalten> Spaltenbreiten {64, 190, 64, 64, 181};
constexpr int Zeilenhoehe = 18;

bool IsMarkColumn(int column)
{
    return column == GastStamm || column == GastKeinManns;
}

TFileDialogOptions GuestFileOptions()
{
    TFileDialogOptions options;
    options.filter = QStringLiteral("Gastmannschaft|*.GS");
    options.defaultExt = QStringLiteral("GS");
    options.initialDir = Setupdaten().Daten;
    return options;
}

QIcon ProgramImage(int index)
{
    const TFimages *images = ProgramWindows().images;
    return images ? images->Image(index) : QIcon();
}

} // namespace

TFGast::TFGast(QWidget *parent)
    : QDialog(parent), StringGrid1(new QTableWidget(Zeilen, GastSpalten)),
      Laden(new QAction(tr("Laden von Gastmannschaften"), this)),
      Speichern(new QAction(tr("Speichern der Gastmannschaft"), this)), m_name(new QLineEdit),
      m_vnr(new QLineEdit)
{
    setWindowTitle(tr("Eingabeformular Gastmannschaft"));

    auto *toolbar = new QToolBar;
    toolbar->addAction(Laden);
    toolbar->addAction(Speichern);

    auto *title = new QLabel(tr("Gastmannschaft"));
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    title->setFont(big);
    QPalette red = title->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    title->setPalette(red);

    auto *fields = new QFormLayout;
    fields->addRow(tr("Mannschaftsname"), m_name);
    fields->addRow(tr("Vereinsnr:"), m_vnr);

    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(Zeilenhoehe);
    StringGrid1->setTabKeyNavigation(true);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    int width = 2 * StringGrid1->frameWidth();
    for (int c = 0; c < GastSpalten; ++c) {
        StringGrid1->setColumnWidth(c, Spaltenbreiten[c]);
        width += Spaltenbreiten[c];
    }
    for (int r = 0; r < Zeilen; ++r) {
        StringGrid1->setRowHeight(r, Zeilenhoehe);
        for (int c = 0; c < GastSpalten; ++c) {
            auto *item = new QTableWidgetItem;
            // The marks are toggled, not typed.
            if (r == 0)
                item->setFlags(Qt::ItemIsEnabled);
            else if (IsMarkColumn(c))
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            else
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            StringGrid1->setItem(r, c, item);
        }
    }
    StringGrid1->setMinimumSize(width, Zeilen * Zeilenhoehe + 2 * StringGrid1->frameWidth());
    StringGrid1->installEventFilter(this);

    auto *buttons = OkCancelButtons();

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(toolbar);
    layout->addWidget(title);
    layout->addLayout(fields);
    layout->addWidget(StringGrid1, 1);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(StringGrid1, &QTableWidget::cellClicked, this, &TFGast::StringGrid1Click);
    connect(Laden, &QAction::triggered, this, &TFGast::LadenClick);
    connect(Speichern, &QAction::triggered, this, &TFGast::SpeichernClick);
}

void TFGast::SetTable(const TGastTabelle &rows)
{
    for (int r = 1; r <= PositionenAnzahl; ++r) {
        for (int c = 0; c < GastSpalten; ++c)
            StringGrid1->item(r, c)->setText(rows[r][c]);
    }
}

TGastTabelle TFGast::Table() const
{
    TGastTabelle rows;
    for (int r = 1; r <= PositionenAnzahl; ++r) {
        for (int c = 0; c < GastSpalten; ++c)
            rows[r][c] = StringGrid1->item(r, c)->text();
    }
    return rows;
}

QString TFGast::Mannschaftsname() const
{
    return m_name->text();
}

void TFGast::SetMannschaftsname(const QString &name)
{
    m_name->setText(name);
}

QString TFGast::Vereinsnr() const
{
    return m_vnr->text();
}

void TFGast::SetVereinsnr(const QString &vnr)
{
    m_vnr->setText(vnr);
}

void TFGast::ToggleCell(int row, int column)
{
    QTableWidgetItem *item = StringGrid1->item(row, column);
    item->setText(item->text() > QLatin1String(" ") ? QString() : QStringLiteral("X"));
}

// A cell still being typed counts too.
void TFGast::done(int result)
{
    StringGrid1->setCurrentIndex(QModelIndex());
    QDialog::done(result);
}

void TFGast::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const std::array<QString, GastSpalten> headings {tr("Passnr"), tr("Name"), tr("Stammschütze"),
                                                     tr("Kein Manns."), tr("Bemerkung")};
    for (int c = 0; c < GastSpalten; ++c)
        StringGrid1->item(0, c)->setText(headings[c]);
    // The pictures are there once the image holder is.
    Laden->setIcon(ProgramImage(7));
    Speichern->setIcon(ProgramImage(8));
}

// A typed character toggles a mark cell and is not kept.
bool TFGast::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        const int row = StringGrid1->currentRow();
        const int column = StringGrid1->currentColumn();
        if (row >= 1 && IsMarkColumn(column) && !text.isEmpty() && text.at(0).isPrint()) {
            ToggleCell(row, column);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFGast::StringGrid1Click(int row, int column)
{
    if (row >= 1 && IsMarkColumn(column))
        ToggleCell(row, column);
}

void TFGast::LadenClick()
{
    const std::optional<QString> path = UserDialogs().OpenFileName(GuestFileOptions());
    if (!path)
        return;
    TGastTabelle rows = Table();
    ReadGuestFile(*path, rows);
    SetTable(rows);
}

void TFGast::SpeichernClick()
{
    const std::optional<QString> path = UserDialogs().SaveFileName(GuestFileOptions());
    if (path)
        WriteGuestFile(*path, Table());
}

bool EditGuestTeam(TyMannschaft &gast, TFGast &dialog)
{
    dialog.SetTable(GuestTableFromTeam(gast));
    dialog.SetMannschaftsname(gast.Name);
    dialog.SetVereinsnr(gast.Vnr);
    if (ExecModal(dialog) != QDialog::Accepted)
        return false;
    gast.Name = dialog.Mannschaftsname();
    gast.Vnr = dialog.Vereinsnr();
    ApplyGuestTable(gast, dialog.Table());
    return true;
}
