#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/MainWindow.h"
#include "support/AppInfo.h"
#include "support/Version.h"
#include "controls/ZqGraphics.h"

int main(int argc, char** argv) {
    // Answered before any window system is needed, so it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", vok::VokVersion);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(vok::ApplicationTitle);
    QApplication::setApplicationVersion(vok::VokVersion);
    vok::SetProgramFileName(QCoreApplication::applicationFilePath().toStdString());
    // The controls' painters take their system colours from the application palette.
    vok::UsePaletteSysColors();
    // The main window: closing it ends the program, whatever else is open.
    vok::TForm1 form;
    form.setAttribute(Qt::WA_QuitOnClose, true);
    form.show();
    return app.exec();
}
