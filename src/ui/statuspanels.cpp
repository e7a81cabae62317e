#include "ui/statuspanels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

TStatusPanels::TStatusPanels(const QList<int> &widths, int centred, QWidget *parent)
    : QFrame(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);
    for (int i = 0; i < widths.size(); ++i) {
        auto *panel = new QLabel(this);
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setFixedWidth(widths[i]);
        panel->setAlignment((i < centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        layout->addWidget(panel);
        m_panels.append(panel);
    }
    layout->addStretch();
}

QString TStatusPanels::Text(int panel) const
{
    return m_panels.value(panel) ? m_panels[panel]->text() : QString();
}

void TStatusPanels::SetText(int panel, const QString &text)
{
    if (QLabel *label = m_panels.value(panel))
        label->setText(text);
}

void TStatusPanels::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit Clicked();
}
