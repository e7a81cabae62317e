#include "ui/headerdatadialog.h"

#include "ui/modal.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int Werte = KopfErgebniserfassung; // texts 0..6 are in the table
constexpr int Spaltenbreite = 100;
constexpr int Zeilenhoehe = 20;

} // namespace

TFormKopfdaten::TFormKopfdaten(QWidget *parent)
    : QDialog(parent), StringGrid1(new QTableWidget(Werte, 2))
{
    setWindowTitle(tr("Wettkampf-Daten"));

    auto *group = new QGroupBox(tr("Ergebniserfassung"));
    auto *groupLayout = new QVBoxLayout(group);
    const std::array<QString, Erfassungsarten> captions {ErfassungRinglesegeraet, ErfassungSerien,
                                                         ErfassungEinzelschuss};
    for (int i = 0; i < Erfassungsarten; ++i) {
        m_erfassung[i] = new QRadioButton(captions[i]);
        groupLayout->addWidget(m_erfassung[i]);
    }

    const std::array<QString, Werte> labels {tr("Waffe:"),         tr("Klasse:"),   tr("Liga:"),
                                             tr("Gruppe"),         tr("Durchgang"), tr("Datum"),
                                             tr("Gast.Vereinsnr:")};
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(Zeilenhoehe);
    StringGrid1->setColumnWidth(0, Spaltenbreite);
    StringGrid1->setColumnWidth(1, Spaltenbreite);
    for (int r = 0; r < Werte; ++r) {
        StringGrid1->setRowHeight(r, Zeilenhoehe);
        auto *label = new QTableWidgetItem(labels[r]);
        label->setFlags(Qt::ItemIsEnabled);
        StringGrid1->setItem(r, 0, label);
        StringGrid1->setItem(r, 1, new QTableWidgetItem);
    }
    const int frame = 2 * StringGrid1->frameWidth();
    StringGrid1->setFixedSize(2 * Spaltenbreite + frame, Werte * Zeilenhoehe + frame);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(StringGrid1);
    layout->addWidget(buttons);
}

void TFormKopfdaten::SetTexts(const TKopftexte &texts)
{
    for (int r = 0; r < Werte; ++r)
        StringGrid1->item(r, 1)->setText(texts[r]);
    const QString &mode = texts[KopfErgebniserfassung];
    const int selected = mode.startsWith(u'R') ? 0 : mode.startsWith(u'S') ? 1 : 2;
    m_erfassung[selected]->setChecked(true);
}

TKopftexte TFormKopfdaten::Texts() const
{
    TKopftexte texts;
    for (int r = 0; r < Werte; ++r)
        texts[r] = StringGrid1->item(r, 1)->text();
    for (const QRadioButton *button : m_erfassung) {
        if (button->isChecked())
            texts[KopfErgebniserfassung] = button->text();
    }
    return texts;
}

// A value still being typed counts too, however the dialog is closed.
void TFormKopfdaten::done(int result)
{
    StringGrid1->setCurrentIndex(QModelIndex());
    QDialog::done(result);
}

TKopftexte EditKopfdaten(const TKopftexte &texts, QWidget *parent)
{
    TFormKopfdaten dialog(parent);
    dialog.SetTexts(texts);
    ExecModal(dialog);
    return dialog.Texts();
}
