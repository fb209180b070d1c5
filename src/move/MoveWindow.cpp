// TForm4, "Move Monster". Not built yet: an empty window that changes nothing.
#include "move/MoveWindow.h"

#include "controls/Dialogs.h"

namespace vok {

TForm4::TForm4(IDialogs& dialogs, QWidget* parent) : TZqModalForm(parent), dialogs_(dialogs) {
    setObjectName("Form4");
    setWindowTitle("Move Monster");
}

void TForm4::ShowFrameList() {
    (void)dialogs_;
    ShowModal();
}

}  // namespace vok
