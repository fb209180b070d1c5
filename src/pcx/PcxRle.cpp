// Run-length coding of PCX pixel data.
#include <algorithm>
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

bool PcxRleRows::read(std::uint8_t* out, std::size_t n) {
    for (;;) {
        const std::size_t run = std::min(pending_, n);
        std::memset(out, value_, run);
        out += run;
        n -= run;
        pending_ -= run;
        // Literal bytes need no state: copy them while they come.
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

std::uint8_t* PutRun(std::uint8_t* out, std::uint8_t value, std::size_t n) {
    if (n == 1 && value < 192) {
        *out++ = value;
    } else {
        *out++ = std::uint8_t(192 + n);
        *out++ = value;
    }
    return out;
}

}  // namespace

void PcxRleEncode(const std::uint8_t* row, std::size_t size, std::vector<std::uint8_t>& stream) {
    constexpr std::size_t kPiece = 1024;
    constexpr std::size_t kLongestRun = 48;
    std::uint8_t piece[kPiece];
    // At most two bytes for each byte of the row.
    const std::size_t start = stream.size();
    stream.resize(start + 2 * size);
    std::uint8_t* out = stream.data() + start;
    std::size_t carry = 0;
    std::size_t pos = 0;
    while (pos < size || carry > 0) {
        const std::size_t take = std::min(kPiece - carry, size - pos);
        std::memcpy(piece + carry, row + pos, take);
        pos += take;
        const std::size_t filled = carry + take;
        const bool full = filled == kPiece;
        carry = 0;
        std::size_t i = 0;
        while (i < filled) {
            const std::uint8_t value = piece[i];
            std::size_t n = 1;
            while (n < kLongestRun && i + n < filled && piece[i + n] == value) ++n;
            // A short run at the end of a full piece may go on in the next one.
            if (full && i + n == filled && n >= 2 && n < kLongestRun) {
                std::memmove(piece, piece + i, n);
                carry = n;
                break;
            }
            out = PutRun(out, value, n);
            i += n;
        }
    }
    stream.resize(std::size_t(out - stream.data()));
}

}  // namespace vok
