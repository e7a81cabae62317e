#include "ui/hometeamselection.h"

#include "base/blanks.h"
#include "base/userdialogs.h"
#include "settings/hometeamfile.h"
#include "settings/setupdaten.h"
#include "ui/okcancelbuttons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The state the program last gave a starter entry; a check state that differs from it was the
// user's click.
constexpr int StateRole = Qt::UserRole;
// The section name behind a team list entry.
constexpr int SectionRole = Qt::UserRole;

const QColor Mannschaftsfarbe(0, 128, 0);

Qt::CheckState CheckState(TStarterState state)
{
    switch (state) {
    case TStarterState::Ticked:
        return Qt::Checked;
    case TStarterState::Greyed:
        return Qt::PartiallyChecked;
    case TStarterState::NotTicked:
        break;
    }
    return Qt::Unchecked;
}

TStarterState StoredState(const QListWidgetItem *item)
{
    return TStarterState(item->data(StateRole).toInt());
}

// A picture of one tick state with its meaning.
QWidget *LegendLine(Qt::CheckState state, const QString &meaning)
{
    auto *box = new QCheckBox(meaning);
    box->setTristate(true);
    box->setCheckState(state);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
}

} // namespace

TFopenform::TFopenform(bool newCompetitionMode, THomeTeamFile &file, QWidget *parent)
    : QDialog(parent), m_file(file), m_newCompetition(newCompetitionMode),
      m_teamList(new QListWidget), m_starterList(new QListWidget), m_teamLabel(new QLabel),
      m_legend(new QWidget), m_durchgangPanel(new QWidget), m_durchgang(new QLineEdit),
      m_status(new QLabel), m_buttons(OkCancelButtons())
{
    auto *teams = new QVBoxLayout;
    teams->addWidget(new QLabel(tr("Heimmannschaften")));
    teams->addWidget(m_teamList);

    auto *starters = new QVBoxLayout;
    starters->addWidget(new QLabel(tr("Startberechtigte Schützen")));
    QFont bold = m_teamLabel->font();
    bold.setBold(true);
    m_teamLabel->setFont(bold);
    starters->addWidget(m_teamLabel);
    starters->addWidget(m_starterList);

    auto *lists = new QHBoxLayout;
    lists->addLayout(teams);
    lists->addLayout(starters, 1);

    auto *legend = new QVBoxLayout(m_legend);
    legend->setContentsMargins(0, 0, 0, 0);
    legend->addWidget(LegendLine(Qt::Checked, tr("= Mannschaftsschütze")));
    legend->addWidget(LegendLine(Qt::PartiallyChecked, tr("= Ohne Mannschaftswertung")));

    m_durchgang->setMaxLength(2);
    m_durchgang->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), this));
    m_durchgang->setMaximumWidth(m_durchgang->fontMetrics().horizontalAdvance(u'0') * 4 + 12);
    auto *durchgang = new QHBoxLayout(m_durchgangPanel);
    durchgang->setContentsMargins(0, 0, 0, 0);
    auto *durchgangLabel = new QLabel(tr("Durchgang:"));
    durchgangLabel->setBuddy(m_durchgang);
    durchgang->addWidget(durchgangLabel);
    durchgang->addWidget(m_durchgang);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_legend);
    bottom->addStretch();
    bottom->addWidget(m_durchgangPanel);
    bottom->addWidget(m_buttons);

    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    layout->addWidget(m_status);

    m_legend->setVisible(m_newCompetition);
    m_durchgangPanel->setVisible(m_newCompetition);
    m_starterList->setEnabled(m_newCompetition);
    resize(560, 400);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_teamList, &QListWidget::currentRowChanged, this, &TFopenform::ShowTeamShooters);
    connect(m_teamList, &QListWidget::itemDoubleClicked, this, [this] {
        if (!m_newCompetition)
            accept();
    });
    connect(m_starterList, &QListWidget::itemChanged, this, &TFopenform::StarterChanged);
}

QString TFopenform::SelectedSection() const
{
    const QListWidgetItem *item = m_teamList->currentItem();
    return item ? item->data(SectionRole).toString() : QString();
}

QString TFopenform::Durchgang() const
{
    return m_durchgang->text();
}

QList<TStarterChoice> TFopenform::Starters() const
{
    QList<TStarterChoice> choices;
    for (int i = 0; i < m_starterList->count(); ++i) {
        const QListWidgetItem *item = m_starterList->item(i);
        choices.append({item->text(), StoredState(item)});
    }
    return choices;
}

void TFopenform::SelectSection(const QString &section)
{
    for (int i = 0; i < m_teamList->count(); ++i) {
        if (m_teamList->item(i)->data(SectionRole).toString() == section)
            m_teamList->setCurrentRow(i);
    }
}

void TFopenform::SetStarterState(int index, TStarterState state)
{
    if (QListWidgetItem *item = m_starterList->item(index)) {
        SetState(item, state);
        UpdateOk();
    }
}

void TFopenform::SetDurchgang(const QString &text)
{
    m_durchgang->setText(text);
}

bool TFopenform::OkEnabled() const
{
    return m_buttons->button(QDialogButtonBox::Ok)->isEnabled();
}

QString TFopenform::StatusText() const
{
    return m_status->text();
}

QString TFopenform::TeamLabel() const
{
    return m_teamLabel->text();
}

void TFopenform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    setWindowTitle(tr("Auswählen der Heimmannschaft: ") + Setupdaten().Vereinsname);

    bool named = false;
    {
        const QSignalBlocker quiet(m_teamList);
        m_teamList->clear();
        for (const QString &section : m_file.TeamSections()) {
            const QString name = Bezeichnung(section);
            named = named || HoldsNonBlank(name);
            auto *item = new QListWidgetItem(name, m_teamList);
            item->setData(SectionRole, section);
        }
        if (m_teamList->count() > 0) {
            m_teamList->setCurrentRow(0);
            m_teamList->setFocus();
        }
    }
    ShowTeamShooters();

    if (!named)
        UserDialogs().MessageDlg(
                tr("Fehler: Es wurde keine Heimmannschaft festgelegt. Wählen Sie den Punkt "
                   "\"Einstellung/Heimmannschaft\" an."),
                TMsgIcon::Error, TMsgButtons::OkHelp);
}

QString TFopenform::Bezeichnung(const QString &section) const
{
    return m_file.ReadString(section, QStringLiteral("Bezeichnung"), QStringLiteral("unbenannt"));
}

void TFopenform::ShowTeamShooters()
{
    const QString section = SelectedSection();
    m_n = m_file.ReadInteger(section, QStringLiteral("Mannschaftstaerke"), 0);
    m_om = m_file.ReadInteger(section, QStringLiteral("OMannschafts"), 0);
    m_sort = m_file.ReadInteger(section, QStringLiteral("Sortieren"), 0) == 1;

    {
        const QSignalBlocker quiet(m_starterList);
        m_starterList->clear();
        const QStringList entries = StarterEntries(m_file, section);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            auto *item = new QListWidgetItem(entries[i], m_starterList);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setForeground(i < m_n ? Mannschaftsfarbe : QColor(Qt::black));
            SetState(item, i < m_n ? TStarterState::Ticked : TStarterState::NotTicked);
        }
    }
    m_teamLabel->setText(section.isEmpty() ? QString() : Bezeichnung(section));

    if (!m_newCompetition || section.isEmpty())
        m_status->clear();
    else if (m_sort)
        m_status->setText(tr("Mindestens %1 Mannschaftsschützen auswählen").arg(m_n));
    else
        m_status->setText(tr("%1 Mannschaftsschützen auswählen").arg(m_n));
    UpdateOk();
}

// A click on the box moves the entry on: not ticked, ticked, greyed (new competition only).
void TFopenform::StarterChanged(QListWidgetItem *item)
{
    const TStarterState stored = StoredState(item);
    if (item->checkState() == CheckState(stored))
        return;
    TStarterState next = TStarterState::NotTicked;
    if (stored == TStarterState::NotTicked)
        next = TStarterState::Ticked;
    else if (stored == TStarterState::Ticked && m_newCompetition)
        next = TStarterState::Greyed;
    SetState(item, next);
    UpdateOk();
}

void TFopenform::SetState(QListWidgetItem *item, TStarterState state)
{
    const QSignalBlocker quiet(m_starterList);
    item->setData(StateRole, int(state));
    item->setCheckState(CheckState(state));
}

void TFopenform::UpdateOk()
{
    bool enabled = true;
    if (m_newCompetition) {
        int ticked = 0;
        int greyed = 0;
        for (const TStarterChoice &s : Starters()) {
            ticked += s.state == TStarterState::Ticked;
            greyed += s.state == TStarterState::Greyed;
        }
        enabled = m_sort ? m_n <= ticked && ticked <= m_n + m_om : ticked == m_n && greyed <= m_om;
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(enabled);
}
