#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/CheckLanguage.h"
#include "app/MainWindow.h"
#include "controls/ZqGraphics.h"
#include "lang/QtTranslations.h"
#include "support/AppInfo.h"
#include "support/Version.h"

int main(int argc, char** argv) {
    // Answered before any window system is needed, so it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", vok::VokVersion);
        return 0;
    }
    const bool checkLanguage = argc >= 2 && std::strcmp(argv[1], "--check-language") == 0;
    if (checkLanguage) {
        if (argc != 3) {
            std::fprintf(stderr, "usage: voktool --check-language FILE\n");
            return 2;
        }
        // The windows are built but never shown.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(vok::ApplicationTitle);
    QApplication::setApplicationVersion(vok::VokVersion);
    vok::SetProgramFileName(QCoreApplication::applicationFilePath().toStdString());
    // The controls' painters take their system colours from the application palette.
    vok::UsePaletteSysColors();
    if (checkLanguage) return vok::CheckLanguage(argv[2]);
    // The standard dialogs speak the user's language; our own texts come from the language files.
    vok::InstallQtTranslations();
    // The main window: closing it ends the program, whatever else is open.
    vok::TForm1 form;
    form.setAttribute(Qt::WA_QuitOnClose, true);
    form.show();
    return app.exec();
}
