#include "colours/ColourCounts.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include "support/UnfilledBytes.h"

namespace vok {

namespace {
constexpr std::size_t kColours = std::size_t(1) << 24;
}

void ColourCounts::Free::operator()(std::uint32_t* p) const { FreeLargeBlock(p, kColours * sizeof(std::uint32_t)); }

ColourCounts::ColourCounts() : used_(kColours >> kBlockBits, 0) {
    // Fresh memory from the system reads as zeros, and in huge pages frames with
    // hundreds of thousands of colours fault in a few dozen pages, not thousands.
    table_.reset(static_cast<std::uint32_t*>(AllocateLargeBlock(kColours * sizeof(std::uint32_t))));
}

void ColourCounts::add(const std::uint32_t* colors, std::size_t n) {
    std::size_t i = 0;
    while (i < n) {
        // Runs of one colour are common in frames: count them at once.
        const std::uint32_t c = colors[i];
        std::size_t j = i + 1;
        while (j < n && colors[j] == c) ++j;
        std::uint32_t& counter = table_[c];
        if (counter == 0) used_[c >> kBlockBits] = 1;
        counter += std::uint32_t(j - i);
        i = j;
    }
}

void ColourCounts::addConcurrently(const std::uint32_t* colors, std::size_t n) {
    std::size_t i = 0;
    while (i < n) {
        const std::uint32_t c = colors[i];
        std::size_t j = i + 1;
        while (j < n && colors[j] == c) ++j;
        if (std::atomic_ref<std::uint32_t>(table_[c]).fetch_add(std::uint32_t(j - i), std::memory_order_relaxed) == 0)
            std::atomic_ref<std::uint8_t>(used_[c >> kBlockBits]).store(1, std::memory_order_relaxed);
        i = j;
    }
}

std::vector<WeightedColor> ColourCounts::distinct() const {
    std::vector<WeightedColor> out;
    for (std::size_t block = 0; block < used_.size(); ++block) {
        if (!used_[block]) continue;
        const std::uint32_t first = std::uint32_t(block << kBlockBits);
        for (std::uint32_t c = first; c < first + (1u << kBlockBits); ++c)
            if (table_[c]) out.push_back({c, table_[c]});
    }
    return out;
}

}  // namespace vok
