#include "ui/setupdialog.h"

TFormsetupAuswertung::TFormsetupAuswertung(QWidget *parent) : QDialog(parent) { }
