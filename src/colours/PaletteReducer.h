#pragma once
// Reduces many colours to a palette of a few: the box cuts of WuBoxColors as a first
// guess, then passes that move each palette colour to the mean of the colours nearest
// to it (k-means), which lowers the squared error of every pass. The same colours give
// the same palette, whatever order they were counted in.
#include <cstdint>
#include <vector>

#include "colours/ColourCounts.h"

namespace vok {

// At most `size` distinct colours (0x00BBGGRR) for the weighted colours, in ascending
// order of brightness. When there are no more colours than `size`, they are the
// colours themselves.
std::vector<std::uint32_t> ReducePalette(const std::vector<WeightedColor>& colors, int size);

// Sum over the colours of count x ColorDistance to the nearest palette entry.
double SquaredError(const std::vector<WeightedColor>& colors, const std::vector<std::uint32_t>& palette);

}  // namespace vok
