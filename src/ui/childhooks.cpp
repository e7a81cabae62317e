#include "ui/childhooks.h"

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
