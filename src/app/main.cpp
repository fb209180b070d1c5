#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/CheckLanguage.h"
#include "app/MainWindow.h"
#include "support/AppInfo.h"

int main(int argc, char** argv) {
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
    vok::SetAppPath(QCoreApplication::applicationDirPath().toStdString());
    if (checkLanguage) return vok::CheckLanguage(argv[2]);
    // The main window: closing it ends the program, whatever else is open.
    vok::TForm1 form;
    form.setAttribute(Qt::WA_QuitOnClose, true);
    form.show();
    return app.exec();
}
