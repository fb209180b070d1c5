// TForm2, "Palette Editor": the 16 x 16 palette grid behind the standard colours.
#include "palette/PaletteEditor.h"

#include "support/AppInfo.h"
#include "controls/Dialogs.h"
#include "controls/LanguageSections.h"

namespace vok {

TForm2::TForm2(IDialogs& dialogs, QWidget* parent) : TZqModalForm(parent), dialogs_(dialogs) {
    setObjectName("Form2");
    AddLanguageSection("[Palette Form]", this);
    setWindowTitle("Palette Editor");
}

bool TForm2::ShowPaletteEditor(StandardColorTable& table) {
    (void)table;
    (void)dialogs_;
    return ShowModal() == QDialog::Accepted;
}

}  // namespace vok
