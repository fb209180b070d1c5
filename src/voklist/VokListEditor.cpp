// TForm5, "VokList Editor": builds frame lists group by group.
#include "voklist/VokListEditor.h"

#include "controls/Dialogs.h"
#include "controls/LanguageSections.h"

namespace vok {

TForm5::TForm5(IDialogs& dialogs, QWidget* parent) : TZqModalForm(parent), dialogs_(dialogs) {
    setObjectName("Form5");
    AddLanguageSection("[VokList Form]", this);
    setWindowTitle("VokList Editor");
}

void TForm5::EditNewVokList() {
    (void)dialogs_;
    ShowModal();
}

void TForm5::EditExistingVokList() { ShowModal(); }

}  // namespace vok
