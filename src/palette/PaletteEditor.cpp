// TForm2, "Palette Editor". Not built yet: an empty window that leaves the colours as they are.
#include "palette/PaletteEditor.h"

#include "support/AppInfo.h"
#include "controls/Dialogs.h"

namespace vok {

TForm2::TForm2(IDialogs& dialogs, QWidget* parent) : TZqModalForm(parent), dialogs_(dialogs) {
    setObjectName("Form2");
    setWindowTitle("Palette Editor");
}

bool TForm2::ShowPaletteEditor(StandardColorTable& table) {
    (void)table;
    (void)dialogs_;
    return ShowModal() == QDialog::Accepted;
}

}  // namespace vok
