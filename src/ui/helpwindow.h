#pragma once

#include "ui/help.h"

#include <QWidget>

class QTextBrowser;

// The help "wkprog.hlp": a folder of HTML pages beside the program file. index.html is the
// contents page, bedienung.html explains this window, and topics.txt maps the context numbers
// and topic names the program asks for to their pages ("10 = start.html").
class THelpWindow : public QWidget, public THelp
{
    Q_OBJECT

public:
    explicit THelpWindow(const QString &helpFolder = DefaultHelpFolder(),
                         QWidget *parent = nullptr);

    // wkprog.hlp in the folder of the program file.
    static QString DefaultHelpFolder();

    void ShowContext(int context) override;
    void ShowTopic(const QString &topic) override;
    void ShowContents() override;
    void ShowHelpOnHelp() override;

    const QString &HelpFolder() const { return m_folder; }

    QTextBrowser *browser = nullptr;

private:
    // The page of a context number or topic name; empty when the map does not list it.
    QString PageOf(const QString &topic) const;
    void ShowPage(const QString &page);
    void Present();

    QString m_folder;
};
