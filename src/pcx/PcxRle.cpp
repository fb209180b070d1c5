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

// True when none of the eight bytes is a count byte (192 or more: both top bits set).
bool AllLiteral(const std::uint8_t* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
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


std::uint8_t* PcxRleEncode(const std::uint8_t* row, std::size_t size, std::uint8_t* out) {
    constexpr std::size_t kPiece = 1024;
    constexpr std::size_t kLongestRun = 48;
    constexpr std::uint64_t kOnes = 0x0101010101010101u, kHighs = 0x8080808080808080u;
    // The first byte of a loaded word is its lowest.
    static_assert(std::endian::native == std::endian::little);
    // The row is read in pieces of 1024 bytes; a run of 2 to 47 bytes that reaches the end
    // of a full piece is not written but begins the next piece, so it may go on there.
    std::size_t i = 0;
    while (i < size) {
        const std::size_t end = std::min(size, i + kPiece);
        const bool full = i + kPiece <= size;
        while (i < end) {
            // Eight bytes below 192 that each differ from the byte after them are eight
            // runs of 1: copied as they are.
            while (end - i >= 8 && size - i >= 9) {
                std::uint64_t a, b;
                std::memcpy(&a, row + i, 8);
                std::memcpy(&b, row + i + 1, 8);
                const std::uint64_t same = a ^ b;
                if ((((same - kOnes) & ~same) | (a & (a << 1))) & kHighs) break;
                std::memcpy(out, row + i, 8);
                out += 8;
                i += 8;
            }
            if (i == end) break;
            const std::uint8_t value = row[i];
            const std::size_t longest = std::min(end - i, kLongestRun);
            // The run's length, eight bytes compared at a time while eight are left.
            const std::uint64_t pattern = value * kOnes;
            std::size_t n = 1;
            while (n < longest) {
                if (longest - n >= 8) {
                    std::uint64_t w;
                    std::memcpy(&w, row + i + n, 8);
                    const std::uint64_t differs = w ^ pattern;
                    if (differs == 0) {
                        n += 8;
                        continue;
                    }
                    n += std::size_t(std::countr_zero(differs) / 8);
                    break;
                }
                if (row[i + n] != value) break;
                ++n;
            }
            if (full && i + n == end && n >= 2 && n < kLongestRun) break;
            // A run of 1 below 192 is the byte itself; any other run is a count and the byte.
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
