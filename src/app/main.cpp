#include <QApplication>

#include "support/AppInfo.h"
#include "app/MainWindow.h"
#include "controls/ZqGraphics.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(vok::ApplicationTitle);
    vok::SetAppPath(QCoreApplication::applicationDirPath().toStdString());
    // The controls' painters take their system colours from the application palette.
    vok::UsePaletteSysColors();
    // The main window: closing it ends the program, whatever else is open.
    vok::TForm1 form;
    form.setAttribute(Qt::WA_QuitOnClose, true);
    form.show();
    return app.exec();
}
