#pragma once

#include <QLineEdit>
#include <QSpinBox>

// A number field that only its spinner arrows change.
class TUpDownFeld : public QSpinBox
{
public:
    TUpDownFeld(int minimum, int maximum, QWidget *parent = nullptr) : QSpinBox(parent)
    {
        setRange(minimum, maximum);
        lineEdit()->setReadOnly(true);
    }
};
