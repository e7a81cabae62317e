#include "commands_model.h"

#include "model/competitionfile.h"

int CommandCheck(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1) {
        err << "Aufruf: tarvenn-tool check DATEI.RW\n";
        return 2;
    }
    const QStringList problems = CheckCompetitionFile(args[0]);
    for (const QString &p : problems)
        out << p << "\n";
    if (problems.isEmpty())
        out << args[0] << ": in Ordnung\n";
    return problems.isEmpty() ? 0 : 1;
}
