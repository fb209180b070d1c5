#pragma once
// Building VokList texts in tests.
#include <initializer_list>
#include <string>
#include <string_view>

namespace vok::test {

// Each line followed by CR LF.
inline std::string CrLfLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const auto line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Lines 0 to 14 of a list with header: first line, type value, then 13 settings lines.
inline std::string Header(std::string_view first = "0", std::string_view type = "7") {
    return CrLfLines({first, type, "Temp.vok", "FALSE", "FALSE", "TRUE", "450", "400", "", "0", "FALSE", "FALSE",
                      "FALSE", "Auto", "Auto"});
}

}  // namespace vok::test
