#pragma once
// The language files on the windows: the program's sections, loading with the error
// box, and where the files are found.
#include <string>
#include <string_view>
#include <vector>

#include "lang/ZqLang.h"

namespace vok {

class IDialogs;

// A section for every window alive that announced one, in the order they did; utf8:
// the texts are UTF-8 whatever the character set of a font.
TZqLanguage ProgramLanguage(bool utf8 = false);

// Applies one file's text to the windows and appends what could not be applied to
// errors; unless quiet, a non-empty error text is shown in the
// "Language loaded with errors" box. What had to be guessed about the file (a
// byte-order mark, CR-only line ends) goes to guesses.
void LoadLanguage(IDialogs& dialogs, std::string_view text, bool quiet, std::string& errors,
                  std::vector<std::string>* guesses = nullptr);

// Where a language file is: beside the program, else in the installed data folder;
// "Language1.txt", a user's own translation, first in the user's configuration folder.
// Never the working folder, where any stray "Language.txt" may lie. Empty when none
// of the places holds it.
std::string LocateLanguageFile(const std::string& name);

// Start-up: "Language.txt", then "Language1.txt" over it, each from the first place
// that holds it. A missing or unreadable file is skipped without a word.
void LoadLanguageFiles(IDialogs& dialogs);

}  // namespace vok
