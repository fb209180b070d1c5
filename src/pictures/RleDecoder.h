#pragma once
// Run-length coded BMP pixel data (8 and 4 bits per pixel).
#include <cstddef>
#include <cstdint>

#include "pictures/Bitmap.h"

namespace vok {

// Decodes an RLE8 (bits 8) or RLE4 (bits 4) stream into a bottom-up picture of
// that depth, whose pixels must be 0 beforehand. Pixels that the stream skips
// (deltas, short lines, an early end) stay 0. A stream that ends without an
// end-of-bitmap mark keeps what it decoded. Raises EInvalidGraphic when a run
// leaves its row or the picture.
void DecodeRle(const std::uint8_t* stream, std::size_t size, int bits, Bitmap& bitmap);

// The most pixels a stream of this many bytes may describe: encoded runs give
// up to 127 pixels a byte; deltas and an early end may skip more, so allow 1024
// pixels a byte, and at least 2^20 pixels for tiny streams.
constexpr std::uint64_t MaxRlePixels(std::size_t streamBytes) {
    const std::uint64_t bound = std::uint64_t(streamBytes) * 1024;
    return bound < (1u << 20) ? (1u << 20) : bound;
}

}  // namespace vok
