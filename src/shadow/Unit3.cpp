#include "shadow/Unit3.h"

#include "app/Dialogs.h"

namespace vok {

TForm3::TForm3(IDialogs& dialogs, QWidget* parent) : TZqModalForm(parent), dialogs_(dialogs) {
    setObjectName("Form3");
    setWindowTitle("Generate Shadow and Selection");
}

void TForm3::ShowForVokList() {
    (void)dialogs_;
    ShowModal();
}

}  // namespace vok
