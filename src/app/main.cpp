#include <QApplication>

#include "support/AppInfo.h"
#include "app/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(vok::ApplicationTitle);
    vok::SetProgramFileName(QCoreApplication::applicationFilePath().toStdString());
    // The main window: closing it ends the program, whatever else is open.
    vok::TForm1 form;
    form.setAttribute(Qt::WA_QuitOnClose, true);
    form.show();
    return app.exec();
}
