#include "toolcompetition.h"

#include "model/competitionfile.h"

#include <QFileInfo>

std::optional<Competition> LoadForTool(const QString &path, bool zehntel, QTextStream &err)
{
    if (!QFileInfo::exists(path)) {
        err << path << ": Datei nicht gefunden\n";
        return std::nullopt;
    }
    Competition c;
    c.Dateiname = QFileInfo(path).absoluteFilePath();
    c.Ringformat = zehntel ? RingformatZehntel : RingformatGanz;
    if (!LoadCompetition(c)) {
        err << path << ": die Datei kann nicht vollständig gelesen werden\n";
        return std::nullopt;
    }
    return c;
}

bool TakeZehntelOption(QStringList &args)
{
    return args.removeAll(QStringLiteral("--zehntel")) > 0;
}
