#include "controls/ZqModalForm.h"

namespace vok {

TZqModalForm::TZqModalForm(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
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
