#include "controls/Dialogs.h"

#include "support/Progress.h"

#include <exception>

#include "support/AppInfo.h"
#include "support/Errors.h"

namespace vok {

void IDialogs::ShowError(const std::string& message) {
    Message(MessageOptions{ApplicationTitle, StandardReportText(message), MessageIcon::Error, mbOK});
}

void RunReported(IDialogs& dialogs, const std::function<void()>& command) {
    try {
        command();
    } catch (const ECancelled&) {
        // The user stopped it; the files written so far are complete.
    } catch (const std::exception& e) {
        dialogs.ShowError(e.what());
    }
}

namespace {
IDialogs* unhandledReportDialogs = nullptr;
}  // namespace

void SetUnhandledReportDialogs(IDialogs* dialogs) { unhandledReportDialogs = dialogs; }

void ReportUnhandled(std::exception_ptr failure) {
    IDialogs& dialogs = unhandledReportDialogs ? *unhandledReportDialogs : QtDialogs();
    try {
        std::rethrow_exception(failure);
    } catch (const ECancelled&) {
    } catch (const std::exception& e) {
        dialogs.ShowError(e.what());
    } catch (...) {
        // Nothing to read from it, but the user must learn that the action stopped.
        dialogs.ShowError("Unknown failure");
    }
}

}  // namespace vok
