#include "colours/ReduceFrames.h"

#include "pcx/PictureFiles.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "colours/Combine.h"
#include "colours/PaletteReducer.h"
#include "pictures/BmpCodec.h"
#include "support/Errors.h"
#include "support/WorkPool.h"
#include "support/ZqSysUtils.h"

namespace vok {

PaletteLayout ReduceLayout(const StandardColorTable& colors, const ColourOptions& options) {
    PaletteLayout layout;
    for (int p = 0; p < 256; ++p) {
        if (colors[p] < 0) continue;
        layout.palette[p] = ToQuad(std::uint32_t(colors[p]) & 0xFFFFFF);
    }
    const IndexTable empty = SpreadTable(colors, 0);
    const int free = int(std::count_if(colors.begin(), colors.end(), [](ColorValue c) { return c < 0; }));
    layout.freePositions.assign(empty.begin(), empty.begin() + free);

    const int last = options.noStandardColors ? (!options.noBackground && colors[0] >= 0 ? 0 : -1) : 255;
    for (int p = last; p >= 0; --p)  // downwards, so the lowest position of a colour wins
        if (colors[p] >= 0) {
            const std::uint32_t c = std::uint32_t(colors[p]) & 0xFFFFFF;
            std::erase_if(layout.special, [c](const auto& s) { return s.first == c; });
            layout.special.emplace_back(c, std::uint8_t(p));
        }
    std::sort(layout.special.begin(), layout.special.end());
    return layout;
}

namespace {

// The colour 0x00BBGGRR of the blue, green and red bytes at p, read as one word with the
// byte after them, turned round and shifted down.
std::uint32_t LoadBgr(const std::uint8_t* p) {
    static_assert(std::endian::native == std::endian::little);
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return __builtin_bswap32(v) >> 8;
}

}  // namespace

void ReadRowColors(const Bitmap& picture, int y, std::uint32_t* out) {
    const std::uint8_t* row = picture.scanLine(y);
    const int width = picture.width();
    switch (picture.pixelFormat()) {
    case PixelFormat::Bits24: {
        // The last pixel is read by its bytes: the row may end right after it.
        int x = 0;
        for (; x + 1 < width; ++x, row += 3) out[x] = LoadBgr(row);
        if (x < width) out[x] = RGB(row[2], row[1], row[0]);
        return;
    }
    case PixelFormat::Bits32:
        for (int x = 0; x < width; ++x, row += 4) out[x] = LoadBgr(row);
        return;
    case PixelFormat::Bits8: {
        std::array<std::uint32_t, 256> table{};  // entries past the colour table are black
        const auto& colors = picture.colorTable();
        for (std::size_t i = 0; i < colors.size() && i < table.size(); ++i) table[i] = ToColor(colors[i]);
        for (int x = 0; x < width; ++x) out[x] = table[row[x]];
        return;
    }
    default:
        for (int x = 0; x < width; ++x) out[x] = picture.colorAt(x, y) & 0xFFFFFF;
    }
}

FrameReducer::FrameReducer(const std::vector<Bitmap>& frames, const StandardColorTable& colors,
                           const ReduceSettings& settings)
    : FrameReducer(frames.size(), HeldFrames(frames), colors, settings) {}

FrameReducer::FrameReducer(std::size_t count, const FrameSource& frame, const StandardColorTable& colors,
                           const ReduceSettings& settings)
    : settings_(settings), layout_(ReduceLayout(colors, settings.options)) {
    std::erase_if(layout_.freePositions, [&](std::uint8_t p) {
        return std::find(settings.reserve.begin(), settings.reserve.end(), p) != settings.reserve.end();
    });
    // The frames are counted side by side; counts add up the same in any order.
    const bool shared = WorkerCount() > 1;
    ParallelFor(count, [&](const WorkItem& item) {
        Bitmap holder;
        const Bitmap& picture = frame(item.index(), holder);
        std::vector<std::uint32_t> row(std::size_t(picture.width()));
        for (int y = 0; y < picture.height(); ++y) {
            ReadRowColors(picture, y, row.data());
            if (shared) positions_.addConcurrently(row.data(), row.size());
            else positions_.add(row.data(), row.size());
        }
    });
    std::vector<WeightedColor> picture = positions_.distinct();
    std::erase_if(picture, [&](const WeightedColor& c) { return specialPosition(c.color) >= 0; });
    if (!picture.empty() && layout_.freePositions.empty())
        throw Exception("The standard colours take all 256 palette positions; none is left for the pictures' own colours");

    reduced_ = ReducePalette(picture, int(layout_.freePositions.size()));
    for (std::size_t k = 0; k < reduced_.size(); ++k) layout_.palette[layout_.freePositions[k]] = ToQuad(reduced_[k]);
    nearest_ = NearestColor(reduced_);
    for (std::size_t k = 0; k < reduced_.size(); ++k) reducedIndex_[layout_.freePositions[k]] = int(k);
    // From here on the table tells each colour of the frames where it goes.
    ParallelRanges(picture.size(), 32, [&](std::size_t, std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) positions_[picture[i].color] = place(picture[i].color);
    });
    for (const auto& [color, position] : layout_.special) positions_[color] = kKnown | kSpecial | position;
}

int FrameReducer::specialPosition(std::uint32_t color) const {
    const auto it = std::lower_bound(layout_.special.begin(), layout_.special.end(), std::make_pair(color, std::uint8_t(0)));
    return it != layout_.special.end() && it->first == color ? it->second : -1;
}

std::uint32_t FrameReducer::place(std::uint32_t color) const {
    if (const int p = specialPosition(color); p >= 0) return kKnown | kSpecial | std::uint32_t(p);
    if (!reduced_.empty()) return kKnown | layout_.freePositions[std::size_t(nearest_.find(color))];
    // Only a frame that changed after its colours were counted can bring a colour here
    // when the palette holds no picture colour: it takes the nearest standard colour as is.
    std::vector<std::uint32_t> standard;
    for (const auto& s : layout_.special) standard.push_back(s.first);
    const int k = NearestColor(standard).find(color);
    return kKnown | kSpecial | (k < 0 ? 0u : layout_.special[std::size_t(k)].second);
}

std::uint32_t FrameReducer::target(std::uint32_t color) const {
    const std::uint32_t t = positions_[color];
    return t & kKnown ? t : place(color);
}

void FrameReducer::reduceRow(const std::uint32_t* colors, int width, std::uint8_t* out) const {
    for (int x = 0; x < width; ++x) out[x] = std::uint8_t(target(colors[x]));
}

// Floyd-Steinberg in sixteenths: 7 to the right, 3, 5 and 1 to the row below. Standard-colour
// pixels keep their position, make no error and take none.
void FrameReducer::ditherRow(const std::uint32_t* colors, int width, std::uint8_t* out, std::vector<int>& here,
                             std::vector<int>& below) const {
    std::fill(below.begin(), below.end(), 0);
    for (int x = 0; x < width; ++x) {
        const std::uint32_t where = target(colors[x]);
        if (where & kSpecial) {
            out[x] = std::uint8_t(where);
            continue;
        }
        int* e = &here[std::size_t(x + 1) * 3];
        int want[3] = {RedOf(colors[x]), GreenOf(colors[x]), BlueOf(colors[x])};
        bool moved = false;
        for (int c = 0; c < 3; ++c) {
            const int v = std::clamp(want[c] + ((e[c] + 8) >> 4), 0, 255);
            moved |= v != want[c];
            want[c] = v;
        }
        // The entry of the colour without its error is near: it bounds the search.
        const std::uint8_t position =
            moved ? layout_.freePositions[std::size_t(nearest_.find(want[0], want[1], want[2], reducedIndex_[where & 0xFF]))]
                  : std::uint8_t(where);
        out[x] = position;
        const RgbQuad got = layout_.palette[position];
        const int error[3] = {want[0] - got.red, want[1] - got.green, want[2] - got.blue};
        int* right = e + 3;
        int* under = &below[std::size_t(x) * 3];  // the pixel below and to the left
        for (int c = 0; c < 3; ++c) {
            right[c] += 7 * error[c];
            under[c] += 3 * error[c];
            under[c + 3] += 5 * error[c];
            under[c + 6] += error[c];
        }
    }
    here.swap(below);
}

Bitmap FrameReducer::reduce(const Bitmap& frame) const {
    // Every pixel is written below; only the row padding needs clearing.
    Bitmap out(0, 0, PixelFormat::Bits8);
    out.setSizeUnfilled(frame.width(), frame.height());
    out.setColorTable(std::vector<RgbQuad>(layout_.palette.begin(), layout_.palette.end()));
    std::vector<std::uint32_t> row(std::size_t(frame.width()));
    std::vector<int> here, below;  // errors, with one pixel of margin on each side
    if (settings_.dither) here.assign(std::size_t(frame.width() + 2) * 3, 0), below = here;
    for (int y = 0; y < frame.height(); ++y) {
        ReadRowColors(frame, y, row.data());
        if (settings_.dither) ditherRow(row.data(), frame.width(), out.scanLine(y), here, below);
        else reduceRow(row.data(), frame.width(), out.scanLine(y));
    }
    out.clearRowPadding();
    return out;
}

std::pair<int, int> ReduceFilesTo(const std::vector<std::string>& files, const std::vector<std::string>& targets,
                   const StandardColorTable& colors, const ReduceSettings& settings, IProgress* progress) {
    // Combine's order, so that two frames of one name end as Split would leave them.
    const std::vector<std::string> sorted = CombineOrder(files);
    std::vector<std::string> sortedTargets;
    std::vector<bool> taken(files.size());
    for (const std::string& file : sorted)
        for (std::size_t k = 0; k < files.size(); ++k)
            if (!taken[k] && files[k] == file) {
                taken[k] = true;
                sortedTargets.push_back(targets[k]);
                break;
            }
    // Every frame is loaded once to count its colours, so that nothing is written unless all
    // load; each is loaded again when it is reduced, so the frames are never all held at once.
    const FrameSource load = [&](std::size_t k, Bitmap& holder) -> const Bitmap& {
        const std::string& file = sorted[k];
        try {
            return holder = LoadPicture(file);
        } catch (const EInvalidGraphic& e) {
            // Among thousands of frames the user needs to know which one.
            if (std::string(e.what()).find('"' + file + '"') != std::string::npos) throw;
            throw EInvalidGraphic("\"" + file + "\": " + e.what());
        }
    };
    const FrameReducer reducer(sorted.size(), load, colors, settings);
    ParallelFor(
        sorted.size(),
        [&](const WorkItem& item) {
            const std::size_t k = item.index();
            Bitmap holder;
            const Bitmap out = reducer.reduce(load(k, holder));
            holder = Bitmap();
            if (item.readyToWrite()) SavePicture(out, sortedTargets[k]);
        },
        progress);
    return {reducer.pictureColors(), reducer.freePositions()};
}

void ReduceFiles(const std::vector<std::string>& files, const std::string& folder, const StandardColorTable& colors,
                 const ReduceSettings& settings, IProgress* progress) {
    const std::string prefix = folder.empty() ? std::string() : IncludeTrailingPathDelimiter(folder);
    std::vector<std::string> targets;
    for (const std::string& file : files) {
        const std::string name = folder.empty() ? file : prefix + ExtractFileName(file);
        targets.push_back(settings.extension.empty() ? name : ChangeFileExt(name, settings.extension));
    }
    ReduceFilesTo(files, targets, colors, settings, progress);
}

}  // namespace vok
