#pragma once
// Combine: frames side by side in one 24-bit picture, aligned at the top, with a
// 200-pixel strip of each standard colour after them, so that one colour
// reduction yields a palette shared by every frame.
#include <functional>
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
// The same for frames that need not all be in memory at once: sizes[k] is frame k's size,
// and frame(k, holder) gives the frame, either one held elsewhere or one it loads into
// `holder`, which is freed as soon as the frame is drawn. A frame of another size than
// sizes[k] stops it with an error.
struct FrameSize {
    int width = 0;
    int height = 0;
};
using FrameSource = std::function<const Bitmap&(std::size_t k, Bitmap& holder)>;
// Frames already in memory as a source; they must outlive it.
FrameSource HeldFrames(const std::vector<Bitmap>& frames);
Bitmap CombinePictures(const std::vector<FrameSize>& sizes, const FrameSource& frame, const StandardColorTable& colors,
                       const ColourOptions& options);

// The chosen files in case-insensitive order of their full names.
std::vector<std::string> CombineOrder(std::vector<std::string> files);

}  // namespace vok
