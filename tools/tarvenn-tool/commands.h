#pragma once

#include <QStringList>
#include <QTextStream>

// One sub-command of the command-line companion: its arguments after the command name, the
// streams for results and problems; returns the process exit code.
using TToolCommand = int (*)(const QStringList &args, QTextStream &out, QTextStream &err);

struct TToolCommandEntry
{
    const char *name;
    const char *usage;
    TToolCommand run;
};

// Every command of the tool, in the order the help lists them.
extern const TToolCommandEntry ToolCommands[];
extern const int ToolCommandCount;
