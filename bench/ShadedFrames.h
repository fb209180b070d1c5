#pragma once
// The reduction benchmarks' frames: 24-bit pictures of a shaded figure of many colours
// on the background colour, with a shadow (body and border) and a selection outline
// in the default standard colours, a little different from frame to frame.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "colours/StandardColors.h"
#include "pictures/Bitmap.h"

namespace vok::bench {

namespace shaded {

struct Ball {
    double x, y, rx, ry;
    double r, g, b;  // base colour
};

inline std::uint32_t Std(int position) { return std::uint32_t(InitialStandardColors[std::size_t(position)]); }

inline void Put(Bitmap& f, int x, int y, std::uint32_t c) {
    std::uint8_t* p = f.scanLine(y) + 3 * x;
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
}

inline std::uint32_t Get(const Bitmap& f, int x, int y) {
    const std::uint8_t* p = f.scanLine(y) + 3 * x;
    return RGB(p[2], p[1], p[0]);
}

}  // namespace shaded

inline Bitmap ShadedFrame(int k, int width = 450, int height = 400) {
    using namespace shaded;
    Bitmap f(width, height, PixelFormat::Bits24);
    f.fill(Std(0));
    const double phase = k * 0.21, cx = width / 2.0, ground = height * 0.82;
    const double hue = (k % 7) * 0.08;
    const Ball balls[] = {
        {cx, ground - 130, 70, 95, 150 + 60 * hue, 90, 40},                                   // body
        {cx + 10 * std::sin(phase), ground - 245, 38, 40, 225, 180, 140},                   // head
        {cx - 75, ground - 140 + 12 * std::sin(phase), 22, 60, 70, 110 + 80 * hue, 170},     // arms
        {cx + 75, ground - 140 - 12 * std::sin(phase), 22, 60, 70, 110 + 80 * hue, 170},
        {cx - 35 + 8 * std::cos(phase), ground - 35, 24, 40, 60, 60, 70},                  // legs
        {cx + 35 - 8 * std::cos(phase), ground - 35, 24, 40, 60, 60, 70},
        {cx + 110, ground - 190 + 20 * std::sin(phase), 12, 90, 200, 200, 215},            // a blade
    };
    // The shadow on the ground: body, then a border of one pixel.
    const double sx = cx + 40, srx = 150, sry = 30;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double d = std::pow((x - sx) / srx, 2) + std::pow((y - ground) / sry, 2);
            if (d < 1) Put(f, x, y, d > 0.93 ? Std(1) : Std(4));
        }
    std::uint32_t noise = 2463534242u + std::uint32_t(k) * 7919u;
    for (const Ball& ball : balls) {
        for (int y = std::max(0, int(ball.y - ball.ry)); y < std::min(height, int(ball.y + ball.ry) + 1); ++y)
            for (int x = std::max(0, int(ball.x - ball.rx)); x < std::min(width, int(ball.x + ball.rx) + 1); ++x) {
                const double nx = (x - ball.x) / ball.rx, ny = (y - ball.y) / ball.ry, d = nx * nx + ny * ny;
                if (d >= 1) continue;
                const double nz = std::sqrt(1 - d);
                const double light = std::max(0.0, -0.45 * nx - 0.55 * ny + 0.7 * nz);
                const double shine = std::pow(std::max(0.0, 2 * nz * light - 0.7), 12) * 160;
                noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
                const double grain = int(noise % 13) - 6;
                const auto channel = [&](double base) {
                    return std::uint8_t(std::clamp(base * (0.2 + 0.85 * light) + shine + grain, 0.0, 255.0));
                };
                Put(f, x, y, RGB(channel(ball.r), channel(ball.g), channel(ball.b)));
            }
    }
    // The selection outline: figure-free pixels next to the figure, over background or shadow.
    const Bitmap before = f;
    const auto figure = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height) return false;
        const std::uint32_t c = Get(before, x, y);
        return c != Std(0) && c != Std(1) && c != Std(4);
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (figure(x, y) || !(figure(x - 1, y) || figure(x + 1, y) || figure(x, y - 1) || figure(x, y + 1))) continue;
            const std::uint32_t under = Get(before, x, y);
            Put(f, x, y, under == Std(4) ? Std(6) : under == Std(1) ? Std(7) : Std(5));
        }
    return f;
}

}  // namespace vok::bench
