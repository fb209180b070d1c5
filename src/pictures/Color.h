#pragma once
// Colour values 0x00BBGGRR (red in the low byte) and colour-table entries.
#include <cstdint>

namespace vok {

using ColorValue = std::int32_t;  // negative: no colour

// A colour-table entry in BMP byte order.
struct RgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
    bool operator==(const RgbQuad&) const = default;
};

constexpr std::uint8_t RedOf(std::uint32_t c) { return c & 0xFF; }
constexpr std::uint8_t GreenOf(std::uint32_t c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(std::uint32_t c) { return (c >> 16) & 0xFF; }
constexpr std::uint32_t RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return r | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
}
constexpr std::uint32_t ToColor(RgbQuad q) { return RGB(q.red, q.green, q.blue); }
constexpr RgbQuad ToQuad(std::uint32_t c) { return RgbQuad{BlueOf(c), GreenOf(c), RedOf(c), 0}; }

// Squared distance over red, green and blue: 0 to 195075. A negative value counts as black.
constexpr int ColorDistance(ColorValue a, ColorValue b) {
    const std::uint32_t ua = a < 0 ? 0 : std::uint32_t(a), ub = b < 0 ? 0 : std::uint32_t(b);
    const int dr = int(RedOf(ua)) - RedOf(ub), dg = int(GreenOf(ua)) - GreenOf(ub), db = int(BlueOf(ua)) - BlueOf(ub);
    return dr * dr + dg * dg + db * db;
}

}  // namespace vok
