#include "ui/hometeamdialog.h"

TFEinstellung::TFEinstellung(QWidget *parent) : QDialog(parent) { }
