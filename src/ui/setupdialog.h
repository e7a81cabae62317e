#pragma once

#include <QDialog>

// The program settings dialog. Its creation loads setupRW.ini into the settings object.
class TFormsetupAuswertung : public QDialog
{
    Q_OBJECT

public:
    explicit TFormsetupAuswertung(QWidget *parent = nullptr);
};
