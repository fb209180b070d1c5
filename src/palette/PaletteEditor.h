#pragma once
// The palette editor, which is to show the standard colours in a 16 x 16 grid.
// Not built yet: it opens empty.
#include "colours/StandardColors.h"
#include "controls/ZqModalForm.h"

namespace vok {

class IDialogs;

class TForm2 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm2(IDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the editor on the table; on OK writes the edited colours back into it
    // and returns true. Not built yet: the table is left as it is.
    bool ShowPaletteEditor(StandardColorTable& table);

private:
    IDialogs& dialogs_;
};

}  // namespace vok
