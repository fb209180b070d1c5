#include "colours/ColourListText.h"

namespace vok {

StandardColorTable StandardColorsFromText(std::string_view text) { return ParseStandardColors(TextLines(text)); }

}  // namespace vok
