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

// The two source rows around a shifted source row position and the fraction
// between them. A row off the picture is null and not "in"; no rows at all
// (valid false) when the position lies outside the rectangle.
struct SourceRows {
    const std::uint8_t* top = nullptr;
    const std::uint8_t* bottom = nullptr;
    double fy = 0;
    bool valid = false;
    bool topIn = false;
    bool bottomIn = false;
};

// Picks, around a shifted source point (sx + 1, sy + 1), the source pixel of
// greatest quantised bilinear weight and tells whether it is a figure pixel.
// Neighbours off the picture weigh nothing and count as background.
class FigureSampler {
public:
    FigureSampler(const Bitmap& source, const TIntRect& rect)
        : rect_(rect), width_(source.width()), height_(source.height()), row0_(source.row0()),
          step_(source.rowStep()) {}

    SourceRows RowsAt(double shiftedY) const {
        SourceRows rows;
        if (!(shiftedY > double(INT_MIN) && shiftedY < double(INT_MAX))) return rows;
        const int iy = int(shiftedY);  // toward zero
        if (iy < rect_.Top || iy > rect_.Bottom) return rows;
        rows.fy = shiftedY - iy;
        rows.topIn = iy - 1 >= 0 && iy - 1 < height_;
        rows.bottomIn = iy >= 0 && iy < height_;
        if (rows.topIn) rows.top = row0_ + std::ptrdiff_t(iy - 1) * step_;
        if (rows.bottomIn) rows.bottom = row0_ + std::ptrdiff_t(iy) * step_;
        rows.valid = true;
        return rows;
    }

    // For valid rows only. Neighbours: (ix-1, top), (ix, top), (ix-1, bottom),
    // (ix, bottom); the first of the greatest weight wins.
    // Inlined: it runs once for every mask pixel.
    [[gnu::always_inline]] bool FigureAt(SourceRows rows, double shiftedX) const {
        if (!(shiftedX > double(INT_MIN) && shiftedX < double(INT_MAX))) return false;
        const int ix = int(shiftedX);
        if (ix < rect_.Left || ix > rect_.Right) return false;
        const double fx = shiftedX - ix;
        const double fy = rows.fy;
        const bool leftIn = ix - 1 >= 0 && ix - 1 < width_;
        const bool rightIn = ix >= 0 && ix < width_;
        const bool topIn = rows.topIn;
        const bool bottomIn = rows.bottomIn;
        const int w0 = leftIn && topIn ? FloorInt((1 - fx) * (1 - fy) * 256) : 0;
        const int w1 = rightIn && topIn ? FloorInt((1 - fy) * fx * 256) : 0;
        const int w2 = leftIn && bottomIn ? FloorInt((1 - fx) * fy * 256) : 0;
        const int w3 = rightIn && bottomIn ? FloorInt(fx * fy * 256) : 0;
        // A weight above another is above 0, so its neighbour is on the picture.
        const std::uint8_t* row = rows.top;
        int px = ix - 1, best = w0;
        bool in = leftIn && topIn;
        if (w1 > best) best = w1, px = ix, in = true;
        if (w2 > best) best = w2, px = ix - 1, row = rows.bottom, in = true;
        if (w3 > best) px = ix, row = rows.bottom, in = true;
        return in && row[px] > ShadowIndex::LastSpecial;
    }

private:
    TIntRect rect_;
    int width_, height_;
    const std::uint8_t* row0_;
    std::ptrdiff_t step_;
};

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
    const FigureSampler sampler(source, rect);
    // Both shadow projections keep rows level (N21 = 0): the source rows and
    // their weight are then the same along a mask row, and only the columns vary.
    const bool level = n.m21 == 0;
    const int width = mask.width();

    for (int y = 0; y < mask.height(); ++y) {
        std::uint8_t* out = mask.scanLine(y);
        const double cy = y + minY + 0.5;
        const double rowX = cy * n.m12;
        const double rowY = cy * n.m22;
        if (level) {
            const SourceRows rows = sampler.RowsAt(rowY - 0.5 + 1);
            if (!rows.valid) {
                std::fill_n(out, width, ShadowIndex::Background);
                continue;
            }
            for (int x = 0; x < width; ++x) {
                const double cx = x + minX + 0.5;
                const bool figure = sampler.FigureAt(rows, cx * n.m11 + rowX - 0.5 + 1);
                out[x] = figure ? ShadowIndex::Body : ShadowIndex::Background;
            }
            continue;
        }
        for (int x = 0; x < width; ++x) {
            const double cx = x + minX + 0.5;
            const SourceRows rows = sampler.RowsAt(cx * n.m21 + rowY - 0.5 + 1);
            out[x] = rows.valid && sampler.FigureAt(rows, cx * n.m11 + rowX - 0.5 + 1) ? ShadowIndex::Body
                                                                                      : ShadowIndex::Background;
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
