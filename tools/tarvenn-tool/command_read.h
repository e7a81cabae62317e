#pragma once

#include <QStringList>
#include <QTextStream>

// read --device PATH --machine NAME [--param STRING] [--shots N] [--timeout S]: starts the
// machine as a reading would and prints one line per shot it reports.
int CommandRead(const QStringList &args, QTextStream &out, QTextStream &err);
