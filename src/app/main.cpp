#include "base/configfolder.h"
#include "base/tickclock.h"
#include "base/userdialogs.h"
#include "ui/aboutbox.h"
#include "ui/disagdialog.h"
#include "ui/guestteamdialog.h"
#include "ui/helpwindow.h"
#include "ui/hometeamdialog.h"
#include "ui/images.h"
#include "ui/mainform.h"
#include "ui/programwindows.h"
#include "ui/setupdialog.h"
#include "ui/shotentrydialog.h"
#include "ui/widgetdialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The help, "wkprog.hlp" beside the program file, is a window of its own.
    THelpWindow help;
    // An open help window does not keep the program running after the main window closed.
    help.setAttribute(Qt::WA_QuitOnClose, false);
    ProgramWindows().help = &help;
    // A portable installation or a test may keep its settings elsewhere than beside the program.
    const QString configFolder = qEnvironmentVariable("TARVENN_CONFIG_DIR");
    if (!configFolder.isEmpty())
        SetConfigFolder(configFolder);

    TWidgetDialogs dialogs;
    SetUserDialogs(&dialogs);

    // The windows that live for the whole run, in this order: the frame uses no setting while it
    // is created, the settings dialog loads them, everything after may read them.
    TMainForm mainForm(SystemClock());
    TProgramWindows &windows = ProgramWindows();
    windows.setup = new TFormsetupAuswertung(&mainForm);
    windows.about = new TAboutBox(&mainForm);
    TFimages images;
    windows.images = &images;
    mainForm.ApplyImages(images);
    windows.einstellung = new TFEinstellung(&mainForm);
    windows.disag = new TFormDisageinstellung(&mainForm);
    // No reading window in this build: a click in machine mode says so.
    windows.ringlesen = nullptr;
    windows.gast = new TFGast(&mainForm);
    windows.schusseingabe = new TFSchusseingabe(&mainForm);

    mainForm.showMaximized();
    const int result = app.exec();
    windows = TProgramWindows();
    SetUserDialogs(nullptr);
    return result;
}
