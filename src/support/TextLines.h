#pragma once
// The lines of a small text file written by hand or by the program: CR LF or LF.
#include <string>
#include <string_view>
#include <vector>

namespace vok {

// The lines of a text without their line breaks; a final line break does not
// start another line.
std::vector<std::string> TextLines(std::string_view text);

}  // namespace vok
