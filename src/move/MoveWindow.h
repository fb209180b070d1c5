#pragma once
// The move-monster window, which is to shift frames over a grid. Not built yet:
// it opens empty and changes nothing.
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
    // Shows the window modally; returns when it is closed. Not built yet: the
    // frames are not shown.
    void ShowFrameList();

private:
    IDialogs& dialogs_;
};

}  // namespace vok
