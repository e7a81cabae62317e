#include "ui/childhooks.h"

#include "base/userdialogs.h"

#include <QObject>

TChildHook &SendMailHook()
{
    static TChildHook hook;
    return hook;
}

TChildHook &PrintProtocolHook()
{
    static TChildHook hook;
    return hook;
}

void ShowNotYetAvailable(const QString &what)
{
    UserDialogs().ShowMessage(what + QObject::tr(" ist in dieser Version noch nicht enthalten."));
}
