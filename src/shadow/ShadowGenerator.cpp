#include "shadow/ShadowGenerator.h"

#include <algorithm>
#include <cstdint>

#include "pictures/QPix.h"
#include "shadow/Selection.h"
#include "shadow/ShadowMask.h"

namespace vok {

TMatrix ShadowMatrix(ShadowKind kind) {
    if (kind == ShadowKind::Creature) return ScaleMatrix(1, 1.0 / 3);
    return MatrixFromPoints({0, 0}, {100, 0}, {0, 100}, {0, 0}, {100, 0}, {-44, 62});
}

void GenerateShadow(Bitmap& frame, int baseLine, ShadowKind kind, bool withSelection) {
    Bitmap mask = TransformMask(frame, ShadowMatrix(kind), {0, 0, frame.width(), baseLine});
    MarkShadowBorder(mask);

    // The mask's bottom row lands on baseLine - 1, its right edge on the frame's.
    const int frameW = frame.width();
    const int maskW = mask.width();
    const int maskH = mask.height();
    const std::int64_t firstRow = std::max<std::int64_t>(0, std::int64_t(baseLine) - maskH);
    const std::int64_t endRow = std::min<std::int64_t>(frame.height(), baseLine);
    const int shift = maskW - frameW;  // mask column of frame column 0
    const int firstCol = std::max(0, -shift);
    const int endCol = std::min(frameW, maskW - shift);
    for (std::int64_t i = firstRow; i < endRow; ++i) {
        std::uint8_t* out = frame.scanLine(int(i));
        const std::uint8_t* in = mask.scanLine(int(i - baseLine + maskH));
        for (int j = firstCol; j < endCol; ++j)
            if (out[j] == ShadowIndex::Background) out[j] = in[j + shift];
    }

    if (withSelection) DrawSelection(frame);
}

int FindBaseLine(Bitmap& picture) {
    TQuickPixels pixels(&picture, true);
    const int w = pixels.Width();
    for (int y = pixels.Height() - 1; y >= 0; --y) {
        if (pixels.BitsPerPixel() == 8) {
            const std::uint8_t* row = pixels.Address(y);
            for (int x = w - 1; x >= 0; --x)
                if (row[x] != 0) return y;
            continue;
        }
        for (int x = w - 1; x >= 0; --x)
            if (pixels.GetPixel(x, y) != 0) return y;
    }
    return pixels.Height();
}

}  // namespace vok
