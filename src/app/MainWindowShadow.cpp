// The main window's Generate Shadow command.
#include "app/MainWindow.h"
#include "shadow/ShadowWindow.h"

namespace vok {

void TForm1::Button12Click() {
    if (!dialogs_.OpenFile(OpenDialog4)) return;
    Form3->ListFileName = OpenDialog4.FileName;
    Form3->ShowForVokList();
}

}  // namespace vok
