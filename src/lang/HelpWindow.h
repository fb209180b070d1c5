#pragma once
// The help window: one read-only text, filled from the language files.
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "controls/ZqModalForm.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace vok {

class TZqHelp : public TZqModalForm {
    Q_OBJECT
public:
    explicit TZqHelp(QWidget* parent = nullptr);

    QFrame* Panel2;          // fills the window around the memo
    QPlainTextEdit* Memo1;   // the help text
    QFrame* Panel1;          // bottom strip
    QPushButton* Button1;    // OK

    // The window's class name: at most 63 characters.
    std::string ClassName;
    // Hidden with the help window when it is minimised; none: the program is minimised.
    std::vector<QPointer<QWidget>> Companions;

protected:
    void changeEvent(QEvent* event) override;
};

// Makes the one help window under the given class name (empty: AppTitle + " Help Form")
// and registers its language section "[Help]". The owner (the main window) frees it
// with itself; a second call replaces it.
void CreateHelpWindow(const std::string& className, QWidget* owner = nullptr);
// The help window, or none before CreateHelpWindow.
TZqHelp* HelpWindow();
// Shows the help modally at the given size; the companion controls are hidden with it
// when it is minimised.
void ShowHelp(const std::vector<QWidget*>& companions, int width, int height);

}  // namespace vok
