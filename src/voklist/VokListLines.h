#pragma once
// The one line reader of VokLists: the editor's reader, the generator's reader and the
// frame-name reader all split and cut their lines here.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vok {

// The text with every bare LF (a list written by hand) turned into CR LF; CR LF stays.
std::string WithCrLf(std::string_view text);
// The text split at every CR LF or bare LF; a lone CR stays part of its line.
// A text ending in a line break ends with an empty line.
std::vector<std::string_view> SplitListLines(std::string_view text);
// Number of lines up to and including the last non-empty one.
std::size_t CountWithoutTrailingEmpty(const std::vector<std::string_view>& lines);
// A first line shorter than 4 characters marks a 15-line header.
bool StartsWithHeader(const std::vector<std::string_view>& lines);
inline constexpr std::size_t kHeaderLines = 15;

// For a line ending in '+': index of the last space before the '+' at index 1
// or later, or npos when there is none.
std::size_t GroupMarkSpace(std::string_view line);

// One frame line. A line ending in '+' closes a group: "name  g+", where the two
// characters before the number are the separator and the one before the space goes
// whatever it is. An empty Name names no picture.
struct TListLine {
    std::string_view Name;
    bool EndsGroup = false;
    // The group number's text of a group end line.
    std::string_view GroupText;
    // False for a group end line without a space.
    bool Valid = true;
};
TListLine ParseListLine(std::string_view line);

}  // namespace vok
