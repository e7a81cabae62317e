#pragma once

#include <QString>

#include <functional>

class TMDIChild;

// What the competition window hands on to parts of the program that live elsewhere: the result
// e-mail and the protocol print. Where a hook is unset, the user is told that this version does
// not have the part yet, rather than left with a command that silently does nothing.
using TChildHook = std::function<void(TMDIChild &child)>;

// Sends the saved competition file; throws std::exception when no connection can be made.
TChildHook &SendMailHook();
// Prints the result protocol of the competition.
TChildHook &PrintProtocolHook();

// "<what> ist in dieser Version noch nicht enthalten."
void ShowNotYetAvailable(const QString &what);
