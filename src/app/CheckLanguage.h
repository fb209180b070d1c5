#pragma once
// voktool --check-language FILE: what a translator runs before shipping a file.
#include <string>

namespace vok {

// Builds every window as start-up does (no language file applied, nothing shown),
// applies the file alone and prints to standard output the text the error box would
// show. 0 when the file applies cleanly, 1 when it does not, 2 when it cannot be read.
int CheckLanguage(const std::string& fileName);

}  // namespace vok
