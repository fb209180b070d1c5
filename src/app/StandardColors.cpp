#include "app/StandardColors.h"

#include <cstdint>
#include <cstdio>

#include "support/ZqStrUtils.h"

namespace vok {

namespace {

constexpr std::array<ColorValue, 8> kDefaults = {
    0xFFFF00,  // background
    0xFF96FF,  // shadow border
    0xFF64FF,
    0xFF32FF,
    0xFF00FF,  // shadow body
    0x00FFFF,  // selection over background
    0xFF00B4,  // selection over shadow body
    0x00FF00,  // selection over shadow border
};

ColorValue ParseLine(std::string_view line) {
    if (line.empty()) return -1;
    // "$" turns the conversion into a bare hexadecimal one: it then refuses blanks,
    // signs, prefixes and anything above FFFFFFFF.
    std::int32_t value = 0;
    if (!TryTextToInt("$" + std::string(line), value)) return -1;
    return value < 0 ? -1 : value;  // 80000000..FFFFFFFF: empty
}

}  // namespace

StandardColorTable InitialStandardColors() {
    StandardColorTable table;
    table.fill(-1);
    for (std::size_t i = 0; i < kDefaults.size(); ++i) table[i] = kDefaults[i];
    return table;
}

std::vector<std::string> InitialStandardColorLines() {
    std::vector<std::string> lines;
    for (ColorValue c : kDefaults) lines.push_back(StandardColorLine(c));
    return lines;
}

StandardColorTable ParseStandardColors(const std::vector<std::string>& lines) {
    StandardColorTable table;
    table.fill(-1);
    for (std::size_t i = 0; i < lines.size() && i < table.size(); ++i) table[i] = ParseLine(lines[i]);
    return table;
}

StandardColorTable ParseStandardColorText(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return ParseStandardColors(lines);
}

std::string StandardColorLine(ColorValue color) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(color));
    return buffer;
}

std::vector<std::string> FormatStandardColors(const StandardColorTable& table) {
    int last = -1;
    for (int i = 0; i < int(table.size()); ++i)
        if (table[i] >= 0) last = i;
    std::vector<std::string> lines;
    for (int i = 0; i <= last; ++i)
        lines.push_back(table[i] >= 0 ? StandardColorLine(table[i] & 0xFFFFFF) : std::string());
    return lines;
}

int ReducedColorLimit(const StandardColorTable& table, bool noStandardColors, bool noBackground) {
    if (!noStandardColors) return 256;
    int count = 0;
    for (ColorValue c : table)
        if (c < 0) ++count;
    if (!noBackground && table[0] >= 0) ++count;
    return count;
}

}  // namespace vok
