#pragma once
// Line handling shared by the VokList readers.
#include <cstddef>
#include <string_view>
#include <vector>

namespace vok::voklist_detail {

// The text split at every CR LF; a lone CR or LF stays part of its line.
// A text ending in CR LF ends with an empty line.
std::vector<std::string_view> SplitCrLf(std::string_view text);
// Number of lines up to and including the last non-empty one.
std::size_t CountWithoutTrailingEmpty(const std::vector<std::string_view>& lines);
// A first line shorter than 4 characters marks a 15-line header.
bool StartsWithHeader(const std::vector<std::string_view>& lines);
inline constexpr std::size_t kHeaderLines = 15;

// For a line ending in '+': index of the last space before the '+' at index 1
// or later, or npos when there is none.
std::size_t GroupMarkSpace(std::string_view line);

}  // namespace vok::voklist_detail
