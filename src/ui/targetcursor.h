#pragma once

#include <QCursor>

// The cursor over the button column of the team grids: a small target, hot spot in the centre.
QCursor TargetCursor();
