#include "voklist/VokListLines.h"

namespace vok {

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::vector<std::string_view> SplitListLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) break;
        const std::size_t end = lf > start && text[lf - 1] == '\r' ? lf - 1 : lf;
        lines.push_back(text.substr(start, end - start));
        start = lf + 1;
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

TListLine ParseListLine(std::string_view line) {
    TListLine result;
    result.Name = line;
    if (line.empty() || line.back() != '+') return result;
    result.EndsGroup = true;
    const std::size_t space = GroupMarkSpace(line);
    if (space == std::string_view::npos) {
        result.Valid = false;
        return result;
    }
    result.Name = space >= 2 ? line.substr(0, space - 1) : std::string_view();
    result.GroupText = line.substr(space + 1, line.size() - space - 2);
    return result;
}

}  // namespace vok
