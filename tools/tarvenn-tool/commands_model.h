#pragma once

#include <QStringList>
#include <QTextStream>

// The commands that work on competition files.
int CommandShow(const QStringList &args, QTextStream &out, QTextStream &err);
int CommandSort(const QStringList &args, QTextStream &out, QTextStream &err);
int CommandExportOnline(const QStringList &args, QTextStream &out, QTextStream &err);
int CommandCheck(const QStringList &args, QTextStream &out, QTextStream &err);
