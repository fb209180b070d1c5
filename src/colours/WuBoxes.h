#pragma once
// The first guess of a palette: the colour cube is cut, box by box, where a cut
// removes the most squared error (variance), until there are as many boxes as
// colours wanted or no box can be cut. Each box gives its weighted mean colour.
#include <cstdint>
#include <vector>

#include "colours/ColourCounts.h"

namespace vok {

// At most `size` colours (0x00BBGGRR); fewer when the colours fall into fewer cells
// of the 64-level grid the cuts are made on.
std::vector<std::uint32_t> WuBoxColors(const std::vector<WeightedColor>& colors, int size);

}  // namespace vok
