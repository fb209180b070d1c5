#pragma once
// The help window, which is to show one read-only text from the language files.
// Not built yet: it opens empty.
#include <QWidget>
#include <string>
#include <vector>

#include "controls/ZqModalForm.h"

namespace vok {

class TZqHelp : public TZqModalForm {
    Q_OBJECT
public:
    explicit TZqHelp(QWidget* parent = nullptr);
    std::string ClassName;
};

// Makes the one help window under the given class name (empty: AppTitle + " Help Form").
// The owner (the main window) frees it with itself; a second call replaces it.
void CreateHelpWindow(const std::string& className, QWidget* owner = nullptr);
// The help window, or none before CreateHelpWindow.
TZqHelp* HelpWindow();
// Shows the help modally at the given size; the companion controls are to be hidden
// with it when it is minimised (not built yet: they are left as they are).
void ShowHelp(const std::vector<QWidget*>& companions, int width, int height);

}  // namespace vok
