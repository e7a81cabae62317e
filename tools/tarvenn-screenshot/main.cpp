// Pictures of the main window with one competition open and of the three set-up dialogs, for
// checking the look after a change. Usage: tarvenn-screenshot COMPETITION.RW OUTPUT.png
// The dialogs go beside OUTPUT: OUTPUT-heimmannschaften.png, -disag.png, -grundeinstellungen.png.
#include "base/configfolder.h"
#include "base/consoledialogs.h"
#include "base/tickclock.h"
#include "geometry/disagparameter.h"
#include "ui/disagdialog.h"
#include "ui/hometeamdialog.h"
#include "ui/images.h"
#include "ui/mainform.h"
#include "ui/programwindows.h"
#include "ui/setupdialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QTreeWidget>

#include <cstdio>

namespace {

bool Grab(QWidget &window, const QString &path)
{
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(path, "PNG");
    if (!saved)
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(path));
    window.hide();
    return saved;
}

QString Beside(const QString &output, const QString &suffix)
{
    const QFileInfo info(output);
    return info.path() + u'/' + info.completeBaseName() + u'-' + suffix + QStringLiteral(".png");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: tarvenn-screenshot WETTKAMPF.RW BILD.png\n");
        return 2;
    }
    // Messages go to standard error; the pictures show the windows as the user would see them.
    TConsoleDialogs dialogs;
    SetUserDialogs(&dialogs);
    const QString configFolder = qEnvironmentVariable("TARVENN_CONFIG_DIR");
    if (!configFolder.isEmpty())
        SetConfigFolder(configFolder);
    const QString output = QString::fromLocal8Bit(argv[2]);

    TMainForm form(SystemClock());
    // Its creation loads the settings, as at the program's start.
    TFormsetupAuswertung setup(&form);
    TFimages images;
    ProgramWindows().images = &images;
    form.ApplyImages(images);
    form.resize(1280, 800);
    form.show();
    form.HistoryClick(QString::fromLocal8Bit(argv[1]));
    form.BuildHistoryMenu();
    QApplication::processEvents();
    bool saved = form.grab().save(output, "PNG");

    TFEinstellung einstellung(&form);
    einstellung.NeueMannschaft();
    saved = Grab(einstellung, Beside(output, QStringLiteral("heimmannschaften"))) && saved;

    TFormDisageinstellung disag(&form);
    TDisagParameter record;
    record.Scheibentyp = Sch_GK10;
    record.Ringanzeige = 1;
    record.Teileranzeige = 2;
    disag.SetRecord(record);
    saved = Grab(disag, Beside(output, QStringLiteral("disag"))) && saved;

    setup.tree->setCurrentItem(setup.Eintrag(QStringLiteral("Ringlesegerät")));
    saved = Grab(setup, Beside(output, QStringLiteral("grundeinstellungen"))) && saved;

    ProgramWindows() = TProgramWindows();
    SetUserDialogs(nullptr);
    if (!saved && !QFileInfo::exists(output))
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(output));
    return saved ? 0 : 1;
}
