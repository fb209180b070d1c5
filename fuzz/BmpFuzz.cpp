// libFuzzer target for the BMP reader: every input must either load or be rejected
// with "Bitmap image is not valid"; a loaded picture must survive a save and reload.
#include <cstddef>
#include <cstdint>

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
