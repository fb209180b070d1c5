#include "controls/ZqModalForm.h"

#include <QEvent>

#include "controls/LanguageSections.h"
#include "controls/PasteGuard.h"

namespace vok {

TZqModalForm::TZqModalForm(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    InstallPasteGuard();
}

void TZqModalForm::BecomeSecondaryWindow(const char* objectName, const char* languageSection) {
    setObjectName(objectName);
    AddLanguageSection(languageSection, this);
    MinimizesProgram = true;
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
}

void TZqModalForm::changeEvent(QEvent* event) {
    if (MinimizesProgram && event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) &&
        parentWidget())
        parentWidget()->window()->showMinimized();
    QDialog::changeEvent(event);
}

int TZqModalForm::ShowModal() {
    if (ModalHook) {
        const int result = ModalHook(*this);
        setResult(result);
        return result;
    }
    return exec();
}

}  // namespace vok
