#include "model/competition.h"

#include "base/numberformat.h"

#include <QFileInfo>

QString Competition::FormatRinge(double rings) const
{
    return FormatRing(Ringformat, rings);
}

QString CompetitionCaption(const QString &dateiname)
{
    return QFileInfo(dateiname).fileName();
}
