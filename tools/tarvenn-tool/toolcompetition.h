#pragma once

#include "model/competition.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

// Reads a competition file for a tool command, in the number format that "--zehntel" chooses;
// reports a file that cannot be read completely on `err`.
std::optional<Competition> LoadForTool(const QString &path, bool zehntel, QTextStream &err);

// Takes "--zehntel" out of the arguments; true when it was there.
bool TakeZehntelOption(QStringList &args);
