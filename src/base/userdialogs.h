#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Every notice, question, file dialog and input box of the program goes through this interface.
// The window layer installs an implementation with real message boxes; tests install a scripted
// one that records the texts and answers from a queue; the command-line tool prints them.

enum class TMsgIcon { None, Information, Warning, Error, Confirmation };
enum class TMsgButtons { Ok, OkCancel, YesNo, YesNoCancel, OkHelp };
enum class TMsgAnswer { Ok, Cancel, Yes, No };

struct TMessage
{
    QString text;
    TMsgIcon icon = TMsgIcon::None;
    TMsgButtons buttons = TMsgButtons::Ok;
    QString caption; // empty: the program's title
    int helpContext = 0; // help topic behind a "Hilfe" button, 0 = none
};

struct TFileDialogOptions
{
    QString title;
    QString filter; // "Rundenwettkampf (*.rw)|*.rw": pairs of description and pattern
    QString defaultExt; // appended when the typed name has none ("RW")
    QString initialDir; // empty: the dialog's own choice
    QString fileName; // preset file name
};

class TUserDialogs
{
public:
    virtual ~TUserDialogs() = default;

    // Returns the button the user chose; closing the box counts as Cancel (No for Yes/No).
    virtual TMsgAnswer Message(const TMessage &message) = 0;
    virtual std::optional<QString> OpenFileName(const TFileDialogOptions &options) = 0;
    virtual std::optional<QString> SaveFileName(const TFileDialogOptions &options) = 0;
    virtual std::optional<QString> InputQuery(const QString &caption, const QString &prompt,
                                              const QString &value) = 0;
    // Colours in the 0x00BBGGRR form the settings store.
    virtual std::optional<quint32> ChooseColor(quint32 initial) = 0;
    virtual void Beep() = 0;

    // A plain notice with an OK button.
    void ShowMessage(const QString &text)
    {
        TMessage m;
        m.text = text;
        Message(m);
    }
    TMsgAnswer MessageDlg(const QString &text, TMsgIcon icon, TMsgButtons buttons,
                          int helpContext = 0)
    {
        return Message({text, icon, buttons, QString(), helpContext});
    }
};

// The implementation in use. Until one is installed, messages go to standard error and every
// question is answered with its cancelling button.
TUserDialogs &UserDialogs();
void SetUserDialogs(TUserDialogs *dialogs);

// Installs an implementation for the lifetime of a scope and restores the previous one.
class TUserDialogsScope
{
public:
    explicit TUserDialogsScope(TUserDialogs &dialogs);
    ~TUserDialogsScope();
    TUserDialogsScope(const TUserDialogsScope &) = delete;
    TUserDialogsScope &operator=(const TUserDialogsScope &) = delete;

private:
    TUserDialogs *m_previous;
};
