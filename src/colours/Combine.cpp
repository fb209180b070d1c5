#include "colours/Combine.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "support/FileNameOrder.h"
#include "support/Errors.h"
#include "support/UnfilledBytes.h"
#include "support/WorkPool.h"

namespace vok {

int CombineStripCount(const StandardColorTable& colors, const ColourOptions& options) {
    if (options.noStandardColors) return !options.noBackground && colors[0] >= 0 ? 1 : 0;
    return int(std::count_if(colors.begin(), colors.end(), [](ColorValue c) { return c >= 0; }));
}

namespace {

// `release`, when given, is `frames` itself: each frame is freed once drawn.
Bitmap Combine(const std::vector<Bitmap>& frames, std::vector<Bitmap>* release, const StandardColorTable& colors,
               const ColourOptions& options) {
    const int strips = CombineStripCount(colors, options);
    std::int64_t width = std::int64_t(kStripWidth) * strips;
    int height = 0;
    for (const Bitmap& frame : frames) {
        width += frame.width();
        height = std::max(height, frame.height());
    }
    // Three bytes a pixel, rows padded to four: keep the row size within an int as well.
    if (width > (INT_MAX - 3) / 3)
        throw Exception("The combined picture would be " + std::to_string(width) +
                        " pixels wide, more than a picture can be");

    // Every pixel is drawn or filled below, so the memory is not cleared first.
    Bitmap combined(0, 0, PixelFormat::Bits24);
    combined.setSizeUnfilled(int(width), height);
    // Frames are drawn a column at a time and freed once drawn: the picture then takes
    // memory as the frames give theirs back.
    if (release) AdviseSmallPages(combined.bits(), combined.byteSize());
    const std::uint32_t fill = colors[0] >= 0 ? std::uint32_t(colors[0]) & 0xFFFFFF : 0;
    // Each frame covers its columns down to its own height; the background shows below it.
    std::vector<int> left(frames.size() + 1, 0);
    for (std::size_t k = 0; k < frames.size(); ++k) left[k + 1] = left[k] + frames[k].width();
    ParallelFor(frames.size(), [&](const WorkItem& item) {
        const Bitmap& frame = frames[item.index()];
        const int x = left[item.index()];
        combined.draw(x, 0, frame);
        combined.fillRect(x, frame.height(), x + frame.width(), height, fill);
        if (release) (*release)[item.index()] = Bitmap();
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

}  // namespace

Bitmap CombinePictures(const std::vector<Bitmap>& frames, const StandardColorTable& colors,
                       const ColourOptions& options) {
    return Combine(frames, nullptr, colors, options);
}

Bitmap CombinePictures(std::vector<Bitmap>&& frames, const StandardColorTable& colors, const ColourOptions& options) {
    Bitmap combined = Combine(frames, &frames, colors, options);
    frames.clear();
    return combined;
}

std::vector<std::string> CombineOrder(std::vector<std::string> files) {
    SortFileNames(files);
    return files;
}

}  // namespace vok
