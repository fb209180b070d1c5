// Run-length coding of PCX pixel data.
#include <algorithm>
#include <bit>
#include <cstring>

#include "pcx/Pcx.h"

namespace vok {

std::vector<std::uint8_t> PcxRleDecode(const std::uint8_t* data, std::size_t size, std::size_t limit) {
    std::vector<std::uint8_t> out;
    // Coded data rarely grows more than fourfold; the buffer grows when it does, up to
    // the limit, so a small file that claims a huge picture costs no memory up front.
    const std::size_t guess = std::min<std::size_t>(size, SIZE_MAX / 8) * 4 + 1024;
    out.resize(std::min(limit, guess));
    std::size_t held = 0;
    const auto room = [&](std::size_t n) {
        if (out.size() - held < n && out.size() < limit)
            out.resize(std::min(limit, std::max(out.size() * 2, held + n)));
        return std::min(n, out.size() - held);
    };
    std::size_t i = 0;
    bool ended = false;
    while (!ended && i < size && held < limit) {
        // While a whole run fits, no bounds are checked per byte.
        std::uint8_t* o = out.data();
        while (i < size && out.size() - held >= 63) {
            const std::uint8_t b = data[i++];
            if (b < 192) {
                o[held++] = b;
                continue;
            }
            // A count byte needs the byte after it: a count at the very end is dropped.
            if (i == size) {
                ended = true;
                break;
            }
            std::memset(o + held, data[i++], b & 63u);
            held += b & 63u;
        }
        if (ended || i == size) break;
        const std::uint8_t b = data[i++];
        if (b < 192) {
            if (room(1) == 0) break;
            out[held++] = b;
            continue;
        }
        if (i == size) break;
        const std::uint8_t value = data[i++];
        const std::size_t n = room(b & 63u);
        std::memset(out.data() + held, value, n);
        held += n;
    }
    out.resize(held);
    return out;
}

namespace {

// Eight bytes as one word, the first byte lowest.
std::uint64_t Load8(const std::uint8_t* p) {
    static_assert(std::endian::native == std::endian::little);
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// True when none of the eight bytes is a count byte (192 or more: both top bits set).
bool AllLiteral(const std::uint8_t* p) {
    const std::uint64_t w = Load8(p);
    return ((w & (w << 1)) & 0x8080808080808080u) == 0;
}

}  // namespace

bool PcxRleRows::read(std::uint8_t* out, std::size_t n) {
    for (;;) {
        const std::size_t run = std::min(pending_, n);
        std::memset(out, value_, run);
        out += run;
        n -= run;
        pending_ -= run;
        // Literal bytes need no state: copy them while they come, eight at a time
        // while eight are literals.
        while (n >= 8 && end_ - next_ >= 8 && AllLiteral(next_)) {
            std::memcpy(out, next_, 8);
            out += 8;
            next_ += 8;
            n -= 8;
        }
        while (n > 0 && next_ < end_ && *next_ < 192) {
            *out++ = *next_++;
            --n;
        }
        if (n == 0) return true;
        // A count byte needs the byte after it: a count at the very end is dropped.
        if (end_ - next_ < 2) return false;
        pending_ = next_[0] & 63u;
        value_ = next_[1];
        next_ += 2;
    }
}

namespace {

constexpr std::size_t kPiece = 1024;
constexpr std::size_t kLongestRun = 48;
constexpr std::uint64_t kOnes = 0x0101010101010101u;

// Bit k set when the byte at base + k ends a run in the piece that ends at `end`: it
// differs from the byte after it, or it is the piece's last byte (or lies past it).
std::uint64_t RunEnds(const std::uint8_t* row, std::size_t base, std::size_t end) {
    constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7Fu, kHighs = 0x8080808080808080u;
    std::uint64_t ends = 0;
    std::size_t k = 0;
    for (; k < 64 && base + k + 9 <= end; k += 8) {
        const std::uint64_t x = Load8(row + base + k) ^ Load8(row + base + k + 1);
        // The top bit of each byte that is not 0, gathered into eight bits.
        const std::uint64_t differs = (((x & kLows) + kLows) | x) & kHighs;
        ends |= (((differs >> 7) * 0x0102040810204080u) >> 56) << k;
    }
    for (; k < 64 && base + k + 1 < end; ++k) ends |= std::uint64_t(row[base + k] != row[base + k + 1]) << k;
    if (k < 64) ends |= ~std::uint64_t(0) << k;
    return ends;
}

// The length of the run of row[i], at most `longest`, eight bytes compared at a time.
std::size_t RunLength(const std::uint8_t* row, std::size_t i, std::size_t longest) {
    const std::uint8_t value = row[i];
    const std::uint64_t pattern = value * kOnes;
    std::size_t n = 1;
    while (n < longest) {
        if (longest - n >= 8) {
            const std::uint64_t differs = Load8(row + i + n) ^ pattern;
            if (differs == 0) {
                n += 8;
                continue;
            }
            return n + std::size_t(std::countr_zero(differs) / 8);
        }
        if (row[i + n] != value) break;
        ++n;
    }
    return n;
}

}  // namespace

std::uint8_t* PcxRleEncode(const std::uint8_t* row, std::size_t size, std::uint8_t* out) {
    // The row is read in pieces of 1024 bytes; a run of 2 to 47 bytes that reaches the end
    // of a full piece is not written but begins the next piece, so it may go on there.
    std::size_t i = 0;
    while (i < size) {
        const std::size_t end = std::min(size, i + kPiece);
        const bool full = i + kPiece <= size;
        std::size_t base = i;
        std::uint64_t ends = RunEnds(row, base, end);
        while (i < end) {
            if (i - base > 56) {
                base = i;
                ends = RunEnds(row, base, end);
            }
            const std::uint64_t rest = ends >> (i - base);
            // Eight lone bytes below 192 are written as they are, at once.
            if ((rest & 0xFF) == 0xFF && i + 8 <= end && AllLiteral(row + i)) {
                std::memcpy(out, row + i, 8);
                out += 8;
                i += 8;
                continue;
            }
            const std::size_t longest = std::min(end - i, kLongestRun);
            const std::size_t n = rest != 0 ? std::min<std::size_t>(std::size_t(std::countr_zero(rest)) + 1, longest)
                                            : RunLength(row, i, longest);
            if (full && i + n == end && n >= 2 && n < kLongestRun) break;
            // A run of 1 below 192 is the byte itself; any other run is a count and the byte.
            const std::uint8_t value = row[i];
            const bool alone = n == 1 && value < 192;
            out[0] = alone ? value : std::uint8_t(192 + n);
            out[1] = value;
            out += alone ? 1 : 2;
            i += n;
        }
    }
    return out;
}

void PcxRleEncode(const std::uint8_t* row, std::size_t size, std::vector<std::uint8_t>& stream) {
    const std::size_t start = stream.size();
    stream.resize(start + 2 * size);
    stream.resize(std::size_t(PcxRleEncode(row, size, stream.data() + start) - stream.data()));
}

}  // namespace vok
