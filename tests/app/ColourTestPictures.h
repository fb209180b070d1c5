#pragma once
// Small pictures built in the colour workflow's tests.
#include <cstdint>
#include <vector>

#include "pictures/Bitmap.h"

namespace vok::test {

// An 8-bit picture whose colour table holds the given colours (0x00BBGGRR), every pixel at `fill`.
inline Bitmap Paletted(int width, int height, const std::vector<std::uint32_t>& colors, std::uint8_t fill = 0) {
    Bitmap b(width, height, PixelFormat::Bits8);
    std::vector<RgbQuad> table;
    for (std::uint32_t c : colors) table.push_back(ToQuad(c));
    b.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.scanLine(y)[x] = fill;
    return b;
}

// 256 distinct colours that lie far from every default standard colour.
inline std::vector<std::uint32_t> PlainColors(int count = 256) {
    std::vector<std::uint32_t> colors;
    for (int i = 0; i < count; ++i) colors.push_back(RGB(std::uint8_t(i), 100, std::uint8_t(40 + i % 7)));
    return colors;
}

inline Bitmap TrueColor(int width, int height, std::uint32_t fill) {
    Bitmap b(width, height, PixelFormat::Bits24);
    b.fill(fill);
    return b;
}

inline std::uint8_t IndexAt(const Bitmap& b, int x, int y) { return b.scanLine(y)[x]; }
inline void SetIndex(Bitmap& b, int x, int y, std::uint8_t v) { b.scanLine(y)[x] = v; }

inline void SetColor24(Bitmap& b, int x, int y, std::uint32_t c) {
    std::uint8_t* p = b.scanLine(y) + 3 * x;
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
}

}  // namespace vok::test
