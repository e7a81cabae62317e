#pragma once

class QDialogButtonBox;
class QWidget;

// OK and "Abbrechen": Qt's own button texts are English unless a translation is installed.
QDialogButtonBox *OkCancelButtons(QWidget *parent = nullptr);
