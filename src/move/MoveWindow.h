#pragma once
// The move-monster window: shifts frames over a grid.
#include <string>
#include <vector>

#include "controls/ZqModalForm.h"

namespace vok {

class IDialogs;

class TForm4 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm4(IDialogs& dialogs, QWidget* parent = nullptr);

    // The frame file names, set by the main window before ShowFrameList.
    std::vector<std::string> FileNames;
    // Shows the frames modally; returns when the window is closed.
    void ShowFrameList();

private:
    IDialogs& dialogs_;
};

}  // namespace vok
