#pragma once
// The standard colours: the colour that belongs to each special palette position,
// kept by the user as text, one hexadecimal colour per line.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/Color.h"

namespace vok {

// Entry i belongs to palette position i; a negative entry means the position is empty.
using StandardColorTable = std::array<ColorValue, 256>;

// The eight colours the list starts with: background, shadow border, two specials,
// shadow body and the three selection outlines.
inline constexpr std::array<ColorValue, 8> InitialStandardColors = {
    0xFFFF00, 0xFF96FF, 0xFF64FF, 0xFF32FF, 0xFF00FF, 0x00FFFF, 0xFF00B4, 0x00FF00};

// A table with every position empty.
StandardColorTable EmptyStandardColors();
// The table of the eight initial colours.
StandardColorTable DefaultStandardColors();

// The colour transparent pixels of PNG pictures take: the first colour set in the
// table, the first initial colour when none is.
ColorValue FirstStandardColor(const StandardColorTable& table);

// One line of the list: bare hexadecimal digits (either case) whose value fits in
// 32 bits, taken as a 32-bit pattern. Anything else, an empty line included, is -1;
// patterns from 80000000 up are negative and so empty as well.
ColorValue ParseStandardColorLine(std::string_view line);

// The table from the lines of the list: only the first 256 lines count, positions
// after the last line are empty.
StandardColorTable ParseStandardColors(const std::vector<std::string>& lines);

// The text form of a colour: upper-case hexadecimal, at least six digits.
std::string StandardColorText(ColorValue color);

// The lines that stand for a table: one per position up to the last set one, a set
// position as six digits of its low 24 bits, an empty one as an empty line.
std::vector<std::string> StandardColorLines(const StandardColorTable& table);

// How many colours the reduced combined picture may have: 256 normally; with
// noStandardColors the empty positions, plus the background when it is counted.
int ReducedPaletteSize(const StandardColorTable& table, bool noStandardColors, bool noBackground);

}  // namespace vok
