#pragma once

#include <QList>
#include <QString>

// One shot as the simulated machine reports it.
struct TSimShot
{
    double ring = 0;
    double teiler = 0; // 1/100 mm
    double winkel = 0; // degrees, 0 = up, clockwise
    char status = 'G';
};

// The shots a simulated shooter fires: a script "ring/teiler/winkel[/status],..." or, without
// one, shots drawn from a seeded generator (the same seed gives the same series).
class TShotSeries
{
public:
    // False when the script cannot be read.
    bool SetScript(const QString &script);
    void SetSeed(quint32 seed) { m_seed = seed; }
    // Shot n (1-based): scripted shots repeat when the series is longer than the script.
    TSimShot Shot(int n) const;

private:
    QList<TSimShot> m_script;
    quint32 m_seed = 1;
};
