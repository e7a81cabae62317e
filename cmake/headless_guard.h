// Forced into every source of the headless libraries. Pretending that the QtGui and QtWidgets
// global headers were already read leaves their export macros undefined, so any GUI or widget
// header included from such a library fails to compile instead of slipping through.
#pragma once
#define QTGUIGLOBAL_H
#define QTGUIEXPORTS_H
#define QTWIDGETSGLOBAL_H
#define QTWIDGETSEXPORTS_H
