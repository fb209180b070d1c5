#pragma once
// Folders, lists and frame files for the generator tests.
#include <initializer_list>
#include <string>
#include <string_view>

#include "support/TempFolder.h"
#include "voklist/VokListTestText.h"

namespace vok::test {

// Each line followed by CR LF.
inline std::string Lines(std::initializer_list<std::string_view> lines) { return CrLfLines(lines); }

// Lines 0 to 14 of a list with header; line 14 as given.
inline std::string ListHeader(std::string_view type = "7", std::string_view line14 = "Auto") {
    return Lines({"0", type, "Temp.vok", "FALSE", "FALSE", "TRUE", "450", "400", "", "0", "FALSE", "FALSE", "FALSE",
                  "Auto", line14});
}

}  // namespace vok::test
