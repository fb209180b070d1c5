#pragma once
// A standard-colour list kept as a text file: the list's lines, CR LF or LF.
#include <string_view>

#include "colours/StandardColors.h"
#include "support/TextLines.h"

namespace vok {

StandardColorTable StandardColorsFromText(std::string_view text);

}  // namespace vok
