#pragma once

#include "base/userdialogs.h"

#include <QColor>

// The user dialogs as the program's windows show them: message boxes with German buttons,
// the platform's file dialogs, an input box, the colour dialog and the system beep.
class TWidgetDialogs : public TUserDialogs
{
public:
    TMsgAnswer Message(const TMessage &message) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions &options) override;
    std::optional<QString> SaveFileName(const TFileDialogOptions &options) override;
    std::optional<QString> InputQuery(const QString &caption, const QString &prompt,
                                      const QString &value) override;
    std::optional<quint32> ChooseColor(quint32 initial) override;
    void Beep() override;
};

// "Desc|*.a;*.b|Other|*.c" as a Qt file dialog filter: "Desc (*.a *.b);;Other (*.c)". Patterns
// also match their other letter case, as file names do on Windows.
QString QtFileFilter(const QString &filter);
// The chosen name with the default extension appended when it has none.
QString WithDefaultExtension(const QString &path, const QString &defaultExt);
