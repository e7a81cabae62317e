#pragma once

#include <QStringView>

// True when the text holds a character other than a blank: the test for a name, remark or
// pass number that counts as filled in.
inline bool HoldsNonBlank(QStringView text)
{
    for (QChar c : text) {
        if (c != u' ')
            return true;
    }
    return false;
}
