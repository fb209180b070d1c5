#pragma once
// PCX pictures: a 128-byte header, run-length coded rows of colour planes and, for
// 256 colours, a palette block at the end of the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pictures/Bitmap.h"
#include "support/Errors.h"

namespace vok {

// The reader's three messages.
inline constexpr const char* PcxInvalidText = "PCX: Invalid PCX file";
inline constexpr const char* PcxUnknownFormatText = "PCX: Unknown format";
inline constexpr const char* PcxNoPaletteText = "PCX: Unable to retrieve palette";
// The header's corners are signed 16-bit numbers.
inline constexpr int kPcxLargestSide = 32768;
inline constexpr const char* PcxTooLargeText = "PCX: Pictures wider or higher than 32768 pixels cannot be saved";

// A file that is not a PCX picture this reader understands.
class EPcxError : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// A picture that loads from and saves to PCX. Loaded pictures are 1-bit black and
// white, 4-bit with 16 colours, 8-bit with 256 colours, or 24-bit.
class TJvPcx : public Bitmap {
public:
    TJvPcx() = default;
    explicit TJvPcx(Bitmap picture) : Bitmap(std::move(picture)) {}

    // Replaces the picture with the one in the bytes; raises EPcxError and is then empty.
    void LoadFromStream(const std::uint8_t* data, std::size_t size);
    // Appends the picture as PCX. A format the file has no case for (device, 15-, 16-,
    // 32-bit or custom) first becomes 24-bit, which changes this picture.
    void SaveToStream(std::vector<std::uint8_t>& stream);
};

Bitmap DecodePcx(const std::uint8_t* data, std::size_t size);
// The picture must be 1-, 4-, 8- or 24-bit.
std::vector<std::uint8_t> EncodePcx(const Bitmap& picture);

// Raises EFOpenError when the file cannot be read, EPcxError when it is no PCX picture.
Bitmap LoadPcxFromFile(const std::string& fileName);
// Saves safely (temporary file renamed over the target); raises EFCreateError.
// Formats without a case are written as 24-bit; the picture itself is not changed.
void SavePcxToFile(const Bitmap& picture, const std::string& fileName);

// Expands run-length coded bytes: a byte of 192 or more repeats the next byte
// (its low 6 bits) times; a count as the very last byte is dropped. Runs go on
// across row ends. Stops after `limit` bytes.
std::vector<std::uint8_t> PcxRleDecode(const std::uint8_t* data, std::size_t size,
                                       std::size_t limit = SIZE_MAX);
// The same expansion a row at a time, straight into the rows of a picture.
class PcxRleRows {
public:
    PcxRleRows(const std::uint8_t* data, std::size_t size) : next_(data), end_(data + size) {}
    // Fills `n` bytes; false when the coded data ends first.
    bool read(std::uint8_t* out, std::size_t n);

private:
    const std::uint8_t* next_;
    const std::uint8_t* end_;
    std::uint8_t value_ = 0;
    std::size_t pending_ = 0;  // bytes of value_ still owed from a run
};
// Appends one coded row: runs of at most 48, read in pieces of 1024 bytes.
void PcxRleEncode(const std::uint8_t* row, std::size_t size, std::vector<std::uint8_t>& stream);
// The same into `out`, which has room for 2 * size bytes; returns the end of what it wrote.
std::uint8_t* PcxRleEncode(const std::uint8_t* row, std::size_t size, std::uint8_t* out);

}  // namespace vok
