#pragma once
// Progress of a window command: a dialog with Cancel that appears only when the work takes
// longer than half a second. Cancel stops the command before its next file is written.
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <string>

#include "support/Progress.h"

class QWidget;

namespace vok {

// What a window's progress dialog says. A window offers them to the language files as
// "<name>.Label" and "<name>.Cancel" with ExposeProgressTexts.
struct TProgressTexts {
    std::string Label;
    std::string Cancel = "Cancel";
};
void ExposeProgressTexts(QWidget* window, const std::string& name, TProgressTexts& texts);

class TProgressDialog : public IProgress {
public:
    TProgressDialog(QWidget* parent, const TProgressTexts& texts);
    ~TProgressDialog() override;
    bool Step(int done, int total) override;
    bool Cancelled() const { return cancelled_; }

    // The dialog, for tests; it shows itself once the work has taken half a second.
    QProgressDialog* Dialog() const { return dialog_; }

private:
    QPointer<QProgressDialog> dialog_;
    bool cancelled_ = false;
};

}  // namespace vok
