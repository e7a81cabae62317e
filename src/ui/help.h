#pragma once

#include <QString>

// The program's help, addressed as the help file "wkprog.hlp" is: by topic context number, by
// topic name, its contents page and the instructions of the help window itself.
class THelp
{
public:
    virtual ~THelp() = default;
    virtual void ShowContext(int context) = 0;
    virtual void ShowTopic(const QString &topic) = 0;
    virtual void ShowContents() = 0;
    virtual void ShowHelpOnHelp() = 0;
};
