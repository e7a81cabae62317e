#include "base/consoledialogs.h"

#include <cstdio>

TMsgAnswer TConsoleDialogs::CancellingAnswer(TMsgButtons buttons)
{
    switch (buttons) {
    case TMsgButtons::Ok:
    case TMsgButtons::OkHelp:
        return TMsgAnswer::Ok;
    case TMsgButtons::YesNo:
        return TMsgAnswer::No;
    case TMsgButtons::OkCancel:
    case TMsgButtons::YesNoCancel:
        break;
    }
    return TMsgAnswer::Cancel;
}

TMsgAnswer TConsoleDialogs::Message(const TMessage &message)
{
    m_shown.append(message.text);
    if (!m_quiet) {
        QString text = message.text;
        text.replace(QLatin1String("\n\r"), QLatin1String("\n")).replace(u'\r', u'\n');
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    return CancellingAnswer(message.buttons);
}
