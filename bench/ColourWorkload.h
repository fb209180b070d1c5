#pragma once
// The colour workflow's benchmark workload: 150 frames of 450 x 400 at 8 bits and
// the combined picture a colour reduction would give back.
#include <cstdint>
#include <vector>

#include "colours/SplitRecord.h"
#include "colours/StandardColors.h"
#include "pictures/Bitmap.h"

namespace vok::bench {

constexpr int kFrames = 150, kFrameWidth = 450, kFrameHeight = 400;

inline std::vector<RgbQuad> FigurePalette(int seed) {
    std::vector<RgbQuad> table;
    for (int i = 0; i < 256; ++i)
        table.push_back(ToQuad(RGB(std::uint8_t(i), std::uint8_t(60 + seed % 50), std::uint8_t(30 + i % 11))));
    return table;
}

inline Bitmap Frame(int k) {
    Bitmap frame(kFrameWidth, kFrameHeight, PixelFormat::Bits8);
    frame.setColorTable(FigurePalette(k));
    std::uint32_t state = 12345u + std::uint32_t(k);
    for (int y = 0; y < kFrameHeight; ++y) {
        std::uint8_t* row = frame.scanLine(y);
        for (int x = 0; x < kFrameWidth; ++x) {
            state = state * 1103515245u + 12345u;
            row[x] = std::uint8_t(state >> 24);
        }
    }
    return frame;
}

inline std::vector<Bitmap> Frames() {
    std::vector<Bitmap> frames;
    for (int k = 0; k < kFrames; ++k) frames.push_back(Frame(k));
    return frames;
}

inline SplitRecord Record() {
    SplitRecord r;
    for (int k = 0; k < kFrames; ++k) {
        r.PartWidths.push_back(kFrameWidth);
        r.PartHeights.push_back(kFrameHeight);
        r.PartNames.push_back("frame" + std::to_string(1000 + k) + ".bmp");
    }
    return r;
}

// A reduced combined picture: 248 figure colours, then the eight default standard
// colours slightly moved, as their strips.
inline Bitmap Reduced() {
    const StandardColorTable s = DefaultStandardColors();
    const int width = kFrames * kFrameWidth + 8 * 200;
    Bitmap b(width, kFrameHeight, PixelFormat::Bits8);
    std::vector<RgbQuad> table = FigurePalette(0);
    for (int k = 0; k < 8; ++k) table[248 + k] = ToQuad(std::uint32_t(s[k]) ^ 0x000101);
    b.setColorTable(table);
    std::uint32_t state = 777;
    for (int y = 0; y < kFrameHeight; ++y) {
        std::uint8_t* row = b.scanLine(y);
        for (int x = 0; x < kFrames * kFrameWidth; ++x) {
            state = state * 1103515245u + 12345u;
            row[x] = std::uint8_t((state >> 24) % 248);
        }
        for (int k = 0; k < 8; ++k)
            for (int x = 0; x < 200; ++x) row[kFrames * kFrameWidth + 200 * k + x] = std::uint8_t(248 + k);
    }
    return b;
}

}  // namespace vok::bench
