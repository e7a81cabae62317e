#pragma once

#include "base/userdialogs.h"

#include <QStringList>

// Dialogs without a screen: every text goes to standard error (and is kept), every question is
// answered with its cancelling button, no file is chosen. Used by the command-line tool.
class TConsoleDialogs : public TUserDialogs
{
public:
    TMsgAnswer Message(const TMessage &message) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions &) override { return {}; }
    std::optional<QString> SaveFileName(const TFileDialogOptions &) override { return {}; }
    std::optional<QString> InputQuery(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::optional<quint32> ChooseColor(quint32) override { return {}; }
    void Beep() override { }

    // Messages shown so far, in order.
    const QStringList &Shown() const { return m_shown; }
    void SetQuiet(bool quiet) { m_quiet = quiet; }

    static TMsgAnswer CancellingAnswer(TMsgButtons buttons);

private:
    QStringList m_shown;
    bool m_quiet = false;
};
