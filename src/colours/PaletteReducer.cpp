#include "colours/PaletteReducer.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "colours/NearestColor.h"
#include "colours/WuBoxes.h"
#include "pictures/Color.h"
#include "support/WorkPool.h"

namespace vok {

namespace {

constexpr int kMaxPasses = 12;
constexpr double kEnoughGain = 1e-4;  // stop once a pass gains less than this share of the error

int Brightness(std::uint32_t c) { return 299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c); }

struct Pass {
    double error = 0;
    std::vector<double> weight, r, g, b;
    std::vector<double> pointError;  // count x distance of each colour
};

// `nearest` holds each colour's entry from the pass before (or -1) and receives this pass's.
// The colours are shared out in a fixed number of ranges whose sums are added in order;
// every sum is a whole number well inside a double's exact range, so the result is the
// same on any number of threads.
Pass Assign(const std::vector<WeightedColor>& colors, const std::vector<std::uint32_t>& centres,
            std::vector<int>& nearestOf) {
    constexpr std::size_t kRanges = 32;
    const NearestColor nearest(centres);
    nearestOf.resize(colors.size(), -1);
    std::vector<Pass> parts(kRanges);
    std::vector<double> pointError(colors.size());
    const std::size_t ranges = ParallelRanges(colors.size(), kRanges, [&](std::size_t r, std::size_t first, std::size_t last) {
        Pass& p = parts[r];
        p.weight.assign(centres.size(), 0);
        p.r = p.g = p.b = p.weight;
        for (std::size_t i = first; i < last; ++i) {
            const std::uint32_t c = colors[i].color;
            const int k = nearestOf[i] = nearest.find(c, nearestOf[i]);
            const double w = colors[i].count;
            pointError[i] = w * ColorDistance(ColorValue(c), ColorValue(centres[std::size_t(k)]));
            p.error += pointError[i];
            p.weight[std::size_t(k)] += w;
            p.r[std::size_t(k)] += w * RedOf(c);
            p.g[std::size_t(k)] += w * GreenOf(c);
            p.b[std::size_t(k)] += w * BlueOf(c);
        }
    });
    Pass total;
    total.weight.assign(centres.size(), 0);
    total.r = total.g = total.b = total.weight;
    for (std::size_t r = 0; r < ranges; ++r) {
        total.error += parts[r].error;
        for (std::size_t k = 0; k < centres.size(); ++k) {
            total.weight[k] += parts[r].weight[k];
            total.r[k] += parts[r].r[k];
            total.g[k] += parts[r].g[k];
            total.b[k] += parts[r].b[k];
        }
    }
    total.pointError = std::move(pointError);
    return total;
}

// Palette colours that took no colour, and the places still free, go to the colours
// that are worst served.
void Refill(std::vector<std::uint32_t>& centres, const Pass& pass, const std::vector<WeightedColor>& colors,
            int size) {
    std::vector<std::size_t> spare;
    for (std::size_t k = 0; k < centres.size(); ++k)
        if (pass.weight[k] == 0) spare.push_back(k);
    const std::size_t wanted = spare.size() + std::size_t(size) - centres.size();
    if (wanted == 0) return;
    std::vector<std::size_t> order(colors.size());
    std::iota(order.begin(), order.end(), 0);
    const std::size_t take = std::min(wanted, order.size());
    std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(take), order.end(), [&](std::size_t a, std::size_t b) {
        return pass.pointError[a] != pass.pointError[b] ? pass.pointError[a] > pass.pointError[b] : a < b;
    });
    for (std::size_t i = 0; i < take && pass.pointError[order[i]] > 0; ++i) {
        if (i < spare.size()) centres[spare[i]] = colors[order[i]].color;
        else centres.push_back(colors[order[i]].color);
    }
}

void MoveToMeans(std::vector<std::uint32_t>& centres, const Pass& p) {
    // The rounded mean is the best whole-numbered colour for each channel on its own.
    const auto mean = [](double sum, double w) { return std::uint8_t(std::clamp(std::lround(sum / w), 0L, 255L)); };
    for (std::size_t k = 0; k < centres.size(); ++k)
        if (p.weight[k] > 0) centres[k] = RGB(mean(p.r[k], p.weight[k]), mean(p.g[k], p.weight[k]), mean(p.b[k], p.weight[k]));
}

}  // namespace

std::vector<std::uint32_t> ReducePalette(const std::vector<WeightedColor>& colors, int size) {
    std::vector<std::uint32_t> palette;
    if (size <= 0 || colors.empty()) return palette;
    if (colors.size() <= std::size_t(size)) {
        for (const WeightedColor& c : colors) palette.push_back(c.color & 0xFFFFFF);
    } else {
        palette = WuBoxColors(colors, size);
        double last = -1;
        std::vector<int> nearestOf;
        for (int pass = 0; pass < kMaxPasses; ++pass) {
            const Pass p = Assign(colors, palette, nearestOf);
            if (last >= 0 && last - p.error <= kEnoughGain * last) break;
            last = p.error;
            MoveToMeans(palette, p);
            if (pass == 0 || pass == kMaxPasses / 2) Refill(palette, p, colors, size);
        }
    }
    std::sort(palette.begin(), palette.end(), [](std::uint32_t a, std::uint32_t b) {
        return Brightness(a) != Brightness(b) ? Brightness(a) < Brightness(b) : a < b;
    });
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

double SquaredError(const std::vector<WeightedColor>& colors, const std::vector<std::uint32_t>& palette) {
    std::vector<int> nearestOf;
    return palette.empty() ? 0 : Assign(colors, palette, nearestOf).error;
}

}  // namespace vok
