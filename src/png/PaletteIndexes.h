#pragma once
// The colour table a paletted picture needs for the indexes its pixels hold.
#include <algorithm>
#include <vector>

#include "pictures/Bitmap.h"

namespace vok {

// The highest index a row of a paletted picture uses.
inline int HighestIndex(const Bitmap& picture) {
    const int bits = picture.storageBits();
    int highest = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* row = picture.scanLine(y);
        if (bits == 8) {
            highest = std::max<int>(highest, *std::max_element(row, row + picture.width()));
        } else {
            for (int x = 0; x < picture.width(); ++x) {
                const int shift = 8 - bits - (x * bits) % 8;
                highest = std::max(highest, (row[x * bits / 8] >> shift) & ((1 << bits) - 1));
            }
        }
    }
    return highest;
}

// The picture's colour table, lengthened with black entries when pixels index past it.
inline std::vector<RgbQuad> ColorsForIndexes(const Bitmap& picture) {
    std::vector<RgbQuad> colors = picture.colorTable();
    colors.resize(std::max(colors.size(), std::size_t(HighestIndex(picture)) + 1));
    return colors;
}

}  // namespace vok
