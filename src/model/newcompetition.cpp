#include "model/newcompetition.h"

QStringList StarterEntries(const THomeTeamFile &, const QString &)
{
    return {};
}

void FillNewCompetition(Competition &, const THomeTeamFile &, const QString &,
                        const QList<TStarterChoice> &, const QString &, const tSetupdaten &,
                        const QDate &)
{ }
