#pragma once
// The order in which the colour commands take the chosen files.
#include <string>
#include <vector>

namespace vok {

// Case-insensitive order of the full names (ASCII letters folded); names that
// differ only in case keep their order.
void SortFileNames(std::vector<std::string>& names);

}  // namespace vok
