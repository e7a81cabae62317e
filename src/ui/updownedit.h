#pragma once

#include <QAbstractSpinBox>

// A number field with a spinner that keeps whatever text is typed: the text is checked only
// where it is used, and the spinner steps from the number in it within its range.
class TUpDownEdit : public QAbstractSpinBox
{
    Q_OBJECT

public:
    TUpDownEdit(int minimum, int maximum, QWidget *parent = nullptr);

    QString Text() const;
    void SetText(const QString &text);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;

signals:
    void TextChanged();

protected:
    StepEnabled stepEnabled() const override;

private:
    // The number in the text, brought into the range; the minimum when there is none.
    int Position() const;
    bool HoldsNumber() const;

    int m_minimum;
    int m_maximum;
};
