// TForm4, "Move Monster": shifts frames over the reference grid.
#include "move/MoveWindow.h"

#include "controls/Dialogs.h"
#include "controls/LanguageSections.h"

namespace vok {

TForm4::TForm4(IDialogs& dialogs, QWidget* parent) : TZqModalForm(parent), dialogs_(dialogs) {
    setObjectName("Form4");
    AddLanguageSection("[Move Form]", this);
    setWindowTitle("Move Monster");
}

void TForm4::ShowFrameList() {
    (void)dialogs_;
    ShowModal();
}

}  // namespace vok
