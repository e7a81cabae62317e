#include "commands.h"

#include "base/consoledialogs.h"
#include "base/userdialogs.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace {

void Usage(QTextStream &err)
{
    err << "Aufruf: tarvenn-tool BEFEHL ...\n";
    for (int i = 0; i < ToolCommandCount; ++i)
        err << "  tarvenn-tool " << ToolCommands[i].usage << "\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The tool shows no boxes: messages go to standard error, questions get their
    // cancelling answer.
    TConsoleDialogs dialogs;
    TUserDialogsScope scope(dialogs);

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        Usage(err);
        return 2;
    }
    const QString name = args.takeFirst();
    for (int i = 0; i < ToolCommandCount; ++i) {
        if (name == QLatin1String(ToolCommands[i].name))
            return ToolCommands[i].run(args, out, err);
    }
    err << "Unbekannter Befehl: " << name << "\n";
    Usage(err);
    return 2;
}
