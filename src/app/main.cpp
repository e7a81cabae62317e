#include "base/configfolder.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // A portable installation or a test may keep its settings elsewhere than beside the program.
    const QString configFolder = qEnvironmentVariable("TARVENN_CONFIG_DIR");
    if (!configFolder.isEmpty())
        SetConfigFolder(configFolder);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tarvenn - Rundenwettkampfprogramm  "));
    window.showMaximized();
    return app.exec();
}
