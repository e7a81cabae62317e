#include "ui/disagdialog.h"

#include "base/numberformat.h"
#include "base/userdialogs.h"
#include "geometry/scheibentypen.h"
#include "machine/disagparameterstring.h"
#include "settings/setupdaten.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QList<int> SchussProScheibeWerte = {1, 2, 3, 4, 5, 6, 8, 10, 12, 15};
const QList<int> SchussGesamtWerte = {10, 20, 30, 40, 50, 60, 80, 100, 120};
const QList<int> SchussProSerieWerte = {0, 5, 10, 15};

// What the machine takes; anything else counts like no number at all.
constexpr int TeilergrenzeMax = 25000;
constexpr int TeilergrenzeVorgabe = 250;
constexpr int SchussGesamtMax = 120;
constexpr int SchussProScheibeMax = 15;
constexpr int SchussProSerieMax = 15;
constexpr int BezeichnungMaxLaenge = 6;

bool HatKaliber(TypeScheiben type)
{
    return IstBekannterScheibentyp(type) && Scheibenkonstanten(type).KaliberAenderbar;
}

// `values` with `extra` sorted in when it lies in min..max and is missing.
QList<int> MitEigenemWert(QList<int> values, int extra, int min, int max)
{
    if (extra >= min && extra <= max && !values.contains(extra)) {
        values.append(extra);
        std::sort(values.begin(), values.end());
    }
    return values;
}

QString ZahlText(int value)
{
    return value == 0 ? QObject::tr("Keine") : QString::number(value);
}

// Fills a list of numbers and selects `selected`, or `fallback` when that is not offered.
void FillNumbers(QComboBox *box, const QList<int> &values, int selected, int fallback)
{
    box->clear();
    for (const int v : values)
        box->addItem(ZahlText(v), v);
    const int at = box->findData(selected);
    box->setCurrentIndex(at >= 0 ? at : box->findData(fallback));
}

// The number of the selected item; `current` while nothing is selected.
int SelectedNumber(const QComboBox *box, int current)
{
    return box->currentIndex() >= 0 ? box->currentData().toInt() : current;
}

// Checks the button with `id`, or none when there is no such button.
void CheckId(QButtonGroup *group, int id)
{
    if (QAbstractButton *button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

QGroupBox *RadioGroup(const QString &title, const QStringList &items, QButtonGroup *&group,
                      QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return box;
}

} // namespace

TFormDisageinstellung::TFormDisageinstellung(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Ringlesegeräte-Einstellungen"));

    auto *scheiben = new QGroupBox(tr("Scheibenauswahl"), this);
    auto *scheibenLayout = new QVBoxLayout(scheiben);
    Scheibenauswahl = new QButtonGroup(scheiben);
    for (size_t k = 0; k < RadioButtons.size(); ++k) {
        RadioButtons[k] = new QRadioButton(Scheibenname(TypeScheiben(k)), scheiben);
        RadioButtons[k]->setObjectName(QStringLiteral("RadioButton%1").arg(k + 1));
        Scheibenauswahl->addButton(RadioButtons[k], int(k));
        scheibenLayout->addWidget(RadioButtons[k]);
    }
    scheibenLayout->addStretch();

    RadioGroup1 = RadioGroup(tr("  Ringe  "), {tr("Ganze Ringe"), tr("Zehntel Ringe"), tr("Keine")},
                             Ringe, this);
    RadioGroup3 =
            RadioGroup(tr(" Ringberechnung "), {tr("Ringberührung"), tr("Schusslochmittelpunkt")},
                       Ringberechnung, this);
    RadioGroup2 =
            RadioGroup(tr("  Teiler  "),
                       {tr("Keine"), tr("Zehntel Teiler"), tr("Hundertstel Teiler")}, Teiler, this);

    ComboBox4 = new QComboBox(this);
    auto *kaliberLayout = new QHBoxLayout;
    kaliberLayout->addWidget(new QLabel(tr("Kaliber:"), this));
    kaliberLayout->addWidget(ComboBox4, 1);

    LabelTeilergrenze = new QLabel(tr("Teilergrenze:"), RadioGroup2);
    Edit1 = new QLineEdit(RadioGroup2);
    Edit1->setMaxLength(5);
    Edit1->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit1));
    auto *teilergrenzeLayout = new QHBoxLayout;
    teilergrenzeLayout->addWidget(LabelTeilergrenze);
    teilergrenzeLayout->addWidget(Edit1);
    qobject_cast<QVBoxLayout *>(RadioGroup2->layout())->addLayout(teilergrenzeLayout);

    auto *anzahl = new QGroupBox(tr(" Schuss-Anzahl "), this);
    auto *anzahlLayout = new QFormLayout(anzahl);
    ComboBox2 = new QComboBox(anzahl);
    ComboBox1 = new QComboBox(anzahl);
    ComboBox3 = new QComboBox(anzahl);
    anzahlLayout->addRow(tr("Serie:"), ComboBox2);
    anzahlLayout->addRow(tr("Pro Scheibe:"), ComboBox1);
    anzahlLayout->addRow(tr("Zwischensumme"), ComboBox3);

    auto *aufdruck = new QGroupBox(tr(" Scheibenaufdruck "), this);
    auto *aufdruckLayout = new QVBoxLayout(aufdruck);
    CheckBox1 = new QCheckBox(tr("Scheibenaufdruck"), aufdruck);
    CheckBox2 = new QCheckBox(tr("Teiler nur markieren"), aufdruck);
    Edit2 = new QLineEdit(aufdruck);
    Edit2->setMaxLength(BezeichnungMaxLaenge);
    // ';' and '=' would end the designation inside the parameter string.
    Edit2->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;=]*")), Edit2));
    auto *bezeichnungLayout = new QHBoxLayout;
    bezeichnungLayout->addWidget(new QLabel(tr("Bezeichnung"), aufdruck));
    bezeichnungLayout->addWidget(Edit2);
    aufdruckLayout->addWidget(CheckBox1);
    aufdruckLayout->addWidget(CheckBox2);
    aufdruckLayout->addLayout(bezeichnungLayout);

    ButtonOk = new QPushButton(tr("OK"), this);
    ButtonOk->setDefault(true);
    ButtonCancel = new QPushButton(tr("Abbrechen"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOk);
    buttons->addWidget(ButtonCancel);

    Label8 = new QLabel(this);
    Label8->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(RadioGroup1);
    rechts->addWidget(RadioGroup3);
    rechts->addLayout(kaliberLayout);
    rechts->addWidget(RadioGroup2);
    rechts->addWidget(anzahl);
    rechts->addWidget(aufdruck);

    auto *grid = new QGridLayout(this);
    grid->addWidget(scheiben, 0, 0);
    grid->addLayout(rechts, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->addWidget(Label8, 2, 0, 1, 2);

    connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QButtonGroup *group : {Scheibenauswahl, Ringe, Teiler, Ringberechnung}) {
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked)
                RMUpdate();
        });
    }
    for (QComboBox *box : {ComboBox1, ComboBox2, ComboBox3, ComboBox4})
        connect(box, &QComboBox::currentIndexChanged, this, &TFormDisageinstellung::RMUpdate);
    for (QCheckBox *box : {CheckBox1, CheckBox2})
        connect(box, &QCheckBox::toggled, this, &TFormDisageinstellung::RMUpdate);
    for (QLineEdit *edit : {Edit1, Edit2})
        connect(edit, &QLineEdit::textEdited, this, &TFormDisageinstellung::RMUpdate);
}

void TFormDisageinstellung::SetRecord(const TDisagParameter &record)
{
    m_record = record;
}

const TDisagParameter &TFormDisageinstellung::Record() const
{
    return m_record;
}

bool TFormDisageinstellung::Changed() const
{
    return m_changed;
}

void TFormDisageinstellung::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
    FormActivate();
}

void TFormDisageinstellung::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TFormDisageinstellung::FormShow()
{
    const QScopedValueRollback filling(m_filling, true);
    CheckId(Scheibenauswahl, m_record.Scheibentyp);
    ComboBox4->clear();
    ShowKaliber();
    CheckId(Ringe, m_record.Ringanzeige);
    CheckId(Teiler, m_record.Teileranzeige);
    ShowTeilergrenze();
    CheckId(Ringberechnung, m_record.Ringberechnung);
    FillNumbers(ComboBox2,
                MitEigenemWert(SchussGesamtWerte, m_record.SchussGesamt, 1, SchussGesamtMax),
                m_record.SchussGesamt, TDisagParameter {}.SchussGesamt);
    m_eigeneSchussProScheibe = m_record.SchussProScheibe;
    FillSchussProScheibe(SchussProScheibeMax);
    FillNumbers(ComboBox3,
                MitEigenemWert(SchussProSerieWerte, m_record.SchussProSerie, 0, SchussProSerieMax),
                m_record.SchussProSerie, TDisagParameter {}.SchussProSerie);
    CheckBox1->setChecked(m_record.Scheibenaufdruck);
    CheckBox2->setChecked(m_record.TeilerNurMarkieren);
    Edit2->setText(m_record.Bezeichnung.left(BezeichnungMaxLaenge));
}

void TFormDisageinstellung::FormActivate()
{
    const int geraet = Setupdaten().Ringlesegeraet;
    if (geraet > 2)
        UserDialogs().ShowMessage(
                tr("Nehmen Sie die Einstellungen auch auf Ihrem Ringlesegerät vor."));
    for (size_t k = 0; k < RadioButtons.size(); ++k) {
        RadioButtons[k]->setText(Scheibenname(TypeScheiben(k)));
        RadioButtons[k]->setEnabled(SchussProScheibeGrenze(geraet, TypeScheiben(k)) != 0);
    }
    RMUpdate();
    m_openingString = Label8->text();
    m_changed = false;
}

void TFormDisageinstellung::RMUpdate()
{
    if (m_filling)
        return;
    const QScopedValueRollback filling(m_filling, true);

    if (Scheibenauswahl->checkedId() >= 0)
        m_record.Scheibentyp = TypeScheiben(Scheibenauswahl->checkedId());

    ShowKaliber();
    if (HatKaliber(m_record.Scheibentyp))
        m_record.Kaliberindex = quint8(qMax(0, ComboBox4->currentIndex()));

    // A reading without rings and without Teiler would show nothing.
    if (m_record.Ringanzeige != 2 && Ringe->checkedId() == 2 && Teiler->checkedId() == 0)
        Teiler->button(1)->setChecked(true);
    if (m_record.Teileranzeige != 0 && Teiler->checkedId() == 0 && Ringe->checkedId() == 2)
        Ringe->button(0)->setChecked(true);

    if (Ringe->checkedId() >= 0)
        m_record.Ringanzeige = quint8(Ringe->checkedId());
    if (Teiler->checkedId() >= 0)
        m_record.Teileranzeige = quint8(Teiler->checkedId());

    int grenze = 0;
    if (!ParseInteger(Edit1->text(), grenze) || grenze < 1 || grenze > TeilergrenzeMax)
        grenze = TeilergrenzeVorgabe;
    m_record.Teilergrenze = grenze;
    ShowTeilergrenze();

    if (Ringberechnung->checkedId() >= 0)
        m_record.Ringberechnung = quint8(Ringberechnung->checkedId());

    m_record.SchussGesamt = SelectedNumber(ComboBox2, m_record.SchussGesamt);
    m_record.SchussProScheibe = SelectedNumber(ComboBox1, m_record.SchussProScheibe);
    FillSchussProScheibe(SchussProScheibeGrenze(Setupdaten().Ringlesegeraet, m_record.Scheibentyp));

    m_record.SchussProSerie = SelectedNumber(ComboBox3, m_record.SchussProSerie);
    // The machine refuses an intermediate sum beyond the total.
    if (m_record.SchussProSerie > m_record.SchussGesamt) {
        m_record.SchussProSerie = m_record.SchussGesamt;
        ComboBox3->setCurrentIndex(ComboBox3->findData(m_record.SchussProSerie));
    }

    m_record.Scheibenaufdruck = CheckBox1->isChecked();
    m_record.TeilerNurMarkieren = CheckBox2->isChecked();
    m_record.Bezeichnung = Edit2->text();

    Label8->setText(BuildParameterString(m_record));
}

void TFormDisageinstellung::FormClose()
{
    m_changed = Label8->text() != m_openingString;
}

void TFormDisageinstellung::ShowKaliber()
{
    const bool kaliber = HatKaliber(m_record.Scheibentyp);
    if (kaliber && ComboBox4->count() != KaliberAnzahl) {
        ComboBox4->clear();
        for (const char *name : Kalibernamen)
            ComboBox4->addItem(QString::fromUtf8(name));
        ComboBox4->setCurrentIndex(qMin<int>(m_record.Kaliberindex, KaliberAnzahl - 1));
    } else if (!kaliber && ComboBox4->count() != 1) {
        ComboBox4->clear();
        ComboBox4->addItem(tr("Fest"));
    }
    ComboBox4->setEnabled(kaliber);
    RadioGroup3->setEnabled(kaliber);
}

void TFormDisageinstellung::ShowTeilergrenze()
{
    const bool teiler = m_record.Teileranzeige != 0;
    QPalette palette = LabelTeilergrenze->palette();
    palette.setColor(QPalette::WindowText, teiler ? QColor(Qt::black) : QColor(Qt::darkGray));
    LabelTeilergrenze->setPalette(palette);
    const QString text = teiler ? QString::number(m_record.Teilergrenze) : QStringLiteral("-----");
    // Rewriting an unchanged text would throw the cursor to the end while the user types.
    if (Edit1->text() != text)
        Edit1->setText(text);
    Edit1->setEnabled(teiler);
}

void TFormDisageinstellung::FillSchussProScheibe(int grenze)
{
    QList<int> values;
    for (const int v :
         MitEigenemWert(SchussProScheibeWerte, m_eigeneSchussProScheibe, 1, SchussProScheibeMax)) {
        if (v <= grenze)
            values.append(v);
    }
    if (!values.contains(m_record.SchussProScheibe))
        m_record.SchussProScheibe = 1;
    FillNumbers(ComboBox1, values, m_record.SchussProScheibe, 1);
}
