#pragma once
// The standard colours: the colour that belongs to each special palette position,
// and their text form (one line per position, bare hexadecimal digits).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/Color.h"

namespace vok {

// Entry i belongs to palette position i; a negative entry means the position is empty.
using StandardColorTable = std::array<ColorValue, 256>;

// The eight defaults at positions 0 to 7, every other position empty.
StandardColorTable InitialStandardColors();
// The memo lines of the defaults: "FFFF00", "FF96FF", ...
std::vector<std::string> InitialStandardColorLines();

// Line i gives position i: hexadecimal digits only (either case), a 32-bit pattern,
// so 80000000..FFFFFFFF count as empty, like an empty line or any other text.
// Only the first 256 lines count; positions after the last line are empty.
StandardColorTable ParseStandardColors(const std::vector<std::string>& lines);
// The same for a whole text of CR LF or LF separated lines; a final line break
// does not start another line.
StandardColorTable ParseStandardColorText(std::string_view text);

// Upper-case hexadecimal, at least six digits.
std::string StandardColorLine(ColorValue color);
// One line per position from 0 up to the last set one; an empty position gives an empty line.
std::vector<std::string> FormatStandardColors(const StandardColorTable& table);

// How many colours the combined picture may keep through its reduction:
// 256 normally; with "No Standard Colors" the empty positions, plus the
// background when it is kept and has a colour.
int ReducedColorLimit(const StandardColorTable& table, bool noStandardColors, bool noBackground);

}  // namespace vok
