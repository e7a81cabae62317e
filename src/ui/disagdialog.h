#pragma once

#include "geometry/disagparameter.h"

#include <QDialog>

// The DISAG machine parameters of a home team. Created once and reused: the caller places the
// record, shows the dialog modally, then builds the string from Record() and reads Changed().
class TFormDisageinstellung : public QDialog
{
    Q_OBJECT

public:
    explicit TFormDisageinstellung(QWidget *parent = nullptr);

    void SetRecord(const TDisagParameter &record);
    const TDisagParameter &Record() const;
    // The parameter string at closing differs from the one shown at opening.
    bool Changed() const;
};
