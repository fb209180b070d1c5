// The main window's Move Monster command.
#include "app/MainWindow.h"
#include "move/MoveWindow.h"
#include "voklist/MoveFrameList.h"

namespace vok {

// Asks for pictures and VokLists and shows the move window on their frames:
// the chosen names in order, each VokList replaced by its frame names.
void TForm1::Button13Click() {
    if (!dialogs_.OpenFile(OpenPictureDialog4)) return;
    Form4->FileNames = BuildMoveFrameList(OpenPictureDialog4.Files);
    Form4->ShowFrameList();
    Form4->FileNames.clear();
}

}  // namespace vok
