// The error a colour reduction made: reads the original and the reduced picture (same
// size, any BMP depth) and prints the mean squared error per channel and the PSNR over
// the pixels whose original colour is not a default standard colour, and how many
// standard-colour pixels changed. Usage: vok_reduce_error ORIGINAL REDUCED
#include <cmath>
#include <cstdio>
#include <vector>

#include "colours/ReduceFrames.h"
#include "colours/StandardColors.h"
#include "pictures/BmpCodec.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ORIGINAL REDUCED\n", argv[0]);
        return 2;
    }
    const vok::Bitmap a = vok::LoadBitmapFromFile(argv[1]), b = vok::LoadBitmapFromFile(argv[2]);
    if (a.width() != b.width() || a.height() != b.height()) {
        std::fprintf(stderr, "the pictures differ in size\n");
        return 1;
    }
    const vok::StandardColorTable standard = vok::DefaultStandardColors();
    const auto special = [&](std::uint32_t c) {
        for (vok::ColorValue s : standard)
            if (s >= 0 && std::uint32_t(s) == c) return true;
        return false;
    };
    std::vector<std::uint32_t> ra(std::size_t(a.width())), rb(ra.size());
    double sum = 0;
    long long pixels = 0, changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        vok::ReadRowColors(a, y, ra.data());
        vok::ReadRowColors(b, y, rb.data());
        for (std::size_t x = 0; x < ra.size(); ++x) {
            if (special(ra[x])) {
                changed += ra[x] != rb[x];
                continue;
            }
            sum += vok::ColorDistance(vok::ColorValue(ra[x]), vok::ColorValue(rb[x]));
            ++pixels;
        }
    }
    const double mse = pixels ? sum / (3.0 * double(pixels)) : 0;
    std::printf("MSE %.3f  PSNR %.2f dB  over %lld pixels; standard-colour pixels changed: %lld\n", mse,
                mse > 0 ? 10 * std::log10(255.0 * 255.0 / mse) : 99.0, pixels, changed);
    return 0;
}
