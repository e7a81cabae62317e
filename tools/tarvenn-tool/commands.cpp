#include "commands.h"

#include "commands_model.h"

const TToolCommandEntry ToolCommands[] = {
        {"show", "show DATEI.RW [--zehntel]", CommandShow},
        {"sort", "sort DATEI.RW AUSGABE.RW", CommandSort},
        {"export-online", "export-online DATEI.RW AUSGABE.TXT [--zehntel]", CommandExportOnline},
        {"check", "check DATEI.RW", CommandCheck},
};

const int ToolCommandCount = int(std::size(ToolCommands));
