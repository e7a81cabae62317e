// Picture of the main window with one competition open, for the README and for checking the
// look of the team grids after a change. Usage: tarvenn-screenshot COMPETITION.RW OUTPUT.png
#include "base/configfolder.h"
#include "base/consoledialogs.h"
#include "base/tickclock.h"
#include "settings/setupdaten.h"
#include "ui/images.h"
#include "ui/mainform.h"
#include "ui/programwindows.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: tarvenn-screenshot WETTKAMPF.RW BILD.png\n");
        return 2;
    }
    // Messages go to standard error; the picture shows the window as the user would see it.
    TConsoleDialogs dialogs;
    SetUserDialogs(&dialogs);
    const QString configFolder = qEnvironmentVariable("TARVENN_CONFIG_DIR");
    if (!configFolder.isEmpty())
        SetConfigFolder(configFolder);
    Setupdaten().Load(SetupFileName());

    TMainForm form(SystemClock());
    TFimages images;
    ProgramWindows().images = &images;
    form.ApplyImages(images);
    form.resize(1280, 800);
    form.show();
    form.HistoryClick(QString::fromLocal8Bit(argv[1]));
    form.BuildHistoryMenu();
    QApplication::processEvents();

    const bool saved = form.grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
    ProgramWindows() = TProgramWindows();
    SetUserDialogs(nullptr);
    if (!saved) {
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", argv[2]);
        return 1;
    }
    return 0;
}
