#pragma once
// The one order of file names, for every list the program sorts.
#include <string>
#include <vector>

namespace vok {

// Case-insensitive order of the full names, ASCII letters folded to lower case
// (so "_" and "\" come before the letters); names equal in that order by their
// bytes, so the result never depends on the order the names came in.
bool FileNameLess(const std::string& a, const std::string& b);

void SortFileNames(std::vector<std::string>& names);

}  // namespace vok
