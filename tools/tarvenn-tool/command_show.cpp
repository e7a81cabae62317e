#include "commands_model.h"
#include "toolcompetition.h"

#include "model/scoring.h"

namespace {

void PrintTeam(const QString &label, const TyMannschaft &team, const Competition &c,
               QTextStream &out)
{
    const TTeamTexts texts = TeamTexts(team, c);
    out << label << ": " << texts.name << "  " << texts.total << "\n";
    for (int i = 1; i <= qMin(c.ShownPositions(), PositionenAnzahl); ++i) {
        const QStringList cell = texts.nameCells[i].split(QChar(13));
        // An asterisk marks a starter without team scoring (blue in the window).
        const QString marker = i > c.Mannschaftstaerke ? QStringLiteral("*") : QStringLiteral(" ");
        out << QStringLiteral("%1%2 %3 |%4 | %5\n")
                        .arg(i, 3)
                        .arg(marker, cell.value(0), cell.value(1), texts.totalCells[i]);
    }
}

} // namespace

int CommandShow(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const bool zehntel = TakeZehntelOption(args);
    if (args.size() != 1) {
        err << "Aufruf: tarvenn-tool show DATEI.RW [--zehntel]\n";
        return 2;
    }
    const auto c = LoadForTool(args[0], zehntel, err);
    if (!c)
        return 1;
    PrintTeam(QStringLiteral("Heim"), c->Heim, *c, out);
    PrintTeam(QStringLiteral("Gast"), c->Gast, *c, out);
    return 0;
}
