#pragma once

#include <QMainWindow>

class TMDIChild;
class TTickClock;

// The frame: menus, toolbar, the competition windows, the history entries and the end of the
// program.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(const TTickClock &clock, QWidget *parent = nullptr);

    // The active competition window, or null.
    TMDIChild *ActiveChild() const;
    QList<TMDIChild *> Children() const;

    void BuildHistoryMenu();
};
