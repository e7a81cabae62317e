#include "ui/updownedit.h"

#include "base/numberformat.h"

#include <QLineEdit>

#include <algorithm>

TUpDownEdit::TUpDownEdit(int minimum, int maximum, QWidget *parent)
    : QAbstractSpinBox(parent), m_minimum(minimum), m_maximum(maximum)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &TUpDownEdit::TextChanged);
}

QString TUpDownEdit::Text() const
{
    return lineEdit()->text();
}

void TUpDownEdit::SetText(const QString &text)
{
    lineEdit()->setText(text);
}

bool TUpDownEdit::HoldsNumber() const
{
    int value = 0;
    return ParseInteger(Text(), value);
}

int TUpDownEdit::Position() const
{
    int value = m_minimum;
    if (!ParseInteger(Text(), value))
        return m_minimum;
    return std::clamp(value, m_minimum, m_maximum);
}

void TUpDownEdit::stepBy(int steps)
{
    SetText(QString::number(std::clamp(Position() + steps, m_minimum, m_maximum)));
}

QValidator::State TUpDownEdit::validate(QString &, int &) const
{
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TUpDownEdit::stepEnabled() const
{
    if (!HoldsNumber())
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (Position() < m_maximum)
        enabled |= StepUpEnabled;
    if (Position() > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}
