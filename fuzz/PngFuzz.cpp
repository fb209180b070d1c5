// libFuzzer target for the PNG reader: every input must either load or be rejected with
// EPngError; a loaded picture must survive a save and reload. Each input is also tried
// with its chunk checksums made right, so that mutations reach the decoder itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <spng.h>

#include "FuzzSeeds.h"

#include "png/Png.h"

namespace {

std::uint32_t Crc(const std::uint8_t* p, std::size_t n) {
    std::uint32_t c = 0xFFFFFFFF;
    for (std::size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320 ^ (c >> 1) : c >> 1;
    }
    return ~c;
}

void WithRightChecksums(std::vector<std::uint8_t>& bytes) {
    std::size_t at = 8;
    while (at + 12 <= bytes.size()) {
        const std::size_t length = std::size_t(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
        if (length > bytes.size() - at - 12) return;
        const std::uint32_t crc = Crc(bytes.data() + at + 4, length + 4);
        for (int k = 0; k < 4; ++k) bytes[at + 8 + length + std::size_t(k)] = std::uint8_t(crc >> (24 - 8 * k));
        at += length + 12;
    }
}

void Try(const std::uint8_t* data, std::size_t size) {
    try {
        const vok::Bitmap picture = vok::DecodePng(data, size, {0x123456, 100});
        const auto bytes = vok::EncodePng(picture);
        const vok::Bitmap again = vok::DecodePng(bytes.data(), bytes.size(), {});
        if (!(again == picture)) __builtin_trap();
    } catch (const vok::EPngError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Try(data, size);
    std::vector<std::uint8_t> fixed(data, data + size);
    WithRightChecksums(fixed);
    Try(fixed.data(), fixed.size());
    return 0;
}

void VokFuzzSeeds(std::vector<std::string>& seeds) {
    for (const vok::PixelFormat format : {vok::PixelFormat::Bits1, vok::PixelFormat::Bits4, vok::PixelFormat::Bits8,
                                          vok::PixelFormat::Bits24}) {
        vok::Bitmap picture(5, 3, format);
        picture.fillRect(1, 1, 3, 2, 0xFFFFFF);
        const auto bytes = vok::EncodePng(picture);
        seeds.emplace_back(bytes.begin(), bytes.end());
    }
    // An interlaced 16-bit grey picture with alpha, which the writer never makes.
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
    spng_ihdr h{9, 7, 16, SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 0, 0, 1};
    spng_set_ihdr(ctx, &h);
    std::vector<std::uint16_t> pixels(9 * 7 * 2);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint16_t(i * 977);
    if (spng_encode_image(ctx, pixels.data(), pixels.size() * 2, SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE) == 0) {
        std::size_t length = 0;
        int error = 0;
        char* buffer = static_cast<char*>(spng_get_png_buffer(ctx, &length, &error));
        if (buffer) seeds.emplace_back(buffer, length);
        std::free(buffer);
    }
    spng_ctx_free(ctx);
}
