#include "colours/Split.h"

#include <algorithm>
#include <cstring>

#include "support/Errors.h"

namespace vok {

namespace {

ColorValue ColorOf(const RgbQuad& q) { return ColorValue(ToColor(q)); }

bool Within(ColorValue a, ColorValue b, int tolerance) { return ColorDistance(a, b) <= tolerance * tolerance; }

// The last gathered position of a mode: 255, 0, or none.
int LastGathered(SplitMode mode) {
    switch (mode) {
    case SplitMode::Standard: return 255;
    case SplitMode::SpreadKeepBackground: return 0;
    default: return -1;
    }
}

// A picture of the given size in the same layout and colours as the model.
Bitmap PictureLike(const Bitmap& model, int width, int height) {
    const PixelFormat format = model.storedFormat();
    if (format == PixelFormat::Custom) {
        Bitmap out(width, height, model.customLayout().bitCount == 16 ? PixelFormat::Bits16 : PixelFormat::Bits32);
        out.setCustomLayout(model.customLayout());
        return out;
    }
    Bitmap out(width, height, format);
    out.setColorTable(model.colorTable());
    return out;
}

}  // namespace

SplitMode ChooseSplitMode(const Bitmap& combined, const StandardColorTable& colors, const ColourOptions& options) {
    if (combined.pixelFormat() != PixelFormat::Bits8) return SplitMode::PlainCut;
    if (!options.noStandardColors) return SplitMode::Standard;
    if (!options.noBackground && colors[0] >= 0) return SplitMode::SpreadKeepBackground;
    return SplitMode::Spread;
}

Palette256 FullPalette(const Bitmap& picture) {
    Palette256 palette{};
    const auto& table = picture.colorTable();
    for (std::size_t i = 0; i < table.size() && i < palette.size(); ++i)
        palette[i] = RgbQuad{table[i].blue, table[i].green, table[i].red, 0};
    return palette;
}

void GatherStandardColors(Palette256& palette, const StandardColorTable& colors, int tolerance, int last) {
    for (int k = 0; k <= last; ++k) {
        if (colors[k] < 0) continue;
        const RgbQuad exact = ToQuad(std::uint32_t(colors[k]) & 0xFFFFFF);
        for (int j = 0; j < 256; ++j) {
            const ColorValue pj = ColorOf(palette[j]);
            if (Within(pj, colors[k], tolerance) && !Within(pj, colors[j], tolerance)) {
                palette[j] = palette[k];
                palette[k] = exact;
            }
        }
    }
}

IndexTable SpreadTable(const StandardColorTable& colors, int first) {
    IndexTable m;
    for (int i = 0; i < 256; ++i) m[i] = std::uint8_t(i);
    int q = 0;
    for (int p = first; p < 256; ++p)
        if (colors[p] < 0) m[first + q++] = std::uint8_t(p);
    return m;
}

SplitPalette BuildSplitPalette(const Palette256& reduced, const StandardColorTable& colors, int tolerance,
                               SplitMode mode) {
    SplitPalette result;
    Palette256 p = reduced;
    for (int i = 0; i < 256; ++i) result.remap[i] = std::uint8_t(i);

    const int last = LastGathered(mode);
    if (last >= 0) {
        GatherStandardColors(p, colors, tolerance, last);
        // Each pixel takes the entry nearest to its former colour, an exact one where it exists.
        for (int i = 0; i < 256; ++i) result.remap[i] = std::uint8_t(NearestColorIndex(p.data(), 256, ToColor(reduced[i])));
    }
    if (mode == SplitMode::Spread || mode == SplitMode::SpreadKeepBackground) {
        const int first = last + 1;
        const IndexTable m = SpreadTable(colors, first);
        // m[i] >= i, so going down moves each colour before its new place is read.
        for (int i = 255; i >= first; --i) p[m[i]] = p[i];
        for (int pos = first; pos < 256; ++pos)
            if (colors[pos] >= 0) p[pos] = ToQuad(std::uint32_t(colors[pos]) & 0xFFFFFF);
        for (auto& r : result.remap) r = m[r];
    }
    result.palette = p;
    return result;
}

void CheckCombinedSize(const Bitmap& combined, const SplitRecord& record, const std::string& fileName) {
    std::int64_t width = 0;
    std::int32_t height = 0;
    for (std::size_t k = 0; k < record.size(); ++k) {
        width += record.PartWidths[k];
        height = std::max(height, record.PartHeights[k]);
    }
    if (width > combined.width() || height > combined.height())
        throw Exception("The picture \"" + fileName + "\" has " + std::to_string(combined.width()) + " x " +
                        std::to_string(combined.height()) + " pixels, too few for the frames it was combined from (" +
                        std::to_string(width) + " x " + std::to_string(height) + ")");
}

Bitmap CutFrame(const Bitmap& combined, int x, int width, int height, const SplitPalette* palette) {
    if (!palette) {
        Bitmap out = PictureLike(combined, width, height);
        out.copyFrom(combined, x, 0);
        return out;
    }
    Bitmap out(width, height, PixelFormat::Bits8);
    out.setColorTable(std::vector<RgbQuad>(palette->palette.begin(), palette->palette.end()));
    // Row by row: one table look-up a pixel.
    const IndexTable& remap = palette->remap;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = combined.scanLine(y) + x;
        std::uint8_t* to = out.scanLine(y);
        for (int c = 0; c < width; ++c) to[c] = remap[from[c]];
    }
    return out;
}

}  // namespace vok
