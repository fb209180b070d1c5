// Reading PNG pictures.
#include <algorithm>
#include <cstring>
#include <memory>

#include <spng.h>

#include "png/Png.h"
#include "png/PaletteIndexes.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

[[noreturn]] void Fail(const std::string& reason) { throw EPngError("Cannot read PNG picture: " + reason); }

void Check(int error) {
    if (error != 0) Fail(spng_strerror(error));
}

struct ContextFree {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};
using Context = std::unique_ptr<spng_ctx, ContextFree>;

// Deflate gives at most 1032 bytes for each byte it reads, so no valid file of `size` bytes
// decodes to more than this; a picture declaring more is refused before anything is allocated.
std::uint64_t MostRawBytes(std::size_t size) { return std::max<std::uint64_t>(std::uint64_t(1) << 20, std::uint64_t(size) * 1032); }

std::uint64_t RawBytes(const spng_ihdr& h) {
    const int channels = h.color_type == SPNG_COLOR_TYPE_TRUECOLOR         ? 3
                         : h.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA ? 4
                         : h.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA ? 2
                                                                           : 1;
    const std::uint64_t row = (std::uint64_t(h.width) * std::uint64_t(channels) * h.bit_depth + 7) / 8;
    return (row + 1) * h.height;
}

// 2-bit indexes, four to a byte, as 4-bit ones, two to a byte.
void TwoBitToNibbles(const std::uint8_t* in, int width, std::uint8_t* out) {
    for (int x = 0; x < width; x += 2) {
        const unsigned a = (in[x / 4] >> (6 - 2 * (x % 4))) & 3u;
        const unsigned b = x + 1 < width ? (in[(x + 1) / 4] >> (6 - 2 * ((x + 1) % 4))) & 3u : 0u;
        out[x / 2] = std::uint8_t(a << 4 | b);
    }
}

Bitmap ReadPalette(spng_ctx* ctx, const spng_ihdr& h) {
    spng_plte plte{};
    Check(spng_get_plte(ctx, &plte));
    std::size_t size = 0;
    Check(spng_decoded_image_size(ctx, SPNG_FMT_PNG, &size));
    std::vector<std::uint8_t> indexes(size);
    Check(spng_decode_image(ctx, indexes.data(), size, SPNG_FMT_PNG, 0));

    const int depth = h.bit_depth;
    const PixelFormat format = depth == 1 ? PixelFormat::Bits1 : depth == 8 ? PixelFormat::Bits8 : PixelFormat::Bits4;
    Bitmap picture(int(h.width), int(h.height), format);
    std::vector<RgbQuad> colors(plte.n_entries);
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = RgbQuad{plte.entries[i].blue, plte.entries[i].green, plte.entries[i].red, 0};
    picture.setColorTable(std::move(colors));
    const std::size_t rowBytes = size / h.height;
    for (int y = 0; y < int(h.height); ++y) {
        const std::uint8_t* in = indexes.data() + std::size_t(y) * rowBytes;
        if (depth == 2)
            TwoBitToNibbles(in, int(h.width), picture.scanLine(y));
        else
            std::memcpy(picture.scanLine(y), in, rowBytes);
    }
    // Indexes past the palette are black.
    picture.setColorTable(ColorsForIndexes(picture));
    return picture;
}

// 16-bit samples to 8 bits, rounded.
constexpr std::uint8_t To8(std::uint32_t v) { return std::uint8_t((v * 255 + 32767) / 65535); }

template <typename Sample>
void RgbaRowToBgr(const Sample* in, int width, int opaque, int threshold, std::uint32_t background, std::uint8_t* out) {
    const std::uint8_t bb = BlueOf(background), bg = GreenOf(background), br = RedOf(background);
    for (int x = 0; x < width; ++x, in += 4, out += 3) {
        std::uint8_t r, g, b, a;
        if constexpr (sizeof(Sample) == 1) {
            r = in[0], g = in[1], b = in[2], a = in[3];
        } else {
            r = To8(in[0]), g = To8(in[1]), b = To8(in[2]), a = To8(in[3]);
        }
        if (int(in[3]) != opaque && a < threshold) r = br, g = bg, b = bb;
        out[0] = b;
        out[1] = g;
        out[2] = r;
    }
}

Bitmap ReadDirect(spng_ctx* ctx, const spng_ihdr& h, const PngReading& reading) {
    const bool wide = h.bit_depth == 16;
    const int fmt = wide ? SPNG_FMT_RGBA16 : SPNG_FMT_RGBA8;
    std::size_t size = 0;
    Check(spng_decoded_image_size(ctx, fmt, &size));
    std::vector<std::uint8_t> rgba(size);
    Check(spng_decode_image(ctx, rgba.data(), size, fmt, SPNG_DECODE_TRNS));

    Bitmap picture(int(h.width), int(h.height), PixelFormat::Bits24);
    const std::size_t rowBytes = size / h.height;
    const int threshold = std::clamp(reading.alphaThreshold, 0, 256);
    for (int y = 0; y < int(h.height); ++y) {
        const std::uint8_t* in = rgba.data() + std::size_t(y) * rowBytes;
        if (wide)
            RgbaRowToBgr(reinterpret_cast<const std::uint16_t*>(in), int(h.width), 65535, threshold, reading.background,
                         picture.scanLine(y));
        else
            RgbaRowToBgr(in, int(h.width), 255, threshold, reading.background, picture.scanLine(y));
    }
    return picture;
}

}  // namespace

Bitmap DecodePng(const std::uint8_t* data, std::size_t size, const PngReading& reading) {
    const Context ctx(spng_ctx_new(0));
    if (!ctx) Fail("out of memory");
    // Checksums are checked on every chunk; no chunk can be longer than the file, and
    // the text and other kept chunks may take a few megabytes at most.
    Check(spng_set_crc_action(ctx.get(), SPNG_CRC_ERROR, SPNG_CRC_ERROR));
    Check(spng_set_chunk_limits(ctx.get(), std::min<std::size_t>(size, 0x7FFFFFFF), std::size_t(8) << 20));
    Check(spng_set_png_buffer(ctx.get(), data, size));
    spng_ihdr h{};
    Check(spng_get_ihdr(ctx.get(), &h));
    if (h.width > 0x7FFFFFFF || h.height > 0x7FFFFFFF || RawBytes(h) > MostRawBytes(size))
        Fail("the picture is larger than its data can hold");
    // Grey and colour pictures take 3 bytes a pixel however few bits they store (and up to 8
    // while decoding): as for run-length BMP pictures, at most 1024 pixels for each byte of
    // the file, or 2^24 pixels for small files.
    if (h.color_type != SPNG_COLOR_TYPE_INDEXED &&
        std::uint64_t(h.width) * h.height > std::max<std::uint64_t>(std::uint64_t(1) << 24, std::uint64_t(size) * 1024))
        Fail("the picture is too large for its file");
    return h.color_type == SPNG_COLOR_TYPE_INDEXED ? ReadPalette(ctx.get(), h) : ReadDirect(ctx.get(), h, reading);
}

Bitmap LoadPngFromFile(const std::string& fileName) {
    const UnfilledBytes bytes = ReadPictureFileBytes(fileName);
    try {
        return DecodePng(bytes.data(), bytes.size(), CurrentPngReading());
    } catch (const EPngError& e) {
        EPngError named(std::string(e.what()).insert(std::strlen("Cannot read PNG picture"), " \"" + fileName + "\""));
        named.nameFile(fileName);
        throw named;
    }
}

}  // namespace vok
