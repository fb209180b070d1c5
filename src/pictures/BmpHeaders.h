#pragma once
// The byte layout of BMP files: header sizes, compression codes and
// little-endian field access.
#include <cstddef>
#include <cstdint>

namespace vok::bmp {

constexpr std::size_t FileHeaderSize = 14;     // "BM", file size, two reserved words, pixel offset
constexpr std::uint32_t CoreHeaderSize = 12;   // 16-bit width and height, palette of 3-byte entries
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t V2HeaderSize = 52;     // info header with the three colour masks
constexpr std::uint32_t V3HeaderSize = 56;     // ... and the alpha mask
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t V5HeaderSize = 124;
constexpr std::uint32_t Os2MinHeaderSize = 16;  // the two-part headers: 16 to 64 bytes
constexpr std::uint32_t Os2MaxHeaderSize = 64;

// Compression codes of the info header.
constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiRle8 = 1;
constexpr std::uint32_t BiRle4 = 2;
constexpr std::uint32_t BiBitFields = 3;   // also Huffman 1D in the 16-to-64-byte headers
constexpr std::uint32_t BiJpeg = 4;        // also RLE24 in the 16-to-64-byte headers
constexpr std::uint32_t BiPng = 5;
constexpr std::uint32_t BiAlphaBitFields = 6;

// Offsets inside the info header (from its first byte).
constexpr std::size_t OffWidth = 4, OffHeight = 8, OffPlanes = 12, OffBitCount = 14, OffCompression = 16,
                      OffSizeImage = 20, OffXPels = 24, OffYPels = 28, OffClrUsed = 32, OffClrImportant = 36,
                      OffRedMask = 40, OffGreenMask = 44, OffBlueMask = 48;

inline std::uint16_t GetU16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline std::uint32_t GetU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
inline std::int32_t GetI32(const std::uint8_t* p) { return std::int32_t(GetU32(p)); }

inline void PutU16(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
inline void PutU32(std::uint8_t* p, std::uint32_t v) {
    PutU16(p, v);
    PutU16(p + 2, v >> 16);
}

// Whether the reader takes a file of this many bits per pixel with these colour masks:
// 16 or 32 bits, each mask one run of set bits inside the pixel, no two masks overlapping.
bool BitFieldsReadable(int bitCount, const std::uint32_t (&masks)[3]);

// Raises EInvalidGraphic("Bitmap image is not valid").
[[noreturn]] void RaiseInvalidBitmap();

}  // namespace vok::bmp
