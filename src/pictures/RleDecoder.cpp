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
    // An 8-bit picture comes unfilled: positions only move forward in storage order, so
    // what a run, an end of line or a delta skips is cleared just before the next write
    // and the rest at the end. Nibbles share bytes, so a 4-bit picture is cleared first.
    std::size_t cleared = 0;
    if (bits != 8) {
        std::memset(rows, 0, bitmap.byteSize());
        cleared = bitmap.byteSize();
    }
    auto clearTo = [&](std::size_t to) {
        if (to > cleared) std::memset(rows + cleared, 0, to - cleared);
        cleared = std::max(cleared, to);
    };
    // x and y count from the bottom-left corner; y may reach height after the last line.
    std::int64_t x = 0, y = 0;
    std::size_t i = 0;
    // Runs must lie in a row of the picture; pixels past its right edge (some writers
    // pad rows to a multiple of 4 pixels) are dropped. Returns how many to keep.
    auto kept = [&](std::int64_t n) {
        if (y >= height) bmp::RaiseInvalidBitmap();
        return x >= width ? 0 : std::min<std::int64_t>(n, width - x);
    };
    // The row's storage, with everything before the pixel at x cleared.
    auto rowAt = [&](std::int64_t n) {
        std::uint8_t* row = rows + std::size_t(y) * stride;
        if (bits == 8 && n > 0) {
            clearTo(std::size_t(row - rows) + std::size_t(x));
            cleared = std::size_t(row - rows) + std::size_t(x + n);
        }
        return row;
    };
    while (i + 2 <= size) {
        const std::uint8_t count = s[i], code = s[i + 1];
        i += 2;
        if (count != 0) {
            // Encoded run: count pixels of one index (RLE4: two alternating nibbles).
            const std::int64_t n = kept(count);
            std::uint8_t* row = rowAt(n);
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
            clearTo(bitmap.byteSize());
            return;
        case 2: {  // delta: move right and up
            if (i + 2 > size) {
                clearTo(bitmap.byteSize());
                return;
            }
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
            std::uint8_t* row = rowAt(n);
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
    clearTo(bitmap.byteSize());
}

}  // namespace vok
