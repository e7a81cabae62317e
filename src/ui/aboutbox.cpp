#include "ui/aboutbox.h"

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent) { }
