#include "voklist/VokList.h"
#include "voklist/VokListLines.h"

namespace vok {

void AppendVokListFrameNames(std::string_view text, std::vector<std::string>& list) {
    const auto lines = SplitListLines(text);
    const std::size_t n = CountWithoutTrailingEmpty(lines);
    // A list too short for its header has no frame lines.
    const std::size_t first = StartsWithHeader(lines) ? kHeaderLines : 0;
    for (std::size_t i = first; i < n; ++i) {
        const TListLine line = ParseListLine(lines[i]);
        // Empty lines name no picture.
        if (!line.Name.empty()) list.emplace_back(line.Name);
    }
}

}  // namespace vok
