#pragma once

#include "base/schuss.h"
#include "model/records.h"

#include <QDialog>

class QLabel;

// Manual entry of one shooter's results: whole rings shot by shot, or series sums. Created once
// and reused; the caller sets the fields and the name label, calls WerteEintragen, shows it
// modally and takes Schuesse (and in series mode Serie) back after OK.
class TFSchusseingabe : public QDialog
{
    Q_OBJECT

public:
    explicit TFSchusseingabe(QWidget *parent = nullptr);

    TSchussArray Schuesse;
    TSerien Serie;
    bool Serienmodus = false;
    int SchussProSerie = 10;
    int Zeilen = 6;

    QLabel *Label2 = nullptr; // the shooter's name

    void WerteEintragen();
};
