#pragma once

#include "base/userdialogs.h"

#include <QList>
#include <QStringList>

#include <deque>

// The test double: records every dialog with its exact text and answers from queues. An
// unqueued question gets its cancelling button and is counted, so a test sees it.
class TScriptedDialogs : public TUserDialogs
{
public:
    enum class Kind { Message, OpenFile, SaveFile, Input, Color, Beep };
    struct Event
    {
        Kind kind;
        TMessage message; // Message
        TFileDialogOptions file; // OpenFile, SaveFile
        QString caption, prompt; // Input
        QString value; // Input default
        quint32 color = 0; // Color preset
    };

    void QueueAnswer(TMsgAnswer answer) { m_answers.push_back(answer); }
    void QueueFileName(std::optional<QString> path) { m_files.push_back(std::move(path)); }
    void QueueInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    void QueueColor(std::optional<quint32> color) { m_colors.push_back(color); }

    TMsgAnswer Message(const TMessage &message) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions &options) override;
    std::optional<QString> SaveFileName(const TFileDialogOptions &options) override;
    std::optional<QString> InputQuery(const QString &caption, const QString &prompt,
                                      const QString &value) override;
    std::optional<quint32> ChooseColor(quint32 initial) override;
    void Beep() override;

    const QList<Event> &Events() const { return m_events; }
    // Texts of the message boxes, in order.
    QStringList Messages() const;
    int BeepCount() const;
    // Dialogs that found no queued answer.
    int Unanswered() const { return m_unanswered; }
    // Answers queued but never asked for.
    int Unused() const
    {
        return int(m_answers.size() + m_files.size() + m_inputs.size() + m_colors.size());
    }
    void Clear();

private:
    QList<Event> m_events;
    std::deque<TMsgAnswer> m_answers;
    std::deque<std::optional<QString>> m_files;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<std::optional<quint32>> m_colors;
    int m_unanswered = 0;
};
