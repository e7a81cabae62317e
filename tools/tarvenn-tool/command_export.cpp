#include "commands_model.h"
#include "toolcompetition.h"

#include "model/onlineexport.h"

int CommandExportOnline(const QStringList &arguments, QTextStream &, QTextStream &err)
{
    QStringList args = arguments;
    const bool zehntel = TakeZehntelOption(args);
    if (args.size() != 2) {
        err << "Aufruf: tarvenn-tool export-online DATEI.RW AUSGABE.TXT [--zehntel]\n";
        return 2;
    }
    const auto c = LoadForTool(args[0], zehntel, err);
    if (!c)
        return 1;
    return ExportOnlineReport(*c, args[1]) ? 0 : 1;
}
