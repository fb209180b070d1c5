#include "colours/NearestColor.h"

#include <algorithm>

#include "pictures/Color.h"

namespace vok {

namespace {
// The sum of the channels: (dr + dg + db)^2 <= 3 (dr^2 + dg^2 + db^2), so an entry whose sum lies
// farther than that from the colour's cannot be nearer than one at distance d. Shaded colours
// differ most in brightness, which the sum follows.
int KeyOf(std::uint32_t c) { return RedOf(c) + GreenOf(c) + BlueOf(c); }
}  // namespace

NearestColor::NearestColor(const std::vector<std::uint32_t>& palette) {
    for (std::uint32_t c : palette) colors_.push_back(c & 0xFFFFFF);
    for (std::size_t i = 0; i < palette.size(); ++i) entries_.push_back({KeyOf(palette[i]), colors_[i], int(i)});
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
}

int NearestColor::find(int red, int green, int blue, int hint) const {
    if (entries_.empty()) return -1;
    const ColorValue color = ColorValue(RGB(std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)));
    const int key = KeyOf(std::uint32_t(color));
    const auto start = std::lower_bound(entries_.begin(), entries_.end(), key,
                                        [](const Entry& e, int k) { return e.key < k; });
    int bestIndex = -1, bestDistance = 3 * 255 * 255 + 1;  // farther than any colour
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
    // Walk outwards from the key; a side ends where the key alone rules out its entries.
    auto up = start;
    auto down = start;
    bool upOpen = up != entries_.end(), downOpen = down != entries_.begin();
    while (upOpen || downOpen) {
        if (upOpen) {
            const int dk = up->key - key;
            if (dk * dk > 3 * bestDistance) {
                upOpen = false;
            } else {
                consider(*up);
                upOpen = ++up != entries_.end();
            }
        }
        if (downOpen) {
            const int dk = key - std::prev(down)->key;
            if (dk * dk > 3 * bestDistance) {
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
