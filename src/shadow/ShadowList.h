#pragma once
// A VokList as the shadow generator reads it: the frame rows with a separator
// after each group, the base line from line 14 and the rows that get a
// selection outline. The text around line 14 is kept so that line 14 alone can
// be rewritten.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vok {

// "Unset" for the integer state of the generator.
inline constexpr std::int32_t kUnset = INT32_MAX;

// The row shown after each group: 36 long dashes (0x97 in the single-byte code page).
inline const std::string kGroupSeparatorRow(36, '\x97');

struct TShadowList {
    // Lines 0 to 13 each followed by CR LF; empty without header.
    std::string HeaderText;
    // Line 14; "Auto" when it read "Auto " and a number; empty without header.
    std::string BaseLineText;
    // Everything after line 14 (from its CR LF on); the whole file without header.
    std::string RestText;
    std::int32_t SelectionFirst = kUnset;
    std::int32_t SelectionEnd = 0;
    // From "Auto N" in line 14, else kUnset.
    std::int32_t BaseLine = kUnset;
    // Line 14 read "Auto N": BaseLine holds N, whatever its value.
    bool HasBaseLine = false;
    bool HasHeader = false;
    // Per row: the frame name as written, or empty for a separator row.
    std::vector<std::string> Names;
    // Per row: the text shown (the name's file part, or kGroupSeparatorRow).
    std::vector<std::string> Rows;
    // Per row: where the name stands in the list's text with CR LF line ends (every
    // line end made CR LF), or npos for a separator row.
    std::vector<std::size_t> NameOffsets;

    bool HasSelection() const { return SelectionFirst != kUnset; }
    bool SelectionAt(int row) const { return HasSelection() && SelectionFirst <= row && row < SelectionEnd; }
};

// Raises "File invalid or corrupt (Unit3.cpp, line 162)" for a group end line
// without a space (or a header cut short), EConvertError for a number that is
// not an integer, and the file error when the list cannot be read.
TShadowList ReadShadowList(const std::string& fileName);
TShadowList ParseShadowList(std::string_view text);

// The part of a name after its last '/', '\\' or drive colon.
std::string FramePart(const std::string& name);

}  // namespace vok
