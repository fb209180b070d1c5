#pragma once
// A standard-colour list kept as a text file: the list's lines, CR LF or LF.
#include <string>
#include <string_view>
#include <vector>

#include "colours/StandardColors.h"

namespace vok {

// The lines of a text; a final line break does not start another line.
std::vector<std::string> TextLines(std::string_view text);

StandardColorTable StandardColorsFromText(std::string_view text);

}  // namespace vok
