#include "palette/Unit2.h"

#include "app/AppInfo.h"
#include "app/Dialogs.h"

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
