#include "ui/okcancelbuttons.h"

#include <QDialogButtonBox>
#include <QObject>
#include <QPushButton>

QDialogButtonBox *OkCancelButtons(QWidget *parent)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QObject::tr("Abbrechen"));
    return buttons;
}
