#include "colours/ColourCounts.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace vok {

namespace {
constexpr std::size_t kColours = std::size_t(1) << 24;
}

void ColourCounts::Free::operator()(std::uint32_t* p) const { std::free(p); }

ColourCounts::ColourCounts() : used_(kColours >> kBlockBits, 0) {
    // calloc rather than a zero-filled vector: the system hands out zero pages lazily,
    // so a picture with few colours touches a few pages of the 64 MB.
    table_.reset(static_cast<std::uint32_t*>(std::calloc(kColours, sizeof(std::uint32_t))));
    if (!table_) throw std::bad_alloc();
}

namespace {

// Runs of one colour are common in frames: each run is counted at once.
template <class CountRun>
void ForEachRun(const std::uint32_t* colors, std::size_t n, CountRun count) {
    std::size_t i = 0;
    while (i < n) {
        const std::uint32_t c = colors[i];
        std::size_t j = i + 1;
        while (j < n && colors[j] == c) ++j;
        count(c, std::uint32_t(j - i));
        i = j;
    }
}

}  // namespace

void ColourCounts::add(const std::uint32_t* colors, std::size_t n) {
    ForEachRun(colors, n, [this](std::uint32_t c, std::uint32_t run) {
        std::uint32_t& counter = table_[c];
        if (counter == 0) used_[c >> kBlockBits] = 1;
        counter += run;
    });
}

void ColourCounts::addConcurrently(const std::uint32_t* colors, std::size_t n) {
    ForEachRun(colors, n, [this](std::uint32_t c, std::uint32_t run) {
        if (std::atomic_ref<std::uint32_t>(table_[c]).fetch_add(run, std::memory_order_relaxed) == 0)
            std::atomic_ref<std::uint8_t>(used_[c >> kBlockBits]).store(1, std::memory_order_relaxed);
    });
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
