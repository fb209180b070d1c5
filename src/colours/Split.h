#pragma once
// Split: cuts the reduced combined picture back into the frames Combine placed and
// puts the standard colours at their own palette positions on the way.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "colours/ColourOptions.h"
#include "colours/SplitRecord.h"
#include "colours/StandardColors.h"
#include "pictures/Bitmap.h"

namespace vok {

constexpr int kMaxTolerance = 444;

enum class SplitMode {
    PlainCut,        // the combined picture is not 8-bit: cut it as it is
    Standard,        // gather every standard colour to its position
    SpreadKeepBackground,  // gather the background only, spread the rest over the free positions
    Spread,          // spread every reduced colour over the free positions
};

SplitMode ChooseSplitMode(const Bitmap& combined, const StandardColorTable& colors, const ColourOptions& options);

using Palette256 = std::array<RgbQuad, 256>;
using IndexTable = std::array<std::uint8_t, 256>;

// The picture's colour table as 256 entries; missing entries are black.
Palette256 FullPalette(const Bitmap& picture);

// Brings every palette colour within the tolerance of S[k] (k from 0 to last) to
// position k with the exact standard colour, unless it already lies within the
// tolerance of the colour its own position stands for (black for an empty one).
void GatherStandardColors(Palette256& palette, const StandardColorTable& colors, int tolerance, int last);

// The remap table M of the spread modes: reduced colour f + q goes to the q-th
// empty position from f on; the other entries stay where they are.
IndexTable SpreadTable(const StandardColorTable& colors, int first);

// The frames' palette and where each index of the combined picture goes.
struct SplitPalette {
    Palette256 palette{};
    IndexTable remap{};
};
// For the Standard and spread modes.
SplitPalette BuildSplitPalette(const Palette256& reduced, const StandardColorTable& colors, int tolerance,
                               SplitMode mode);

// Raises vok::Exception when the combined picture is narrower than the frames
// together or lower than the tallest of them.
void CheckCombinedSize(const Bitmap& combined, const SplitRecord& record, const std::string& fileName);

// The frame at column x: 8-bit through the split palette, or, without one, a
// plain copy in the combined picture's own format.
Bitmap CutFrame(const Bitmap& combined, int x, int width, int height, const SplitPalette* palette);

}  // namespace vok
