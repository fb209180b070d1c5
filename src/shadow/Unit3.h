#pragma once
// The shadow and selection generator window.
#include <string>

#include "controls/ZqModalForm.h"

namespace vok {

class IDialogs;

class TForm3 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm3(IDialogs& dialogs, QWidget* parent = nullptr);

    // The VokList file, set by the main window before ShowForVokList.
    std::string ListFileName;
    // Reads the list, shows the window modally and returns when it is closed.
    void ShowForVokList();

private:
    IDialogs& dialogs_;
};

}  // namespace vok
