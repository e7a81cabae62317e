#include "shotseries.h"

#include <QRandomGenerator>
#include <QStringList>

#include <cmath>

bool TShotSeries::SetScript(const QString &script)
{
    m_script.clear();
    for (const QString &item : script.split(u',', Qt::SkipEmptyParts)) {
        const QStringList f = item.split(u'/');
        if (f.size() < 3 || f.size() > 4)
            return false;
        bool ok1 = false, ok2 = false, ok3 = false;
        TSimShot shot {f[0].toDouble(&ok1), f[1].toDouble(&ok2), f[2].toDouble(&ok3)};
        if (f.size() == 4 && !f[3].isEmpty())
            shot.status = f[3].at(0).toLatin1();
        if (!ok1 || !ok2 || !ok3)
            return false;
        m_script.append(shot);
    }
    return !m_script.isEmpty();
}

TSimShot TShotSeries::Shot(int n) const
{
    if (!m_script.isEmpty())
        return m_script.at((n - 1) % m_script.size());
    QRandomGenerator random(m_seed * 7919u + quint32(n));
    TSimShot shot;
    shot.teiler = std::round(random.bounded(1, 90000) / 10.0) / 10.0; // up to 900.0
    // Air rifle geometry: 2.5 mm rings, tenths, 10.9 in the middle.
    shot.ring = std::max(0.0, std::floor((10.9 - shot.teiler / 250.0) * 10 + 1e-9) / 10);
    shot.winkel = random.bounded(3600) / 10.0;
    return shot;
}
