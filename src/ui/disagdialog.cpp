#include "ui/disagdialog.h"

namespace {
const TDisagParameter defaultRecord;
}

TFormDisageinstellung::TFormDisageinstellung(QWidget *parent) : QDialog(parent) { }

void TFormDisageinstellung::SetRecord(const TDisagParameter &) { }

const TDisagParameter &TFormDisageinstellung::Record() const
{
    return defaultRecord;
}

bool TFormDisageinstellung::Changed() const
{
    return false;
}
