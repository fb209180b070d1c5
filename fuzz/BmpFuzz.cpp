// libFuzzer target for the BMP reader: every input must either load or be rejected
// with "Bitmap image is not valid"; a loaded picture must survive a save and reload.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSeeds.h"

#include "pictures/BmpCodec.h"
#include "pictures/QPix.h"
#include "support/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        vok::Bitmap picture = vok::DecodeBmp(data, size);
        const auto bytes = vok::EncodeBmp(picture);
        vok::Bitmap again = vok::DecodeBmp(bytes.data(), bytes.size());
        if (again.width() != picture.width() || again.height() != picture.height()) __builtin_trap();
        for (int y = 0; y < picture.height(); y += 5)
            for (int x = 0; x < picture.width(); x += 5)
                if (again.colorAt(x, y) != picture.colorAt(x, y)) __builtin_trap();
        try {
            vok::TQuickPixels pixels(&picture);
            std::uint32_t sum = 0;
            for (int y = 0; y < picture.height(); y += 7)
                for (int x = 0; x < picture.width(); x += 7) sum += pixels.GetColor(x, y);
            (void)sum;
        } catch (const vok::EAssertionFailed&) {
        }
    } catch (const vok::EInvalidGraphic&) {
    }
    return 0;
}

void VokFuzzSeeds(std::vector<std::string>& seeds) {
    std::string eightBits;
    for (const vok::PixelFormat format : {vok::PixelFormat::Bits1, vok::PixelFormat::Bits4, vok::PixelFormat::Bits8,
                                          vok::PixelFormat::Bits16, vok::PixelFormat::Bits24, vok::PixelFormat::Bits32}) {
        vok::Bitmap picture(5, 3, format);
        const auto bytes = vok::EncodeBmp(picture);
        seeds.emplace_back(bytes.begin(), bytes.end());
        if (format == vok::PixelFormat::Bits8) eightBits = seeds.back();
    }
    // A 3 x 2 RLE8 picture whose rows run past its width: the 8-bit headers and colour
    // table with width 3, height 2 and compression 1, then the runs.
    std::string rle = eightBits.substr(0, 54 + 1024);
    rle[18] = 3;
    rle[22] = 2;
    rle[30] = 1;
    rle += std::string("\x04\x07\x00\x00\x00\x04\x01\x02\x03\x04\x00\x01", 12);
    seeds.push_back(rle);
}
