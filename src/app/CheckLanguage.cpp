#include "app/CheckLanguage.h"

#include <cstdio>
#include <exception>

#include "app/MainWindow.h"
#include "controls/Dialogs.h"
#include "lang/LanguageFiles.h"
#include "support/ZqStrUtils.h"
#include "support/ZqSysUtils.h"

namespace vok {
namespace {

// Nobody is there to answer: every dialog is cancelled, every message dropped.
class NoDialogs : public IDialogs {
public:
    bool OpenFile(FileDialogOptions&) override { return false; }
    bool SaveFile(FileDialogOptions&) override { return false; }
    bool PickColor(ColorDialogOptions&) override { return false; }
    MessageButton Message(const MessageOptions&) override { return mbCancel; }
};

}  // namespace

int CheckLanguage(const std::string& fileName) {
    std::string text;
    try {
        text = ReadFileText(fileName);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", fileName.c_str(), e.what());
        return 2;
    }
    NoDialogs dialogs;
    TForm1 form(dialogs, nullptr, false);
    std::string errors;
    LoadLanguage(dialogs, text, true, errors);
    const std::string lines = ReplaceInString(errors, "\r\n", "\n", rfReplaceAll);
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    std::fflush(stdout);
    return errors.empty() ? 0 : 1;
}

}  // namespace vok
