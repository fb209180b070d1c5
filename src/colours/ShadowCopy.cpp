#include "colours/ShadowCopy.h"

#include <algorithm>
#include <utility>

#include "pictures/QPix.h"
#include "support/Errors.h"

namespace vok {

namespace {

bool Is8Bit(const TQuickPixels& q) { return q.BitsPerPixel() == 8; }

// The set positions from `first` on, in ascending order, as colour values.
std::vector<std::pair<std::uint32_t, int>> SetColorsFrom(const StandardColorTable& colors, int first) {
    std::vector<std::pair<std::uint32_t, int>> result;
    for (int k = first; k < 256; ++k)
        if (colors[k] >= 0) result.emplace_back(std::uint32_t(colors[k]), k);
    return result;
}

// The first position whose colour equals c, or -1.
int PositionOf(const std::vector<std::pair<std::uint32_t, int>>& set, std::uint32_t c) {
    for (const auto& [color, k] : set)
        if (color == c) return k;
    return -1;
}

void CopyByPosition(TQuickPixels& t, TQuickPixels& q, TQuickPixels& t0, const StandardColorTable& colors,
                    const ShadowCopySettings& s, int m0) {
    const int w = t.Width(), h = t.Height();
    // A shift of the whole width or more leaves no column to work on.
    const int dx = std::clamp(s.dx, -w, w), dy = std::clamp(s.dy, -h, h);
    for (int y = std::max(dy, 0); y <= std::min(dy, 0) + h - 1; ++y)
        for (int x = std::max(dx, 0); x <= std::min(dx, 0) + w - 1; ++x) {
            const std::uint32_t m = q.GetPixel(x, y);
            const std::uint32_t own = t0.GetPixel(x - dx, y - dy);
            if (colors[m] >= 0 && int(m) >= m0 && (s.overwrite || own == 0)) t.SetPixel(x, y, m);
            else t.SetPixel(x, y, own);
        }
}

}  // namespace

void DeleteShadows(Bitmap& picture, const StandardColorTable& colors) {
    TQuickPixels p(&picture);
    const int w = p.Width(), h = p.Height();
    if (Is8Bit(p)) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint32_t i = p.GetPixel(x, y);
                if (i != 0 && colors[i] >= 0) p.SetPixel(x, y, 0);
            }
        return;
    }
    const auto special = SetColorsFrom(colors, 1);
    const std::uint32_t background = colors[0] >= 0 ? std::uint32_t(colors[0]) : 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (PositionOf(special, p.GetColor(x, y)) >= 0) p.SetColor(x, y, background);
}

void CheckCopySource(const Bitmap& target, const Bitmap& source, const std::string& targetName,
                     const std::string& sourceName) {
    if (source.width() >= target.width() && source.height() >= target.height()) return;
    const auto quoted = [](const std::string& name) { return name.empty() ? name : " \"" + name + "\""; };
    throw Exception("The source picture" + quoted(sourceName) + " is smaller than its target" + quoted(targetName));
}

void CopyShadows(Bitmap& target, const Bitmap& source, const StandardColorTable& colors,
                 const ShadowCopySettings& settings) {
    CheckCopySource(target, source);
    // The accessor writes nothing through its source; a copy keeps the source const.
    Bitmap sourceCopy = source;
    TQuickPixels q(&sourceCopy);
    TQuickPixels t(&target);
    const int m0 = settings.copyBackground ? 0 : 1;
    const int w = t.Width(), h = t.Height();
    const std::uint32_t background = std::uint32_t(colors[0]);  // never equal to a colour when empty

    if (Is8Bit(q) && Is8Bit(t)) {
        Bitmap original = target;  // the target as loaded, read at the shifted places
        TQuickPixels t0(&original);
        CopyByPosition(t, q, t0, colors, settings, m0);
    } else if (Is8Bit(q)) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint32_t m = q.GetPixel(x, y);
                if (colors[m] >= 0 && int(m) >= m0 && (settings.overwrite || t.GetColor(x, y) == background))
                    t.SetColor(x, y, q.GetColor(x, y));
            }
    } else {
        const auto special = SetColorsFrom(colors, m0);
        const bool toPositions = Is8Bit(t);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool free = settings.overwrite || (toPositions ? t.GetPixel(x, y) == 0
                                                                     : t.GetColor(x, y) == background);
                if (!free) continue;
                const std::uint32_t c = q.GetColor(x, y);
                const int k = PositionOf(special, c);
                if (k < 0) continue;
                if (toPositions) t.SetPixel(x, y, std::uint32_t(k));
                else t.SetColor(x, y, c);
            }
    }
}

}  // namespace vok
