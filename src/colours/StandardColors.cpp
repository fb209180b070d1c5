#include "colours/StandardColors.h"

#include <cstdint>
#include <cstdio>

#include "support/ZqStrUtils.h"

namespace vok {

StandardColorTable EmptyStandardColors() {
    StandardColorTable table;
    table.fill(-1);
    return table;
}

StandardColorTable DefaultStandardColors() {
    StandardColorTable table = EmptyStandardColors();
    for (std::size_t i = 0; i < InitialStandardColors.size(); ++i) table[i] = InitialStandardColors[i];
    return table;
}

ColorValue FirstStandardColor(const StandardColorTable& table) {
    for (ColorValue color : table)
        if (color >= 0) return color & 0xFFFFFF;
    return InitialStandardColors[0];
}

ColorValue ParseStandardColorLine(std::string_view line) {
    if (line.empty()) return -1;
    std::uint64_t value = 0;
    for (char c : line) {
        const int d = DigitValue(c, 16);
        if (d < 0) return -1;
        value = value * 16 + std::uint64_t(d);
        if (value > 0xFFFFFFFFull) return -1;
    }
    return static_cast<ColorValue>(static_cast<std::uint32_t>(value));
}

StandardColorTable ParseStandardColors(const std::vector<std::string>& lines) {
    StandardColorTable table = EmptyStandardColors();
    const std::size_t n = lines.size() < table.size() ? lines.size() : table.size();
    for (std::size_t i = 0; i < n; ++i) table[i] = ParseStandardColorLine(lines[i]);
    return table;
}

std::string StandardColorText(ColorValue color) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(static_cast<std::uint32_t>(color)));
    return text;
}

std::vector<std::string> StandardColorLines(const StandardColorTable& table) {
    int last = -1;
    for (int i = 0; i < int(table.size()); ++i)
        if (table[i] >= 0) last = i;
    std::vector<std::string> lines;
    for (int i = 0; i <= last; ++i)
        lines.push_back(table[i] < 0 ? std::string() : StandardColorText(table[i] & 0xFFFFFF));
    return lines;
}

int ReducedPaletteSize(const StandardColorTable& table, bool noStandardColors, bool noBackground) {
    if (!noStandardColors) return 256;
    int count = 0;
    for (ColorValue c : table)
        if (c < 0) ++count;
    if (!noBackground && table[0] >= 0) ++count;
    return count;
}

}  // namespace vok
