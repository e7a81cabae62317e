#include "ui/programwindows.h"

TProgramWindows &ProgramWindows()
{
    static TProgramWindows windows;
    return windows;
}
