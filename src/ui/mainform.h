#pragma once

#include <QMainWindow>

class QAction;
class QDialog;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class TFimages;
class TMDIChild;
class TTickClock;

// The frame: menus, toolbar, the competition windows, the history entries and the end of the
// program.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(const TTickClock &clock, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The active competition window, or null.
    TMDIChild *ActiveChild() const;
    QList<TMDIChild *> Children() const;

    void BuildHistoryMenu();
    // Pictures of the menus and the toolbar; the image holder is created after the frame.
    void ApplyImages(const TFimages &images);

    QMdiArea *MdiArea() const { return m_mdiArea; }
    QMenu *DateiMenu() const { return m_dateiMenu; }
    QMenu *FensterMenu() const { return m_fensterMenu; }
    QToolBar *ToolBar() const { return m_toolBar; }
    quint32 AktivZeit() const { return m_aktivZeit; }

    void FileNew1Execute();
    void FileOpen1Execute();
    void HistoryClick(const QString &path);
    void ExportOnlineReport();
    // Tiles the competition windows one above the other or side by side.
    void WindowTile(bool aboveEachOther);

    QAction *FileNew1 = nullptr;
    QAction *FileOpen1 = nullptr;
    QAction *FileSave1 = nullptr;
    QAction *FileSaveAs1 = nullptr;
    QAction *Senden = nullptr;
    QAction *Filedrucken = nullptr;
    QAction *Kopfdaten = nullptr;
    QAction *Gastmannschaft = nullptr;
    QAction *Sortieren = nullptr;
    QAction *Heimmannschaften = nullptr;
    QAction *ActionHileOnline = nullptr;
    QAction *WindowCascade1 = nullptr;
    QAction *WindowTileHorizontal1 = nullptr;
    QAction *WindowTileVertical1 = nullptr;
    QAction *WindowMinimizeAll1 = nullptr;
    QAction *Schlieen1 = nullptr;
    // Items of the file menu that are no actions of their own.
    QAction *Oeffnen = nullptr;
    QAction *ExportOnlinemelder = nullptr;
    QAction *EmailSenden = nullptr;
    QAction *Beenden = nullptr;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *NewAction(const QString &caption, const QString &hint, int image = -1);
    QAction *Follower(QAction *source, const QString &caption, const QString &hint);
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    TMDIChild *CreateChild();
    // "Anzeige in Zehntelringe?": the number format of a new or opened competition.
    void AskRingformat(TMDIChild &child);
    void UpdateActions();
    void BuildWindowMenu();
    void WithActiveChild(void (TMDIChild::*command)());
    void ShowProgramWindow(QDialog *dialog);

    const TTickClock &m_clock;
    quint32 m_aktivZeit = 0;
    QMdiArea *m_mdiArea = nullptr;
    QMenu *m_dateiMenu = nullptr;
    QMenu *m_fensterMenu = nullptr;
    QToolBar *m_toolBar = nullptr;
    QList<QAction *> m_historyItems;
    QList<QAction *> m_windowItems;
    QList<std::pair<QAction *, int>> m_imageIndexes;
};
