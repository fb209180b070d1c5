#pragma once
// Combine: frames side by side in one 24-bit picture, aligned at the top, with a
// 200-pixel strip of each standard colour after them, so that one colour
// reduction yields a palette shared by every frame.
#include <string>
#include <vector>

#include "colours/ColourOptions.h"
#include "colours/SplitRecord.h"
#include "colours/StandardColors.h"
#include "pictures/Bitmap.h"

namespace vok {

constexpr int kStripWidth = 200;

// The number of strips: every set position normally; with "No Standard Colors"
// one background strip, unless "No Background" is on or the background is empty.
int CombineStripCount(const StandardColorTable& colors, const ColourOptions& options);

// The combined picture of the frames in the given order. Uncovered parts have the
// background colour (black when position 0 is empty). Raises vok::Exception when
// the picture would be wider than a picture can be.
Bitmap CombinePictures(const std::vector<Bitmap>& frames, const StandardColorTable& colors,
                       const ColourOptions& options);
// The same, releasing each frame once it is drawn: the combined picture's memory is
// taken as it is drawn, so the frames and the picture are not all held at once.
Bitmap CombinePictures(std::vector<Bitmap>&& frames, const StandardColorTable& colors, const ColourOptions& options);

// The chosen files in case-insensitive order of their full names.
std::vector<std::string> CombineOrder(std::vector<std::string> files);

}  // namespace vok
