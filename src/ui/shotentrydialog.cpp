#include "ui/shotentrydialog.h"

#include <QLabel>

TFSchusseingabe::TFSchusseingabe(QWidget *parent) : QDialog(parent), Label2(new QLabel(this)) { }

void TFSchusseingabe::WerteEintragen() { }
