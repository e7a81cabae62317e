#pragma once

#include <functional>

class QDialog;

// Every modal window of the program is shown through ExecModal, so that a test can play the
// user's part: its handler gets the dialog already shown (its showEvent has run), fills fields,
// presses buttons and returns the dialog's result code.
using TModalHandler = std::function<int(QDialog &dialog)>;

// dialog.exec(), or the installed handler.
int ExecModal(QDialog &dialog);

// Installs a handler for the lifetime of a scope and restores the previous one.
class TModalHandlerScope
{
public:
    explicit TModalHandlerScope(TModalHandler handler);
    ~TModalHandlerScope();
    TModalHandlerScope(const TModalHandlerScope &) = delete;
    TModalHandlerScope &operator=(const TModalHandlerScope &) = delete;

private:
    TModalHandler m_previous;
};
