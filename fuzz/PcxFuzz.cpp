// libFuzzer target for the PCX reader: every input must either load or be rejected
// with one of the PCX messages; a loaded picture must survive a save and reload.
#include <cstddef>
#include <cstdint>

#include "pcx/Pcx.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Pictures the header declares larger than 64 MB are real possibilities for the reader
    // (a small coded file can expand to them) but only slow the fuzzer down.
    if (size >= 128) {
        const auto u16 = [&](std::size_t at) { return (long long)(data[at] | data[at + 1] << 8); };
        const auto s16 = [&](std::size_t at) { return (long long)std::int16_t(data[at] | data[at + 1] << 8); };
        if (u16(66) * data[65] * (s16(10) - s16(6) + 1) > (1LL << 26)) return 0;
    }
    try {
        const vok::Bitmap picture = vok::DecodePcx(data, size);
        if (picture.empty()) return 0;
        const auto bytes = vok::EncodePcx(picture);
        const vok::Bitmap again = vok::DecodePcx(bytes.data(), bytes.size());
        if (!(again == picture)) __builtin_trap();
    } catch (const vok::EPcxError&) {
    }
    return 0;
}
