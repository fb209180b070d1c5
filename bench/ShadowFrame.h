#pragma once
// The shadow benchmarks' frame: 450 x 400 at 8 bits with a rounded figure of many colours
// standing on row 300.
#include <cstdint>
#include <vector>

#include "pictures/Bitmap.h"

namespace vok::bench {

inline Bitmap SampleFrame() {
    Bitmap frame(450, 400, PixelFormat::Bits8);
    frame.setColorTable(std::vector<RgbQuad>(256));
    for (int y = 40; y < 300; ++y)
        for (int x = 120; x < 330; ++x) {
            const double dx = (x - 225) / 105.0, dy = (y - 170) / 130.0;
            if (dx * dx + dy * dy < 1) frame.scanLine(y)[x] = std::uint8_t(9 + (x * 7 + y * 3) % 247);
        }
    return frame;
}

}  // namespace vok::bench
