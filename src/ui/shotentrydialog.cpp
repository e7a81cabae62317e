#include "ui/shotentrydialog.h"

#include "base/numberformat.h"
#include "base/userdialogs.h"
#include "geometry/runden.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr quint8 StatusHandeingabe = SchussVorhanden | SchussManuell;
constexpr double SerieHoechstens = 150;
constexpr int SummenBreite = 35;
constexpr int SchussBreite = 31;
constexpr int SerienBreite = 40;
constexpr int ZeilenHoehe = 24;

QString Zehntelformat()
{
    return QStringLiteral("%3.1f");
}

// Sums with their tenth are wider than the narrow columns: the text shrinks until it fits.
void SchriftEinpassen(QStyleOptionViewItem *option)
{
    const int platz = option->rect.width() - 4;
    while (option->font.pixelSize() > 8
           && QFontMetrics(option->font).horizontalAdvance(option->text) > platz)
        option->font.setPixelSize(option->font.pixelSize() - 1);
}

// Row sums bold on the colour of a fixed column; a "10" on green unless the cursor is on it.
class TSchussDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == 0) {
            // The sum cells cannot be entered, but must not look greyed out.
            option->state |= QStyle::State_Enabled;
            option->font.setBold(true);
            option->backgroundBrush = option->palette.button();
            SchriftEinpassen(option);
        } else if (option->text == QLatin1String("10")
                   && !(option->state & QStyle::State_Selected)) {
            option->backgroundBrush = QColor(0, 255, 0);
        }
    }
};

QTableWidgetItem *Zelle(const QString &text, Qt::ItemFlags flags)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(flags);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

void GridVorbereiten(QTableWidget *grid, QObject *tastenfilter)
{
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(0);
    grid->verticalHeader()->setMinimumSectionSize(0);
    grid->verticalHeader()->setDefaultSectionSize(ZeilenHoehe);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setTabKeyNavigation(false);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->installEventFilter(tastenfilter);
}

// Just large enough for its cells, so no scrolling is ever needed.
void GridEinpassen(QTableWidget *grid)
{
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(grid->horizontalHeader()->length() + frame,
                       grid->verticalHeader()->length() + frame);
}

} // namespace

// The series editor hands every key release to the dialog, so a sum is checked while it is
// typed; while a message about it is up the editor stays open for the next key.
class TSerienDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    std::function<void()> NachTaste;
    std::function<void()> BeiEnter;
    bool EditorHalten = false;

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        // The cell follows the editor key by key; writing the same text back would move the caret.
        const auto *edit = qobject_cast<QLineEdit *>(editor);
        if (edit && edit->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        SchriftEinpassen(option);
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QWidget *>(object);
        if (!editor)
            return QStyledItemDelegate::eventFilter(object, event);
        switch (event->type()) {
        case QEvent::FocusOut:
            // Closing here would delete the editor inside its own key handler.
            if (EditorHalten)
                return false;
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                BeiEnter();
                return true;
            }
            break;
        }
        case QEvent::KeyRelease:
            emit commitData(editor);
            NachTaste();
            break;
        default:
            break;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

TFSchusseingabe::TFSchusseingabe(QWidget *parent)
    : QDialog(parent), Label2(new QLabel(this)), Label3(new QLabel(this)),
      Label6(new QLabel(tr("Ringe"), this)), Label8(new QLabel(tr("\"+\"-Taste = 10er"), this)),
      StringGrid1(new QTableWidget(this)), StringGrid10er(new QTableWidget(this)),
      CheckBoxsound(new QCheckBox(tr("Sound"), this)), BitBtn1(new QPushButton(tr("OK"), this)),
      BitBtn2(new QPushButton(tr("Abbrechen"), this)),
      m_serienDelegate(new TSerienDelegate(StringGrid10er))
{
    setWindowTitle(tr("Schußeingabe"));
    setFixedSize(572, 361);

    QPalette maroon = Label2->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    QFont gross = Label2->font();
    gross.setPixelSize(22);
    gross.setBold(true);
    for (QLabel *label : {Label2, Label3}) {
        label->setPalette(maroon);
        label->setFont(gross);
    }
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto *kopf = new QHBoxLayout(panel);
    kopf->addWidget(Label2, 1);
    kopf->addWidget(Label3);
    kopf->addWidget(Label6);

    GridVorbereiten(StringGrid1, this);
    QFont gridFont = StringGrid1->font();
    gridFont.setPixelSize(16);
    StringGrid1->setFont(gridFont);
    StringGrid1->setToolTip(tr("\"+\" = 10"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setItemDelegate(new TSchussDelegate(StringGrid1));

    GridVorbereiten(StringGrid10er, this);
    StringGrid10er->setFont(gridFont);
    StringGrid10er->setColumnCount(1);
    StringGrid10er->setEditTriggers(QAbstractItemView::AnyKeyPressed
                                    | QAbstractItemView::DoubleClicked
                                    | QAbstractItemView::EditKeyPressed);
    StringGrid10er->setItemDelegate(m_serienDelegate);
    m_serienDelegate->NachTaste = [this] {
        SerienUebernehmen();
    };
    m_serienDelegate->BeiEnter = [this] {
        StringGrid10erEnter();
    };

    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TFSchusseingabe::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto *grids = new QHBoxLayout;
    grids->addWidget(StringGrid1, 0, Qt::AlignTop);
    grids->addWidget(StringGrid10er, 0, Qt::AlignTop);
    grids->addStretch();
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(CheckBoxsound);
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtn1);
    knoepfe->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(Label8);
    layout->addLayout(grids);
    layout->addStretch();
    layout->addLayout(knoepfe);
}

int TFSchusseingabe::Spalten() const
{
    return qBound(1, SchussProSerie, MaxSchuss);
}

int TFSchusseingabe::Zeilenzahl() const
{
    return qBound(0, Zeilen, SerienAnzahl);
}

int TFSchusseingabe::SchussNr(int row, int column) const
{
    if (row < 0 || column < 1 || column > Spalten())
        return 0;
    const int nr = row * Spalten() + column;
    return nr <= MaxSchuss ? nr : 0;
}

void TFSchusseingabe::WerteEintragen()
{
    // Dropping the rows drops the previous shooter's cells.
    StringGrid1->setRowCount(0);
    StringGrid1->setRowCount(Zeilenzahl());
    StringGrid1->setColumnCount(Spalten() + 1);
    StringGrid10er->setRowCount(0);
    StringGrid10er->setRowCount(Zeilenzahl());
    m_vorbelegt.clear();

    const double summe = Serienmodus ? SerienEintragen() : SchussEintragen();
    Label3->setText(FormatRing(Zehntelformat(), summe));
}

double TFSchusseingabe::SchussEintragen()
{
    StringGrid1->setColumnWidth(0, SummenBreite);
    for (int c = 1; c <= Spalten(); ++c)
        StringGrid1->setColumnWidth(c, SchussBreite);

    double summe = 0;
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        int zeile = 0;
        for (int c = 1; c <= Spalten(); ++c) {
            const int nr = SchussNr(r, c);
            QString text;
            if (nr && IsPresent(Schuesse[nr])) {
                const int ring = Runden(Schuesse[nr].Ring);
                text = QString::number(ring);
                zeile += ring;
            }
            StringGrid1->setItem(
                    r, c,
                    Zelle(text, nr ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags));
        }
        StringGrid1->setItem(
                r, 0,
                Zelle(zeile > 0 ? FormatRing(Zehntelformat(), zeile) : QString(), Qt::NoItemFlags));
        summe += zeile;
    }
    GridEinpassen(StringGrid1);
    return summe;
}

double TFSchusseingabe::SerienEintragen()
{
    StringGrid10er->setColumnWidth(0, SerienBreite);
    double summe = 0;
    for (int r = 0; r < StringGrid10er->rowCount(); ++r) {
        const double serie = Serie[r + 1];
        const QString text = serie > 0 ? FormatRing(Zehntelformat(), serie) : QString();
        StringGrid10er->setItem(
                r, 0, Zelle(text, Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable));
        m_vorbelegt.append(text);
        if (serie > 0)
            summe += serie;
    }
    GridEinpassen(StringGrid10er);
    return summe;
}

void TFSchusseingabe::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    StringGrid1->setColumnWidth(0, SummenBreite);
    StringGrid1->setVisible(!Serienmodus);
    Label8->setVisible(!Serienmodus);
    CheckBoxsound->setVisible(!Serienmodus);
    StringGrid10er->setVisible(Serienmodus);

    QTableWidget *grid = Serienmodus ? StringGrid10er : StringGrid1;
    grid->setFocus();
    if (grid->rowCount() > 0)
        grid->setCurrentCell(0, Serienmodus ? 0 : 1);

    if (const QScreen *bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

bool TFSchusseingabe::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            BitBtn1->click();
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1 && ((text[0] >= u'0' && text[0] <= u'9') || text[0] == u'+')) {
            StringGrid1Taste(text);
            return true;
        }
        // Only rings are typed; the cursor keys keep moving as in any table.
        return !text.isEmpty() && text[0].isPrint();
    }
    if (watched == StringGrid10er) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                StringGrid10erEnter();
                return true;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            SerienUebernehmen();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFSchusseingabe::StringGrid1Taste(const QString &text)
{
    const int r = StringGrid1->currentRow();
    const int c = StringGrid1->currentColumn();
    if (!SchussNr(r, c))
        return;
    StringGrid1->item(r, c)->setText(text == u'+' ? QStringLiteral("10") : text);
    ZeileUebernehmen(r);
    SummeAnzeigen();
    Weiterruecken(r, c);
}

void TFSchusseingabe::ZeileUebernehmen(int row)
{
    int zeile = 0;
    for (int c = 1; c <= Spalten(); ++c) {
        const int nr = SchussNr(row, c);
        const QString text = nr ? StringGrid1->item(row, c)->text() : QString();
        if (text.isEmpty())
            continue;
        const int ring = text.toInt();
        zeile += ring;
        TYSchuss &schuss = Schuesse[nr];
        // A typed 0 on an empty slot is a miss and must be kept as a shot.
        if (!IsPresent(schuss) || Runden(schuss.Ring) != ring) {
            schuss.Ring = float(ring);
            schuss.Status = StatusHandeingabe;
        }
    }
    StringGrid1->item(row, 0)->setText(QString::number(zeile));
}

void TFSchusseingabe::SummeAnzeigen()
{
    double summe = 0;
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        double zeile = 0;
        // The sums still shown as WerteEintragen wrote them count with their value.
        if (ParseReal(StringGrid1->item(r, 0)->text(), zeile))
            summe += zeile;
    }
    Label3->setText(FormatFixed(summe, 0) + u' ');
}

void TFSchusseingabe::Weiterruecken(int row, int column)
{
    const bool sound = CheckBoxsound->isChecked();
    if (SchussNr(row, column + 1)) {
        StringGrid1->setCurrentCell(row, column + 1);
    } else if (row + 1 < StringGrid1->rowCount() && SchussNr(row + 1, 1)) {
        StringGrid1->setCurrentCell(row + 1, 1);
        if (sound)
            UserDialogs().Beep();
    } else if (sound) {
        DoppelBeep();
    }
}

void TFSchusseingabe::DoppelBeep()
{
    // Two beeps in one go would sound as one.
    UserDialogs().Beep();
    QCoreApplication::processEvents();
    UserDialogs().Beep();
}

bool TFSchusseingabe::SerieLesen(int row, const QString &text, double &value) const
{
    int ganz = 0;
    if (ParseInteger(text, ganz)) {
        value = ganz;
        return true;
    }
    // A tenth-ring sum as WerteEintragen showed it is kept with its tenths.
    return row < m_vorbelegt.size() && text == m_vorbelegt[row] && ParseReal(text, value);
}

bool TFSchusseingabe::SerienUebernehmen()
{
    double summe = 0;
    for (int r = 0; r < StringGrid10er->rowCount(); ++r) {
        QTableWidgetItem *zelle = StringGrid10er->item(r, 0);
        const QString text = zelle ? zelle->text() : QString();
        double serie = 0;
        if (!text.trimmed().isEmpty()) {
            if (!SerieLesen(r, text, serie)) {
                SerieMelden({InvalidIntegerMessage(text), TMsgIcon::Error, TMsgButtons::Ok});
                return false;
            }
            if (serie > SerieHoechstens || serie < 0) {
                SerieMelden({serie < 0
                                     ? tr("Achtung! Negative Ergebnisse sind bei einer Serie "
                                          "nicht möglich")
                                     : tr("Achtung! Ergebnisse über 150 Ringe bei einer  Serie")});
                zelle->setText(QStringLiteral("0"));
                serie = 0;
            }
        }
        Serie[r + 1] = serie;
        summe += serie;
    }
    Label3->setText(FormatFixed(summe, 0) + u' ');
    return true;
}

void TFSchusseingabe::SerieMelden(const TMessage &message)
{
    const QScopedValueRollback halten(m_serienDelegate->EditorHalten, true);
    UserDialogs().Message(message);
}

void TFSchusseingabe::StringGrid10erEnter()
{
    const int r = StringGrid10er->currentRow();
    if (r + 1 < StringGrid10er->rowCount()) {
        StringGrid10er->setCurrentCell(r + 1, 0);
        StringGrid10er->setFocus();
    } else {
        BitBtn1->setFocus();
    }
}

void TFSchusseingabe::BitBtn1Click()
{
    // A series cell with no number in it must not pass silently as its old value.
    if (Serienmodus && !SerienUebernehmen())
        return;
    accept();
}
