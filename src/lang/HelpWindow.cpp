// The help window. Not built yet: an empty window; the language files are not read.
#include "lang/HelpWindow.h"

#include <QPointer>

#include "support/AppInfo.h"

namespace vok {
namespace {

QPointer<TZqHelp>& HelpInstance() {
    static QPointer<TZqHelp> help;
    return help;
}

}  // namespace

TZqHelp::TZqHelp(QWidget* parent) : TZqModalForm(parent) {
    setObjectName("ZqHelp");
    setWindowTitle("Help");
    resize(564, 494);
}

void CreateHelpWindow(const std::string& className, QWidget* owner) {
    delete HelpInstance().data();
    auto* help = new TZqHelp(owner);
    help->ClassName = className.empty() ? std::string(AppTitle) + " Help Form" : className;
    HelpInstance() = help;
}

TZqHelp* HelpWindow() { return HelpInstance().data(); }

void ShowHelp(const std::vector<QWidget*>& companions, int width, int height) {
    (void)companions;
    TZqHelp* help = HelpWindow();
    if (!help) return;
    help->resize(width, height);
    help->ShowModal();
}

}  // namespace vok
