#include "base/userdialogs.h"

#include "base/consoledialogs.h"

namespace {

TUserDialogs *&Installed()
{
    static TUserDialogs *dialogs = nullptr;
    return dialogs;
}

} // namespace

TUserDialogs &UserDialogs()
{
    static TConsoleDialogs fallback;
    TUserDialogs *d = Installed();
    return d ? *d : fallback;
}

void SetUserDialogs(TUserDialogs *dialogs)
{
    Installed() = dialogs;
}

TUserDialogsScope::TUserDialogsScope(TUserDialogs &dialogs) : m_previous(Installed())
{
    Installed() = &dialogs;
}

TUserDialogsScope::~TUserDialogsScope()
{
    Installed() = m_previous;
}
