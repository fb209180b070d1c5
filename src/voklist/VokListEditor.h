#pragma once
// The VokList editor window.
#include "controls/Dialogs.h"
#include "controls/ZqModalForm.h"

namespace vok {

class IDialogs;

class TForm5 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm5(IDialogs& dialogs, QWidget* parent = nullptr);

    // Start a new list / open an existing one, then show the editor modally
    // (not at all when the user cancels the first dialog).
    void EditNewVokList();
    void EditExistingVokList();

    // Dialogs; the main window keeps their file names in the settings.
    FileDialogOptions OpenDialog1, SaveDialog1, OpenPictureDialog1;

private:
    IDialogs& dialogs_;
};

}  // namespace vok
