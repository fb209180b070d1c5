// Reading PCX pictures.
#include <algorithm>
#include <cstring>

#include "pcx/Pcx.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kPaletteBlockSize = 769;
constexpr std::uint8_t kPaletteMarker = 12;

unsigned U16(const std::uint8_t* p) { return p[0] | unsigned(p[1]) << 8; }
// Corners are signed: an empty picture is written with xmax = -1.
long S16(const std::uint8_t* p) { return long(std::int16_t(U16(p))); }

[[noreturn]] void Fail(const char* text) { throw EPcxError(text); }

PixelFormat FormatOf(unsigned bits, unsigned planes) {
    if (bits == 1 && planes == 1) return PixelFormat::Bits1;
    if (bits == 1 && planes == 4) return PixelFormat::Bits4;
    if (bits == 8 && planes == 1) return PixelFormat::Bits8;
    if (bits == 8 && planes == 3) return PixelFormat::Bits24;
    Fail(PcxUnknownFormatText);
}

std::vector<RgbQuad> Triples(const std::uint8_t* p, int count) {
    auto colors = std::vector<RgbQuad>(std::size_t(count));
    for (auto& c : colors) {
        c = RgbQuad{p[2], p[1], p[0], 0};
        p += 3;
    }
    return colors;
}

// Plane k of a 4-plane row holds bit k of each pixel's index, leftmost pixel in the top bit.
void PlanesToNibbles(const std::uint8_t* stored, std::size_t bytesPerLine, int width, std::uint8_t* out) {
    std::memset(out, 0, std::size_t(width + 1) / 2);
    for (int x = 0; x < width; ++x) {
        const int bit = 7 - x % 8;
        unsigned index = 0;
        for (int k = 0; k < 4; ++k) index |= ((stored[std::size_t(k) * bytesPerLine + std::size_t(x / 8)] >> bit) & 1u) << k;
        out[x / 2] |= std::uint8_t(x % 2 == 0 ? index << 4 : index);
    }
}

void PlanesToBgr(const std::uint8_t* stored, std::size_t bytesPerLine, int width, std::uint8_t* out) {
    const std::uint8_t* red = stored;
    const std::uint8_t* green = stored + bytesPerLine;
    const std::uint8_t* blue = stored + 2 * bytesPerLine;
    for (int x = 0; x < width; ++x) {
        out[0] = blue[x];
        out[1] = green[x];
        out[2] = red[x];
        out += 3;
    }
}

}  // namespace

Bitmap DecodePcx(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderSize || data[0] != 10) Fail(PcxInvalidText);
    const std::size_t bytesPerLine = U16(data + 66);
    if (bytesPerLine % 2 != 0) Fail(PcxInvalidText);
    const PixelFormat format = FormatOf(data[3], data[65]);
    const unsigned planes = data[65];
    const long width = S16(data + 8) - S16(data + 4) + 1;
    const long height = S16(data + 10) - S16(data + 6) + 1;
    if (width < 0 || height < 0) Fail(PcxInvalidText);

    std::vector<RgbQuad> colors;
    if (format == PixelFormat::Bits1) colors = {RgbQuad{0, 0, 0, 0}, RgbQuad{255, 255, 255, 0}};
    if (format == PixelFormat::Bits4) colors = Triples(data + 16, 16);
    if (width == 0 || height == 0) {
        Bitmap empty(int(width), int(height), format);
        empty.setColorTable(std::move(colors));
        return empty;
    }

    // A plane shorter than the pixels it must hold leaves nothing sound to read.
    const std::size_t planeBytes = data[3] == 1 ? (std::size_t(width) + 7) / 8 : std::size_t(width);
    if (bytesPerLine < planeBytes) Fail(PcxInvalidText);

    const std::uint8_t* begin = data + kHeaderSize;
    const std::uint8_t* end = data + size;
    if (format == PixelFormat::Bits8) {
        if (size < kHeaderSize + kPaletteBlockSize || end[-std::ptrdiff_t(kPaletteBlockSize)] != kPaletteMarker)
            Fail(PcxNoPaletteText);
        colors = Triples(end - kPaletteBlockSize + 1, 256);
        end -= kPaletteBlockSize;
    }

    const std::size_t rowBytes = bytesPerLine * planes;
    const std::size_t needed = rowBytes * std::size_t(height);
    const bool coded = data[2] != 0;
    const std::size_t codedBytes = std::size_t(end - begin);
    // Each pair of coded bytes gives at most 63: the file's size bounds the memory.
    if (coded ? codedBytes < needed / 63 : codedBytes < needed) Fail(PcxUnknownFormatText);

    // Each row is expanded into one row's buffer and converted into the picture.
    Bitmap picture(0, 0, format);
    picture.setSizeUnfilled(int(width), int(height));
    picture.setColorTable(std::move(colors));
    PcxRleRows rows(begin, codedBytes);
    UnfilledBytes buffer(coded ? rowBytes : 0);
    for (int y = 0; y < int(height); ++y) {
        const std::uint8_t* stored = begin + std::size_t(y) * rowBytes;
        if (coded) {
            if (!rows.read(buffer.data(), rowBytes)) Fail(PcxUnknownFormatText);
            stored = buffer.data();
        }
        std::uint8_t* out = picture.scanLine(y);
        switch (format) {
        case PixelFormat::Bits1:
        case PixelFormat::Bits8: std::memcpy(out, stored, planeBytes); break;
        case PixelFormat::Bits4: PlanesToNibbles(stored, bytesPerLine, int(width), out); break;
        default: PlanesToBgr(stored, bytesPerLine, int(width), out); break;
        }
    }
    picture.clearRowPadding();
    return picture;
}

void TJvPcx::LoadFromStream(const std::uint8_t* data, std::size_t size) {
    Bitmap::operator=(Bitmap());
    Bitmap::operator=(DecodePcx(data, size));
}

Bitmap LoadPcxFromFile(const std::string& fileName) {
    const UnfilledBytes bytes = ReadPictureFileBytes(fileName);
    return DecodePcx(bytes.data(), bytes.size());
}

}  // namespace vok
