#include "colours/NearestColor.h"

#include <algorithm>

#include "pictures/Color.h"

namespace vok {

NearestColor::NearestColor(const std::vector<std::uint32_t>& palette) {
    // The axis with the widest spread prunes best.
    double best = -1;
    for (int shift : {8, 0, 16}) {
        double sum = 0, sum2 = 0;
        for (std::uint32_t c : palette) {
            const double v = (c >> shift) & 0xFF;
            sum += v;
            sum2 += v * v;
        }
        const double spread = sum2 - (palette.empty() ? 0 : sum * sum / double(palette.size()));
        if (spread > best) {
            best = spread;
            axisShift_ = shift;
        }
    }
    for (std::uint32_t c : palette) colors_.push_back(c & 0xFFFFFF);
    for (std::size_t i = 0; i < palette.size(); ++i)
        entries_.push_back({int((palette[i] >> axisShift_) & 0xFF), palette[i] & 0xFFFFFF, int(i)});
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
}

int NearestColor::find(int red, int green, int blue, int hint) const {
    if (entries_.empty()) return -1;
    const ColorValue color = ColorValue(RGB(std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)));
    const int key = (color >> axisShift_) & 0xFF;
    const auto start = std::lower_bound(entries_.begin(), entries_.end(), key,
                                        [](const Entry& e, int k) { return e.key < k; });
    int bestIndex = -1, bestDistance = 0x7FFFFFFF;
    if (hint >= 0 && std::size_t(hint) < colors_.size()) {
        bestIndex = hint;
        bestDistance = ColorDistance(color, ColorValue(colors_[std::size_t(hint)]));
    }
    const auto consider = [&](const Entry& e) {
        const int d = ColorDistance(color, ColorValue(e.color));
        if (d < bestDistance || (d == bestDistance && e.index < bestIndex)) {
            bestDistance = d;
            bestIndex = e.index;
        }
    };
    // Walk outwards from the key; a side ends where its axis distance alone exceeds the best.
    auto up = start;
    auto down = start;
    bool upOpen = up != entries_.end(), downOpen = down != entries_.begin();
    while (upOpen || downOpen) {
        if (upOpen) {
            const int dk = up->key - key;
            if (dk * dk > bestDistance) {
                upOpen = false;
            } else {
                consider(*up);
                upOpen = ++up != entries_.end();
            }
        }
        if (downOpen) {
            const int dk = key - std::prev(down)->key;
            if (dk * dk > bestDistance) {
                downOpen = false;
            } else {
                consider(*--down);
                downOpen = down != entries_.begin();
            }
        }
    }
    return bestIndex;
}

}  // namespace vok
