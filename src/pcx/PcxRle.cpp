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
    while (i < size && held < limit) {
        const std::uint8_t b = data[i++];
        if (b < 192) {
            if (room(1) == 0) break;
            out[held++] = b;
            continue;
        }
        // A count byte needs the byte after it: a count at the very end is dropped.
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

void PutRun(std::vector<std::uint8_t>& stream, std::uint8_t value, std::size_t n) {
    if (n == 1 && value < 192) {
        stream.push_back(value);
    } else {
        stream.push_back(std::uint8_t(192 + n));
        stream.push_back(value);
    }
}

}  // namespace

void PcxRleEncode(const std::uint8_t* row, std::size_t size, std::vector<std::uint8_t>& stream) {
    constexpr std::size_t kPiece = 1024;
    constexpr std::size_t kLongestRun = 48;
    std::uint8_t piece[kPiece];
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
            PutRun(stream, value, n);
            i += n;
        }
    }
}

}  // namespace vok
