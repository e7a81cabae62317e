#include "base/scripteddialogs.h"

#include "base/consoledialogs.h"

namespace {

template<class Queue, class Value>
bool Take(Queue &queue, Value &out)
{
    if (queue.empty())
        return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}

} // namespace

TMsgAnswer TScriptedDialogs::Message(const TMessage &message)
{
    Event e {Kind::Message};
    e.message = message;
    m_events.append(e);
    TMsgAnswer answer;
    if (Take(m_answers, answer))
        return answer;
    if (message.buttons != TMsgButtons::Ok && message.buttons != TMsgButtons::OkHelp)
        ++m_unanswered;
    return TConsoleDialogs::CancellingAnswer(message.buttons);
}

std::optional<QString> TScriptedDialogs::OpenFileName(const TFileDialogOptions &options)
{
    Event e {Kind::OpenFile};
    e.file = options;
    m_events.append(e);
    std::optional<QString> path;
    if (!Take(m_files, path))
        ++m_unanswered;
    return path;
}

std::optional<QString> TScriptedDialogs::SaveFileName(const TFileDialogOptions &options)
{
    Event e {Kind::SaveFile};
    e.file = options;
    m_events.append(e);
    std::optional<QString> path;
    if (!Take(m_files, path))
        ++m_unanswered;
    return path;
}

std::optional<QString> TScriptedDialogs::InputQuery(const QString &caption, const QString &prompt,
                                                    const QString &value)
{
    Event e {Kind::Input};
    e.caption = caption;
    e.prompt = prompt;
    e.value = value;
    m_events.append(e);
    std::optional<QString> text;
    if (!Take(m_inputs, text))
        ++m_unanswered;
    return text;
}

std::optional<quint32> TScriptedDialogs::ChooseColor(quint32 initial)
{
    Event e {Kind::Color};
    e.color = initial;
    m_events.append(e);
    std::optional<quint32> color;
    if (!Take(m_colors, color))
        ++m_unanswered;
    return color;
}

void TScriptedDialogs::Beep()
{
    m_events.append(Event {Kind::Beep});
}

QStringList TScriptedDialogs::Messages() const
{
    QStringList texts;
    for (const Event &e : m_events) {
        if (e.kind == Kind::Message)
            texts.append(e.message.text);
    }
    return texts;
}

int TScriptedDialogs::BeepCount() const
{
    int n = 0;
    for (const Event &e : m_events)
        n += e.kind == Kind::Beep ? 1 : 0;
    return n;
}

void TScriptedDialogs::Clear()
{
    m_events.clear();
    m_answers.clear();
    m_files.clear();
    m_inputs.clear();
    m_colors.clear();
    m_unanswered = 0;
}
