// Writing PNG pictures.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <spng.h>

#include "png/Png.h"
#include "png/PaletteIndexes.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

void Check(int error) {
    if (error != 0) throw EPngError(std::string("Cannot write PNG picture: ") + spng_strerror(error));
}

struct ContextFree {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};

// The palette: the whole colour table, lengthened with black when pixels index past it.
spng_plte PaletteOf(const Bitmap& picture) {
    spng_plte plte{};
    const std::vector<RgbQuad> colors = ColorsForIndexes(picture);
    plte.n_entries = std::uint32_t(std::min<std::size_t>(colors.size(), 256));
    for (std::size_t i = 0; i < plte.n_entries; ++i)
        plte.entries[i] = spng_plte_entry{colors[i].red, colors[i].green, colors[i].blue, 255};
    return plte;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Bitmap& source) {
    if (source.empty()) throw EPngError("Cannot write PNG picture: a PNG picture needs at least one pixel");
    const bool paletted = source.pixelFormat() != PixelFormat::Device && IsPaletted(source.storedFormat());
    Bitmap converted;
    if (!paletted && source.pixelFormat() != PixelFormat::Bits24) {
        converted = source;
        converted.setHandleType(HandleType::DIB);
        converted.setPixelFormat(PixelFormat::Bits24);
    }
    const Bitmap& picture = paletted || source.pixelFormat() == PixelFormat::Bits24 ? source : converted;

    const std::unique_ptr<spng_ctx, ContextFree> ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!ctx) Check(SPNG_EMEM);
    Check(spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1));
    Check(spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, 1));
    spng_ihdr h{};
    h.width = std::uint32_t(picture.width());
    h.height = std::uint32_t(picture.height());
    h.bit_depth = std::uint8_t(paletted ? picture.storageBits() : 8);
    h.color_type = paletted ? SPNG_COLOR_TYPE_INDEXED : SPNG_COLOR_TYPE_TRUECOLOR;
    Check(spng_set_ihdr(ctx.get(), &h));
    if (paletted) {
        spng_plte plte = PaletteOf(picture);
        Check(spng_set_plte(ctx.get(), &plte));
        // Palette rows compress best unfiltered.
        Check(spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, SPNG_DISABLE_FILTERING));
    }

    // Rows top-down without padding, RGB instead of BGR.
    const std::size_t rowBytes = (std::size_t(picture.width()) * (paletted ? picture.storageBits() : 24) + 7) / 8;
    std::vector<std::uint8_t> rows(rowBytes * std::size_t(picture.height()));
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* out = rows.data() + std::size_t(y) * rowBytes;
        const std::uint8_t* in = picture.scanLine(y);
        if (paletted) {
            std::memcpy(out, in, rowBytes);
            continue;
        }
        for (std::size_t x = 0; x < rowBytes; x += 3) {
            out[x] = in[x + 2];
            out[x + 1] = in[x + 1];
            out[x + 2] = in[x];
        }
    }
    Check(spng_encode_image(ctx.get(), rows.data(), rows.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE));
    std::size_t length = 0;
    int error = 0;
    void* buffer = spng_get_png_buffer(ctx.get(), &length, &error);
    Check(error);
    const std::unique_ptr<void, decltype(&std::free)> owned(buffer, &std::free);
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    return std::vector<std::uint8_t>(bytes, bytes + length);
}

void SavePngToFile(const Bitmap& picture, const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = EncodePng(picture);
    } catch (EPngError& e) {
        e.nameFile(fileName);
        throw;
    }
    try {
        WriteFileSafely(fileName, bytes.data(), bytes.size());
    } catch (const EWriteError&) {
        throw;  // created, but not written whole: the old file stays
    } catch (const EOSError& e) {
        RaiseCreateError(fileName, e.code());
    }
}

}  // namespace vok
