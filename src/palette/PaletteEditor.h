#pragma once
// The palette editor: a 16 x 16 grid of the standard colours.
#include "colours/StandardColors.h"
#include "controls/ZqModalForm.h"

namespace vok {

class IDialogs;

class TForm2 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm2(IDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the editor on the table; on OK writes the edited colours back into it
    // and returns true.
    bool ShowPaletteEditor(StandardColorTable& table);

private:
    IDialogs& dialogs_;
};

}  // namespace vok
