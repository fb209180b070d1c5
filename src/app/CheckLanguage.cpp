#include "app/CheckLanguage.h"

#include <cstdio>
#include <exception>
#include <vector>

#include "app/MainWindow.h"
#include "controls/Dialogs.h"
#include "lang/LanguageFiles.h"
#include "lang/ZqLang.h"
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
        text = ReadFileText(fileName, kMaxLanguageFileBytes);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", fileName.c_str(), e.what());
        return 2;
    }
    NoDialogs dialogs;
    TForm1 form(dialogs, nullptr, false);
    std::string errors;
    std::vector<std::string> guesses;
    LoadLanguage(dialogs, text, true, errors, &guesses);
    // A file that loads, but only because its form had to be guessed, fails the check too.
    std::string lines;
    for (const std::string& guess : guesses) lines += guess + "\n";
    if (!guesses.empty() && !errors.empty()) lines += "\n";
    lines += ReplaceInString(errors, "\r\n", "\n", rfReplaceAll);
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    std::fflush(stdout);
    return lines.empty() ? 0 : 1;
}

}  // namespace vok
