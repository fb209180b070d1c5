#include "shadow/Selection.h"

#include "shadow/ShadowMask.h"
#include "support/Check.h"

namespace vok {

namespace {

std::uint8_t OutlineOver(std::uint8_t value) {
    switch (value) {
    case ShadowIndex::Border:
    case ShadowIndex::SelectionOverBorder: return ShadowIndex::SelectionOverBorder;
    case ShadowIndex::Body:
    case ShadowIndex::SelectionOverBody: return ShadowIndex::SelectionOverBody;
    default: return ShadowIndex::SelectionOverBackground;
    }
}

}  // namespace

void DrawSelection(Bitmap& frame) {
    ZQ_ASSERT(frame.pixelFormat() == PixelFormat::Bits8, "Assertion failure");
    const int w = frame.width();
    const int h = frame.height();
    if (w == 0 || h == 0) return;
    const std::ptrdiff_t step = frame.rowStep();
    constexpr auto kLast = ShadowIndex::LastSpecial;
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = frame.scanLine(y);
        for (int x = 0; x < w; ++x) {
            if (row[x] > kLast) continue;
            const bool touches = (x > 0 && row[x - 1] > kLast) || (x + 1 < w && row[x + 1] > kLast) ||
                                 (y > 0 && row[x - step] > kLast) || (y + 1 < h && row[x + step] > kLast);
            if (touches) row[x] = OutlineOver(row[x]);
        }
    }
}

}  // namespace vok
