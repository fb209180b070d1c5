#pragma once
// The language files on the windows: the program's sections, loading with the error
// box, and where the files are found.
#include <string>
#include <string_view>

#include "lang/ZqLang.h"

namespace vok {

class IDialogs;

// A section for every window alive that announced one, in the order they did.
TZqLanguage ProgramLanguage();

// Applies one file's text to the windows and appends what could not be applied to
// errors; unless quiet, a non-empty error text is shown in the
// "Language loaded with errors" box.
void LoadLanguage(IDialogs& dialogs, std::string_view text, bool quiet, std::string& errors);

// Start-up: "Language.txt", then "Language1.txt" over it, each from the working folder,
// beside the program or the installed data folder. A missing or unreadable
// file is skipped without a word.
void LoadLanguageFiles(IDialogs& dialogs);

}  // namespace vok
