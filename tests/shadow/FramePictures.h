#pragma once
// Small 8-bit frames for the shadow tests.
#include <cstdint>
#include <string>

#include "pictures/Bitmap.h"

namespace vok::test {

inline Bitmap Frame8(int w, int h, std::uint8_t fill = 0) {
    Bitmap b(w, h, PixelFormat::Bits8);
    std::vector<RgbQuad> colors(256);
    for (int i = 0; i < 256; ++i) colors[i] = RgbQuad{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2), 0};
    b.setColorTable(colors);
    if (fill)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) b.scanLine(y)[x] = fill;
    return b;
}

inline std::uint8_t At(const Bitmap& b, int x, int y) { return b.scanLine(y)[x]; }
inline void Put(Bitmap& b, int x, int y, std::uint8_t v) { b.scanLine(y)[x] = v; }

inline void FillRect(Bitmap& b, int x0, int y0, int x1, int y1, std::uint8_t v) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) Put(b, x, y, v);
}

// A creature-sized frame (450 x 400) with a box figure of the colour standing on row 300.
inline Bitmap BoxFigure(int left, int top, int width, std::uint8_t colour) {
    Bitmap b = Frame8(450, 400);
    FillRect(b, left, top, left + width, 300, colour);
    return b;
}

// Rows of the picture as text, one character per pixel (0-9, then '#').
inline std::string Dump(const Bitmap& b) {
    std::string s;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const int v = At(b, x, y);
            s += v < 10 ? char('0' + v) : '#';
        }
        s += '\n';
    }
    return s;
}

}  // namespace vok::test
