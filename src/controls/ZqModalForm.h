#pragma once
// A secondary window shown modally from the main window. Tests replace the modal
// loop with ModalHook to look at the window and answer it without blocking.
#include <QDialog>
#include <functional>

namespace vok {

class TZqModalForm : public QDialog {
    Q_OBJECT
public:
    explicit TZqModalForm(QWidget* parent = nullptr);

    // Runs the window modally and returns its result (QDialog::Accepted or Rejected).
    int ShowModal();
    // When set, called instead of the modal loop; its return is the window's result.
    std::function<int(TZqModalForm&)> ModalHook;
    // Minimising the window minimises the whole program (the window it was opened from).
    bool MinimizesProgram = false;

protected:
    // What every secondary window of the main window does first: takes its designer name,
    // registers its language section, gets a minimise box, and minimising it minimises
    // the program.
    void BecomeSecondaryWindow(const char* objectName, const char* languageSection);
    void changeEvent(QEvent* event) override;
};

}  // namespace vok
