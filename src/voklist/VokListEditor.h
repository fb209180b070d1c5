#pragma once
// The VokList editor window. Not built yet: it opens empty, reads and writes nothing.
#include "controls/ZqModalForm.h"

namespace vok {

class IDialogs;

class TForm5 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm5(IDialogs& dialogs, QWidget* parent = nullptr);

    // Start a new list / open an existing one, then show the editor modally
    // (not at all when the user cancels the first dialog). Not built yet: both
    // only show the empty window, without a dialog.
    void EditNewVokList();
    void EditExistingVokList();

private:
    IDialogs& dialogs_;
};

}  // namespace vok
