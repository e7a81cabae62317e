#pragma once

#include <functional>

class TMDIChild;

// What the competition window hands on to parts of the program that live elsewhere: the result
// e-mail and the protocol print. An unset hook does nothing.
using TChildHook = std::function<void(TMDIChild &child)>;

// Sends the saved competition file; throws std::exception when no connection can be made.
TChildHook &SendMailHook();
// Prints the result protocol of the competition.
TChildHook &PrintProtocolHook();
