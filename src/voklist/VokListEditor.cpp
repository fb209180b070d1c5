// TForm5, "VokList Editor". Not built yet: an empty window that reads and writes nothing.
#include "voklist/VokListEditor.h"

#include "controls/Dialogs.h"

namespace vok {

TForm5::TForm5(IDialogs& dialogs, QWidget* parent) : TZqModalForm(parent), dialogs_(dialogs) {
    setObjectName("Form5");
    setWindowTitle("VokList Editor");
}

void TForm5::EditNewVokList() {
    (void)dialogs_;
    ShowModal();
}

void TForm5::EditExistingVokList() { ShowModal(); }

}  // namespace vok
