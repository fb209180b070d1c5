// The main window's Generate Shadow command.
#include "app/Unit1.h"
#include "shadow/Unit3.h"

namespace vok {

void TForm1::Button12Click() {
    if (!dialogs_.OpenFile(OpenDialog4)) return;
    Form3->ListFileName = OpenDialog4.FileName;
    Form3->ShowForVokList();
}

}  // namespace vok
