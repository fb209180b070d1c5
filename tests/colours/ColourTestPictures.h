#pragma once
// Small pictures built in the colour workflow's tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

#include "colours/StandardColors.h"
#include "pictures/Bitmap.h"

namespace vok::test {

// The standard colour list the program starts with.
inline const StandardColorTable kDefaults = DefaultStandardColors();

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

inline std::uint8_t IndexAt(const Bitmap& b, int x, int y) { return b.scanLine(y)[x]; }
inline void SetIndex(Bitmap& b, int x, int y, std::uint8_t v) { b.scanLine(y)[x] = v; }

// A figure frame: 30 plain colours, colours 1 and 2 set to the ones given, every pixel one of the
// indexes 3 to 29 in a pattern (x * xStep + y * 3 + seed); the caller marks pixels with 1 and 2.
inline Bitmap PatternFrame(int width, int height, std::uint32_t color1, std::uint32_t color2, int xStep, int seed) {
    std::vector<std::uint32_t> colors = PlainColors(30);
    colors[1] = color1;
    colors[2] = color2;
    Bitmap b = Paletted(width, height, colors);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetIndex(b, x, y, std::uint8_t(3 + (x * xStep + y * 3 + seed) % 27));
    return b;
}

inline Bitmap TrueColor(int width, int height, std::uint32_t fill) {
    Bitmap b(width, height, PixelFormat::Bits24);
    b.fill(fill);
    return b;
}

// One row of indexes, the default standard colours at positions 0 to 7 and plain colours above.
inline Bitmap Row8(const std::vector<std::uint8_t>& indexes) {
    std::vector<std::uint32_t> colors = PlainColors();
    const StandardColorTable standard = DefaultStandardColors();
    for (int k = 0; k < 8; ++k) colors[std::size_t(k)] = std::uint32_t(standard[std::size_t(k)]);
    Bitmap b = Paletted(int(indexes.size()), 1, colors);
    for (std::size_t i = 0; i < indexes.size(); ++i) b.scanLine(0)[i] = indexes[i];
    return b;
}

inline void SetColor24(Bitmap& b, int x, int y, std::uint32_t c) {
    std::uint8_t* p = b.scanLine(y) + 3 * x;
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
}

// What a paint program's lossless reduction gives: one table of the colours used
// (at most 256), the standard colours moved by a distance of 2 and placed last, so
// that Split has to gather them.
inline Bitmap ReduceLosslessly(const Bitmap& combined, const StandardColorTable& standard) {
    std::map<std::uint32_t, int> index;
    for (int y = 0; y < combined.height(); ++y)
        for (int x = 0; x < combined.width(); ++x) index.emplace(combined.colorAt(x, y), 0);
    auto isStandard = [&](std::uint32_t c) {
        for (ColorValue s : standard)
            if (s >= 0 && c == std::uint32_t(s)) return true;
        return false;
    };
    int n = 0;
    for (auto& [c, i] : index)
        if (!isStandard(c)) i = n++;
    for (auto& [c, i] : index)
        if (isStandard(c)) i = n++;
    EXPECT_LE(n, 256);
    std::vector<RgbQuad> table(index.size());
    for (const auto& [c, i] : index) table[std::size_t(i)] = ToQuad(isStandard(c) ? c ^ 0x000101 : c);
    Bitmap reduced(combined.width(), combined.height(), PixelFormat::Bits8);
    reduced.setColorTable(table);
    for (int y = 0; y < combined.height(); ++y)
        for (int x = 0; x < combined.width(); ++x) SetIndex(reduced, x, y, std::uint8_t(index[combined.colorAt(x, y)]));
    return reduced;
}

// Same size and the same colour at every pixel.
inline void ExpectSameColours(const Bitmap& a, const Bitmap& b) {
    ASSERT_EQ(a.width(), b.width());
    ASSERT_EQ(a.height(), b.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) ASSERT_EQ(a.colorAt(x, y), b.colorAt(x, y)) << x << "," << y;
}

}  // namespace vok::test
