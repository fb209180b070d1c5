#include "shadow/ShadowMask.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "support/Check.h"

namespace vok {

namespace {

bool IsDib8(const Bitmap& b) { return b.pixelFormat() == PixelFormat::Bits8; }

// A fresh 8-bit picture with the source's colours for the mask of rect; a size
// of 0 or less falls back to the rectangle's own.
Bitmap NewMaskPicture(const Bitmap& source, const TIntRect& rect, int width, int height) {
    ZQ_ASSERT_AT(IsDib8(source) && rect.Left < rect.Right && rect.Top < rect.Bottom, "Assertion failure",
                 "Unit3.cpp", 247);
    if (width <= 0) width = rect.Right - rect.Left;
    if (height <= 0) height = rect.Bottom - rect.Top;
    Bitmap mask(width, height, PixelFormat::Bits8);
    mask.setColorTable(source.colorTable());
    return mask;
}

int RoundHalfEven(double v) { return int(std::nearbyint(v)); }

// floor() for the weights, which may come out negative just left of the picture.
inline int FloorInt(double v) {
    const int i = int(v);
    return i > v ? i - 1 : i;
}

}  // namespace

Bitmap TransformMask(const Bitmap& source, const TMatrix& m, TIntRect rect) {
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    rect.Right = std::min(rect.Right, source.width());
    rect.Bottom = std::min(rect.Bottom, source.height());
    ZQ_ASSERT_AT(IsDib8(source) && rect.Left < rect.Right && rect.Top < rect.Bottom, "Assertion failure",
                 "Unit3.cpp", 398);

    // Into picture coordinates (y down): conjugate by the flip of the y axis.
    TMatrix t{m.m11, -m.m12, -m.m21, m.m22};

    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (int cy : {rect.Top, rect.Bottom}) {
        for (int cx : {rect.Left, rect.Right}) {
            const int x = RoundHalfEven(t.m11 * cx + t.m12 * cy);
            const int y = RoundHalfEven(t.m21 * cx + t.m22 * cy);
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }

    InvertMatrix(t);
    const TMatrix& n = t;
    Bitmap mask = NewMaskPicture(source, rect, maxX - minX, maxY - minY);

    const int srcW = source.width();
    const int srcH = source.height();
    const std::uint8_t* srcRow0 = source.row0();
    const std::ptrdiff_t srcStep = source.rowStep();
    // Whether the source pixel of greatest quantised bilinear weight around the
    // shifted source point (sx + 1, sy + 1) is a figure pixel. Neighbours off
    // the picture weigh nothing and count as background.
    auto SampleFigure = [&](double shiftedX, double shiftedY) {
        if (!(shiftedX > double(INT_MIN) && shiftedX < double(INT_MAX) && shiftedY > double(INT_MIN) &&
              shiftedY < double(INT_MAX)))
            return false;
        const int ix = int(shiftedX);  // toward zero
        const int iy = int(shiftedY);
        if (ix < rect.Left || ix > rect.Right || iy < rect.Top || iy > rect.Bottom) return false;
        const double fx = shiftedX - ix;
        const double fy = shiftedY - iy;
        // Neighbours P0..P3: (ix-1, iy-1), (ix, iy-1), (ix-1, iy), (ix, iy).
        const bool leftIn = ix - 1 >= 0 && ix - 1 < srcW;
        const bool rightIn = ix >= 0 && ix < srcW;
        const bool topIn = iy - 1 >= 0 && iy - 1 < srcH;
        const bool bottomIn = iy >= 0 && iy < srcH;
        const bool inside[4] = {leftIn && topIn, rightIn && topIn, leftIn && bottomIn, rightIn && bottomIn};
        const int w[4] = {
            inside[0] ? FloorInt((1 - fx) * (1 - fy) * 256) : 0,
            inside[1] ? FloorInt((1 - fy) * fx * 256) : 0,
            inside[2] ? FloorInt((1 - fx) * fy * 256) : 0,
            inside[3] ? FloorInt(fx * fy * 256) : 0,
        };
        int pick = 0;
        for (int k = 1; k < 4; ++k)
            if (w[k] > w[pick]) pick = k;
        if (!inside[pick]) return false;
        const int px = ix - 1 + (pick & 1);
        const int py = iy - 1 + (pick >> 1);
        return srcRow0[std::ptrdiff_t(py) * srcStep + px] > ShadowIndex::LastSpecial;
    };

    // Both shadow projections keep rows level (N21 = 0): the source row and its
    // weight are then the same along a mask row, and only the columns vary.
    auto sampleLevelRow = [&](std::uint8_t* out, double rowX, double shiftedY) {
        const int width = mask.width();
        if (!(shiftedY > double(INT_MIN) && shiftedY < double(INT_MAX))) {
            std::fill_n(out, width, 0);
            return;
        }
        const int iy = int(shiftedY);
        if (iy < rect.Top || iy > rect.Bottom) {
            std::fill_n(out, width, 0);
            return;
        }
        const double fy = shiftedY - iy;
        const bool topIn = iy - 1 >= 0 && iy - 1 < srcH;
        const bool bottomIn = iy >= 0 && iy < srcH;
        const std::uint8_t* top = topIn ? srcRow0 + std::ptrdiff_t(iy - 1) * srcStep : nullptr;
        const std::uint8_t* bottom = bottomIn ? srcRow0 + std::ptrdiff_t(iy) * srcStep : nullptr;
        for (int x = 0; x < width; ++x) {
            const double cx = x + minX + 0.5;
            const double shiftedX = cx * n.m11 + rowX - 0.5 + 1;
            std::uint8_t value = ShadowIndex::Background;
            if (shiftedX > double(INT_MIN) && shiftedX < double(INT_MAX)) {
                const int ix = int(shiftedX);
                if (ix >= rect.Left && ix <= rect.Right) {
                    const double fx = shiftedX - ix;
                    const bool leftIn = ix - 1 >= 0 && ix - 1 < srcW;
                    const bool rightIn = ix >= 0 && ix < srcW;
                    const int w0 = leftIn && topIn ? FloorInt((1 - fx) * (1 - fy) * 256) : 0;
                    const int w1 = rightIn && topIn ? FloorInt((1 - fy) * fx * 256) : 0;
                    const int w2 = leftIn && bottomIn ? FloorInt((1 - fx) * fy * 256) : 0;
                    const int w3 = rightIn && bottomIn ? FloorInt(fx * fy * 256) : 0;
                    const std::uint8_t* row = top;
                    int px = ix - 1, best = w0;
                    bool in = leftIn && topIn;
                    if (w1 > best) best = w1, px = ix, in = true;
                    if (w2 > best) best = w2, px = ix - 1, row = bottom, in = true;
                    if (w3 > best) px = ix, row = bottom, in = true;
                    if (in && row[px] > ShadowIndex::LastSpecial) value = ShadowIndex::Body;
                }
            }
            out[x] = value;
        }
    };

    for (int y = 0; y < mask.height(); ++y) {
        std::uint8_t* out = mask.scanLine(y);
        const double cy = y + minY + 0.5;
        const double rowX = cy * n.m12;
        const double rowY = cy * n.m22;
        if (n.m21 == 0) {
            sampleLevelRow(out, rowX, rowY - 0.5 + 1);
            continue;
        }
        for (int x = 0; x < mask.width(); ++x) {
            const double cx = x + minX + 0.5;
            const double shiftedX = cx * n.m11 + rowX - 0.5 + 1;
            const double shiftedY = cx * n.m21 + rowY - 0.5 + 1;
            out[x] = SampleFigure(shiftedX, shiftedY) ? ShadowIndex::Body : ShadowIndex::Background;
        }
    }
    return mask;
}

void MarkShadowBorder(Bitmap& mask) {
    const int w = mask.width();
    const int h = mask.height();
    if (w == 0 || h == 0) return;
    const std::ptrdiff_t step = mask.rowStep();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = mask.scanLine(y);
        for (int x = 0; x < w; ++x) {
            if (row[x] != ShadowIndex::Body) continue;
            const bool touches = (x > 0 && row[x - 1] == ShadowIndex::Background) ||
                                 (x + 1 < w && row[x + 1] == ShadowIndex::Background) ||
                                 (y > 0 && row[x - step] == ShadowIndex::Background) ||
                                 (y + 1 < h && row[x + step] == ShadowIndex::Background);
            if (touches) row[x] = ShadowIndex::Border;
        }
    }
}

}  // namespace vok
