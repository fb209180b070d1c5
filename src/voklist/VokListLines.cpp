#include "voklist/VokListLines.h"

namespace vok::voklist_detail {

std::vector<std::string_view> SplitCrLf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::size_t CountWithoutTrailingEmpty(const std::vector<std::string_view>& lines) {
    std::size_t n = lines.size();
    while (n > 0 && lines[n - 1].empty()) --n;
    return n;
}

bool StartsWithHeader(const std::vector<std::string_view>& lines) { return !lines.empty() && lines[0].size() < 4; }

std::size_t GroupMarkSpace(std::string_view line) {
    if (line.size() < 3) return std::string_view::npos;
    for (std::size_t i = line.size() - 2; i >= 1; --i)
        if (line[i] == ' ') return i;
    return std::string_view::npos;
}

}  // namespace vok::voklist_detail
