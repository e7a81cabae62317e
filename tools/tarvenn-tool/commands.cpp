#include "commands.h"

#include "command_read.h"
#include "commands_model.h"

const TToolCommandEntry ToolCommands[] = {
        {"show", "show DATEI.RW [--zehntel]", CommandShow},
        {"sort", "sort DATEI.RW AUSGABE.RW", CommandSort},
        {"export-online", "export-online DATEI.RW AUSGABE.TXT [--zehntel]", CommandExportOnline},
        {"check", "check DATEI.RW", CommandCheck},
        {"read", "read --device PFAD --machine NAME [--param TEXT] [--shots N] [--timeout S]",
         CommandRead},
};

const int ToolCommandCount = int(std::size(ToolCommands));
