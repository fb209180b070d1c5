#include "colours/Combine.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "support/FileNameOrder.h"
#include "support/Errors.h"
#include "support/WorkPool.h"

namespace vok {

int CombineStripCount(const StandardColorTable& colors, const ColourOptions& options) {
    if (options.noStandardColors) return !options.noBackground && colors[0] >= 0 ? 1 : 0;
    return int(std::count_if(colors.begin(), colors.end(), [](ColorValue c) { return c >= 0; }));
}

namespace {

std::vector<FrameSize> SizesOf(const std::vector<Bitmap>& frames) {
    std::vector<FrameSize> sizes;
    for (const Bitmap& f : frames) sizes.push_back({f.width(), f.height()});
    return sizes;
}

}  // namespace

// Draws frame k, of the size sizes[k], where the layout puts it. `frame(k, holder)` gives
// the frame: one already in memory, or one it loads into `holder`, freed once drawn.
Bitmap CombinePictures(const std::vector<FrameSize>& sizes, const FrameSource& frame, const StandardColorTable& colors,
                       const ColourOptions& options) {
    const int strips = CombineStripCount(colors, options);
    std::int64_t width = std::int64_t(kStripWidth) * strips;
    int height = 0;
    for (const FrameSize& size : sizes) {
        width += size.width;
        height = std::max(height, size.height);
    }
    // Three bytes a pixel, rows padded to four: keep the row size within an int as well.
    if (width > (INT_MAX - 3) / 3)
        throw Exception("The combined picture would be " + std::to_string(width) +
                        " pixels wide, more than a picture can be");

    // Every pixel is drawn or filled below, so the memory is not cleared first.
    Bitmap combined(0, 0, PixelFormat::Bits24);
    combined.setSizeUnfilled(int(width), height);
    const std::uint32_t fill = colors[0] >= 0 ? std::uint32_t(colors[0]) & 0xFFFFFF : 0;
    // Each frame covers its columns down to its own height; the background shows below it.
    std::vector<int> left(sizes.size() + 1, 0);
    for (std::size_t k = 0; k < sizes.size(); ++k) left[k + 1] = left[k] + sizes[k].width;
    ParallelFor(sizes.size(), [&](const WorkItem& item) {
        const std::size_t k = item.index();
        Bitmap holder;
        const Bitmap& picture = frame(k, holder);
        if (picture.width() != sizes[k].width || picture.height() != sizes[k].height)
            throw Exception("A frame changed its size while the frames were combined");
        const int x = left[k];
        combined.draw(x, 0, picture);
        combined.fillRect(x, picture.height(), x + picture.width(), height, fill);
    });
    int x = left.back();
    if (!options.noStandardColors) {
        for (ColorValue c : colors) {
            if (c < 0) continue;
            combined.fillRect(x, 0, x + kStripWidth, height, std::uint32_t(c) & 0xFFFFFF);
            x += kStripWidth;
        }
    } else if (strips == 1) {
        combined.fillRect(x, 0, x + kStripWidth, height, fill);
    }
    combined.clearRowPadding();
    return combined;
}

Bitmap CombinePictures(const std::vector<Bitmap>& frames, const StandardColorTable& colors,
                       const ColourOptions& options) {
    return CombinePictures(SizesOf(frames), HeldFrames(frames), colors, options);
}

FrameSource HeldFrames(const std::vector<Bitmap>& frames) {
    return [&frames](std::size_t k, Bitmap&) -> const Bitmap& { return frames[k]; };
}

std::vector<std::string> CombineOrder(std::vector<std::string> files) {
    SortFileNames(files);
    return files;
}

}  // namespace vok
