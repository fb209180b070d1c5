#include "colours/WuBoxes.h"

#include <array>
#include <cmath>

#include "pictures/Color.h"

namespace vok {

namespace {

constexpr int kBits = 6;                    // grid levels per channel: 64
constexpr int kSide = (1 << kBits) + 1;     // plus the zero plane the sums start from
constexpr int kCells = kSide * kSide * kSide;

int Cell(int r, int g, int b) { return (r * kSide + g) * kSide + b; }

// Cumulative moments: each cell holds the sums over the whole box from the origin to it.
struct Moments {
    std::vector<std::int64_t> w, r, g, b;
    std::vector<double> sq;  // sum of squared lengths
    Moments() : w(kCells), r(kCells), g(kCells), b(kCells), sq(kCells) {}
};

// A box of grid cells: (lo, hi] on each channel.
struct Box {
    std::array<int, 3> lo{}, hi{};
    int volume() const { return (hi[0] - lo[0]) * (hi[1] - lo[1]) * (hi[2] - lo[2]); }
};

template <typename T>
T Sum(const Box& x, const std::vector<T>& m) {
    const auto& lo = x.lo;
    const auto& hi = x.hi;
    return m[Cell(hi[0], hi[1], hi[2])] - m[Cell(hi[0], hi[1], lo[2])] - m[Cell(hi[0], lo[1], hi[2])] +
           m[Cell(hi[0], lo[1], lo[2])] - m[Cell(lo[0], hi[1], hi[2])] + m[Cell(lo[0], hi[1], lo[2])] +
           m[Cell(lo[0], lo[1], hi[2])] - m[Cell(lo[0], lo[1], lo[2])];
}

struct Totals {
    std::int64_t w = 0, r = 0, g = 0, b = 0;
    Totals operator-(const Totals& o) const { return {w - o.w, r - o.r, g - o.g, b - o.b}; }
    // Sum of squares of the mean's coordinates times the weight: what a box keeps of the squares.
    double kept() const { return w ? (double(r) * r + double(g) * g + double(b) * b) / double(w) : 0; }
};

Totals BoxTotals(const Box& x, const Moments& m) { return {Sum(x, m.w), Sum(x, m.r), Sum(x, m.g), Sum(x, m.b)}; }

double Variance(const Box& x, const Moments& m) { return Sum(x, m.sq) - BoxTotals(x, m).kept(); }

Moments Accumulate(const std::vector<WeightedColor>& colors) {
    Moments m;
    constexpr int shift = 8 - kBits;
    for (const WeightedColor& c : colors) {
        const int r = c.color & 0xFF, g = (c.color >> 8) & 0xFF, b = (c.color >> 16) & 0xFF;
        const int i = Cell((r >> shift) + 1, (g >> shift) + 1, (b >> shift) + 1);
        const std::int64_t w = c.count;
        m.w[i] += w;
        m.r[i] += w * r;
        m.g[i] += w * g;
        m.b[i] += w * b;
        m.sq[i] += double(w) * (r * r + g * g + b * b);
    }
    // Running sums along each axis in turn make every cell the sum of its lower box.
    for (int axis = 0; axis < 3; ++axis) {
        const int step = axis == 0 ? kSide * kSide : axis == 1 ? kSide : 1;
        for (int i = 0; i < kCells; ++i) {
            const int coordinate = (i / step) % kSide;
            if (coordinate == 0) continue;
            m.w[i] += m.w[i - step];
            m.r[i] += m.r[i - step];
            m.g[i] += m.g[i - step];
            m.b[i] += m.b[i - step];
            m.sq[i] += m.sq[i - step];
        }
    }
    return m;
}

struct CutChoice {
    double score = -1;
    int axis = -1, at = -1;
};

// The best cut of x: the one whose two halves keep the most of the squares.
CutChoice BestCut(const Box& x, const Moments& m) {
    const Totals whole = BoxTotals(x, m);
    CutChoice best;
    for (int axis = 0; axis < 3; ++axis) {
        for (int at = x.lo[axis] + 1; at < x.hi[axis]; ++at) {
            Box lower = x;
            lower.hi[axis] = at;
            const Totals low = BoxTotals(lower, m);
            const Totals high = whole - low;
            if (low.w == 0 || high.w == 0) continue;
            const double score = low.kept() + high.kept();
            if (score > best.score) best = {score, axis, at};
        }
    }
    return best;
}

}  // namespace

std::vector<std::uint32_t> WuBoxColors(const std::vector<WeightedColor>& colors, int size) {
    std::vector<std::uint32_t> out;
    if (colors.empty() || size <= 0) return out;
    const Moments m = Accumulate(colors);
    std::vector<Box> boxes{Box{{0, 0, 0}, {kSide - 1, kSide - 1, kSide - 1}}};
    std::vector<double> variance{Variance(boxes[0], m)};
    while (int(boxes.size()) < size) {
        // Cut the box with the most error; a box that cannot be cut drops out.
        std::size_t next = 0;
        for (std::size_t i = 1; i < boxes.size(); ++i)
            if (variance[i] > variance[next]) next = i;
        if (variance[next] <= 0) break;
        const CutChoice cut = BestCut(boxes[next], m);
        if (cut.axis < 0) {
            variance[next] = 0;
            continue;
        }
        Box upper = boxes[next];
        boxes[next].hi[cut.axis] = cut.at;
        upper.lo[cut.axis] = cut.at;
        boxes.push_back(upper);
        variance.push_back(0);
        for (std::size_t i : {next, boxes.size() - 1})
            variance[i] = boxes[i].volume() > 1 ? Variance(boxes[i], m) : 0;
    }
    for (const Box& x : boxes) {
        const Totals t = BoxTotals(x, m);
        if (t.w == 0) continue;
        const auto mean = [&](std::int64_t s) { return std::uint8_t(std::lround(double(s) / double(t.w))); };
        out.push_back(RGB(mean(t.r), mean(t.g), mean(t.b)));
    }
    return out;
}

}  // namespace vok
