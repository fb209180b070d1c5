#include "pictures/RleDecoder.h"

#include <algorithm>
#include <cstring>

#include "pictures/BmpHeaders.h"

namespace vok {

namespace {

void PutNibble(std::uint8_t* row, std::int64_t x, std::uint8_t v) {
    std::uint8_t& b = row[x >> 1];
    b = (x & 1) ? std::uint8_t((b & 0xF0) | (v & 0x0F)) : std::uint8_t((b & 0x0F) | (v << 4));
}

}  // namespace

void DecodeRle(const std::uint8_t* s, std::size_t size, int bits, Bitmap& bitmap) {
    const std::int64_t width = bitmap.width(), height = bitmap.height();
    const std::size_t stride = bitmap.stride();
    std::uint8_t* const rows = bitmap.bits();  // bottom row first
    // x and y count from the bottom-left corner; y may reach height after the last line.
    std::int64_t x = 0, y = 0;
    std::size_t i = 0;
    // Runs must lie in a row of the picture; pixels past its right edge (some writers
    // pad rows to a multiple of 4 pixels) are dropped. Returns how many to keep.
    auto kept = [&](std::int64_t n) {
        if (y >= height) bmp::RaiseInvalidBitmap();
        return x >= width ? 0 : std::min<std::int64_t>(n, width - x);
    };
    auto rowAt = [&] { return rows + std::size_t(y) * stride; };
    while (i + 2 <= size) {
        const std::uint8_t count = s[i], code = s[i + 1];
        i += 2;
        if (count != 0) {
            // Encoded run: count pixels of one index (RLE4: two alternating nibbles).
            const std::int64_t n = kept(count);
            std::uint8_t* row = rowAt();
            if (bits == 8) {
                if (n > 0) std::memset(row + x, code, std::size_t(n));
            } else {
                for (int k = 0; k < n; ++k) PutNibble(row, x + k, (k & 1) ? code & 0x0F : code >> 4);
            }
            x += count;
            continue;
        }
        switch (code) {
        case 0:  // end of line
            x = 0;
            ++y;
            break;
        case 1:  // end of bitmap
            return;
        case 2: {  // delta: move right and up
            if (i + 2 > size) return;
            x += s[i];
            y += s[i + 1];
            i += 2;
            if (y > height) bmp::RaiseInvalidBitmap();
            break;
        }
        default: {  // absolute run of `code` pixels, padded to a word
            const std::size_t bytes = bits == 8 ? code : (std::size_t(code) + 1) / 2;
            if (i + bytes > size) bmp::RaiseInvalidBitmap();
            const std::int64_t n = kept(code);
            std::uint8_t* row = rowAt();
            if (bits == 8) {
                if (n > 0) std::memcpy(row + x, s + i, std::size_t(n));
            } else {
                for (int k = 0; k < n; ++k) PutNibble(row, x + k, (k & 1) ? s[i + k / 2] & 0x0F : s[i + k / 2] >> 4);
            }
            x += code;
            i += (bytes + 1) & ~std::size_t(1);
            break;
        }
        }
    }
}

}  // namespace vok
