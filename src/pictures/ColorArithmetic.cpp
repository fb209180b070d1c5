#include "pictures/ColorArithmetic.h"

#include <algorithm>
#include <utility>

namespace vok {
namespace {

SysColorSource& Source() {
    static SysColorSource source;
    return source;
}

}  // namespace

void SetSysColorSource(SysColorSource source) { Source() = std::move(source); }

std::uint32_t DefaultSysColor(int index) {
    switch (index) {
    case SysColor::Menu:
    case SysColor::ButtonFace:
    case SysColor::Light: return RGB(0xD4, 0xD0, 0xC8);
    case SysColor::Window:
    case SysColor::ButtonHighlight:
    case SysColor::HighlightText: return 0xFFFFFF;
    case SysColor::Highlight: return RGB(0x0A, 0x24, 0x6A);
    case SysColor::ButtonShadow:
    case SysColor::GrayText: return RGB(0x80, 0x80, 0x80);
    case SysColor::DarkShadow: return RGB(0x40, 0x40, 0x40);
    case SysColor::InfoBackground: return RGB(0xFF, 0xFF, 0xE1);
    case SysColor::WindowText:
    case SysColor::ButtonText:
    case SysColor::InfoText: return 0;
    default: return DefaultSysColor(MappedSysColor(index));
    }
}

int MappedSysColor(int index) {
    switch (index) {
    case SysColor::Menu:
    case SysColor::Window:
    case SysColor::WindowText:
    case SysColor::Highlight:
    case SysColor::HighlightText:
    case SysColor::ButtonFace:
    case SysColor::ButtonShadow:
    case SysColor::GrayText:
    case SysColor::ButtonText:
    case SysColor::ButtonHighlight:
    case SysColor::DarkShadow:
    case SysColor::Light:
    case SysColor::InfoText:
    case SysColor::InfoBackground: return index;
    case 6:   // window frame
    case 7:   // menu text
    case 9:   // caption text
    case 19:  // inactive caption text
        return SysColor::WindowText;
    default: return SysColor::ButtonFace;
    }
}

std::uint32_t ColorToRgb(ColorValue color) {
    if (color >= 0) return std::uint32_t(color) & 0xFFFFFF;
    const int index = int(std::uint32_t(color) & 0xFF);
    const std::uint32_t rgb = Source() ? Source()(index) : DefaultSysColor(index);
    return rgb & 0xFFFFFF;
}

int ColorLightness(ColorValue color) {
    const std::uint32_t c = ColorToRgb(color);
    const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    return (std::max({r, g, b}) + std::min({r, g, b})) / 2;
}

std::uint32_t ChangeLightness(ColorValue color, std::int16_t amount) {
    const std::uint32_t c = ColorToRgb(color);
    const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    const int m = std::max({r, g, b});
    const int t = m + std::min({r, g, b});
    if (t == 0) return amount > 0 ? std::uint32_t(amount) * 0x010101u : 0u;
    // A factor with 8 fractional bits that moves (max + min) / 2 by about the amount and
    // keeps the ratios of the components.
    int k = amount * 512 / t + 256;
    if (m * k > 0xFFFF) k = 0xFFFF / m;
    if (k <= 0) return 0;
    return RGB(std::uint8_t(r * k / 256), std::uint8_t(g * k / 256), std::uint8_t(b * k / 256));
}

std::uint32_t BlendColors(std::uint32_t a, std::uint32_t b, int weight) {
    weight = std::clamp(weight, 0, 256);
    const std::uint32_t w = std::uint32_t(weight), v = 256u - w;
    // Green alone, then red and blue in one word: at weights up to 256 the halves never spill.
    const std::uint32_t green = (((a & 0xFF00) * w + (b & 0xFF00) * v) >> 8) & 0xFF00;
    const std::uint32_t redBlue = (((a & 0xFF00FF) * w + (b & 0xFF00FF) * v) >> 8) & 0xFF00FF;
    return green | redBlue;
}

std::uint32_t BlendSysColors(ColorValue a, ColorValue b, int weight) {
    return BlendColors(ColorToRgb(a), ColorToRgb(b), weight);
}

std::uint32_t BlendByCounts(std::uint32_t a, std::uint32_t b, std::uint32_t p, std::uint32_t q) {
    const std::uint64_t sum = std::uint64_t(p) + q;
    const int weight = sum == 0 ? 128 : int(std::uint64_t(p) * 256 / sum);
    return BlendColors(a, b, weight);
}

std::vector<std::uint32_t> GradientRows(ColorValue top, ColorValue bottom, int rows) {
    std::vector<std::uint32_t> result;
    if (rows <= 0) return result;
    const std::uint32_t a = ColorToRgb(top), b = ColorToRgb(bottom);
    if (rows == 1) return {BlendByCounts(a, b, 1, 1)};
    result.reserve(std::size_t(rows));
    const int last = rows - 1;
    for (int y = 0; y <= last; ++y) result.push_back(BlendByCounts(a, b, std::uint32_t(last - y), std::uint32_t(y)));
    return result;
}

}  // namespace vok
