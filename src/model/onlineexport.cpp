#include "model/onlineexport.h"

#include "base/blanks.h"
#include "base/cp1252.h"
#include "base/ioerror.h"
#include "base/userdialogs.h"
#include "model/scoring.h"

#include <QStringList>

namespace {

const TYTeilnehmer *Position(const TyMannschaft &team, int i)
{
    return i >= 1 && i <= PositionenAnzahl ? &team.Teilnehmer[i] : nullptr;
}

void AppendBlock(QStringList &lines, const TyMannschaft &team, const Competition &c)
{
    const int n = c.Mannschaftstaerke;
    const TYTeilnehmer empty;
    for (int i = 1; i <= n; ++i) {
        const TYTeilnehmer *found = Position(team, i);
        const TYTeilnehmer &p = found ? *found : empty;
        if (p.Passnr.trimmed().size() < 8)
            UserDialogs().ShowMessage(
                    QStringLiteral("Achtung!! Ausweisnr %1 ist nicht 8-stellig").arg(p.Passnr));
        lines << p.Passnr << c.FormatRinge(ParticipantTotal(p));
    }
    for (int i = n + 1; i <= 7; ++i)
        lines << QString() << QString();
    for (int i = n + 1; i <= n + 3; ++i) {
        const TYTeilnehmer *p = Position(team, i);
        if (p && HoldsNonBlank(p->Passnr))
            lines << p->Passnr << c.FormatRinge(ParticipantTotal(*p));
        else
            lines << QString() << QString();
    }
    lines << QStringLiteral("--------------------");
}

} // namespace

QStringList OnlineReportLines(const Competition &c)
{
    QStringList lines;
    AppendBlock(lines, c.Heim, c);
    AppendBlock(lines, c.Gast, c);
    return lines;
}

bool ExportOnlineReport(const Competition &c, const QString &path)
{
    return WriteFileShowingIoError(path, [&c] {
        QByteArray bytes;
        for (const QString &line : OnlineReportLines(c))
            bytes += EncodeCp1252(line) + "\r\n";
        return bytes;
    });
}
