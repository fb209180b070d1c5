#include "voklist/VokList.h"
#include "voklist/VokListLines.h"

namespace vok {

using namespace voklist_detail;

void AppendVokListFrameNames(std::string_view text, std::vector<std::string>& list) {
    const auto lines = SplitCrLf(text);
    const std::size_t n = CountWithoutTrailingEmpty(lines);
    // A list too short for its header has no frame lines.
    const std::size_t first = StartsWithHeader(lines) ? kHeaderLines : 0;
    for (std::size_t i = first; i < n; ++i) {
        std::string_view name = lines[i];
        if (!name.empty() && name.back() == '+') {
            const std::size_t space = GroupMarkSpace(name);
            if (space != std::string_view::npos) name = name.substr(0, space - 1);
        }
        // Empty lines name no picture.
        if (!name.empty()) list.emplace_back(name);
    }
}

}  // namespace vok
