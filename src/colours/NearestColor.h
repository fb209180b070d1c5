#pragma once
// Finds the palette entry nearest to a colour by ColorDistance, lowest index on a
// tie, without trying every entry: the entries are kept sorted by the sum of their
// channels, and the search stops where that sum alone rules out the entries beyond.
#include <cstdint>
#include <vector>

namespace vok {

class NearestColor {
public:
    // Colours 0x00BBGGRR.
    explicit NearestColor(const std::vector<std::uint32_t>& palette);

    // Index into the palette given to the constructor; -1 for an empty palette. A hint,
    // an entry likely to be near (such as the answer for a similar colour), only makes
    // the search shorter.
    int find(int red, int green, int blue, int hint = -1) const;
    int find(std::uint32_t color, int hint = -1) const {
        return find(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF, hint);
    }

private:
    struct Entry {
        int key;  // red + green + blue
        std::uint32_t color;
        int index;
    };
    std::vector<Entry> entries_;
    std::vector<std::uint32_t> colors_;  // in the palette's order
};

}  // namespace vok
