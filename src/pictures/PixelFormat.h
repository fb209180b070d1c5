#pragma once
// Pixel formats of a picture, described as small traits.
#include <cstdint>

namespace vok {

enum class PixelFormat : std::uint8_t { Device, Bits1, Bits4, Bits8, Bits15, Bits16, Bits24, Bits32, Custom };

enum class Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

// The layout of a picture whose format is Custom: a bit count with either
// plain RGB or bit-field masks.
struct CustomLayout {
    int bitCount = 0;
    Compression compression = Compression::Rgb;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
    bool operator==(const CustomLayout&) const = default;
};

struct FormatTraits {
    int storageBits;   // bits a pixel takes in a row
    int paletteSize;   // entries a full colour table has, 0 for direct colour
};

constexpr FormatTraits Traits(PixelFormat f) {
    switch (f) {
    case PixelFormat::Bits1: return {1, 2};
    case PixelFormat::Bits4: return {4, 16};
    case PixelFormat::Bits8: return {8, 256};
    case PixelFormat::Bits15:
    case PixelFormat::Bits16: return {16, 0};
    case PixelFormat::Bits24: return {24, 0};
    case PixelFormat::Bits32: return {32, 0};
    default: return {0, 0};
    }
}

constexpr bool IsPaletted(PixelFormat f) { return Traits(f).paletteSize != 0; }

// Bytes of one row of w pixels at the given bit count, padded to 4 bytes as in BMP files.
constexpr std::int64_t RowBytes(std::int64_t width, int bits) { return ((width * bits + 31) / 32) * 4; }

}  // namespace vok
