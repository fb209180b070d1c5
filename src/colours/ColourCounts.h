#pragma once
// How often each 24-bit colour occurs in a set of pictures: one counter per colour
// value, so counting a pixel is one memory access. The table is reserved, not filled:
// only the pages of colours that occur take memory.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vok {

// A colour 0x00BBGGRR and how many pixels have it.
struct WeightedColor {
    std::uint32_t color = 0;
    std::uint32_t count = 0;
};

class ColourCounts {
public:
    ColourCounts();

    // Counts a row of colours (0x00BBGGRR; higher bits must be clear).
    void add(const std::uint32_t* colors, std::size_t n);
    // The same, safe to call from several threads at once (the counts add up the same).
    void addConcurrently(const std::uint32_t* colors, std::size_t n);

    // The counter of one colour; after the counting the table may hold anything the
    // caller wants to find by colour.
    std::uint32_t& operator[](std::uint32_t color) { return table_[color]; }
    std::uint32_t operator[](std::uint32_t color) const { return table_[color]; }

    // Every colour counted at least once, in ascending order of its value.
    std::vector<WeightedColor> distinct() const;

private:
    static constexpr int kBlockBits = 12;  // colours a block of the `used_` map stands for
    struct Free {
        void operator()(std::uint32_t* p) const;
    };
    std::unique_ptr<std::uint32_t[], Free> table_;
    std::vector<std::uint8_t> used_;  // blocks holding a counted colour
};

}  // namespace vok
