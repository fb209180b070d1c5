// libFuzzer target for the standard-colour list: any text gives a table, and the table
// written as a list reads back as the same colours.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSeeds.h"
#include "colours/ColourListText.h"
#include "colours/StandardColors.h"
#include "support/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const vok::StandardColorTable table = vok::StandardColorsFromText(text);
        std::string written;
        for (const std::string& line : vok::StandardColorLines(table)) written += line + "\r\n";
        // The list keeps a colour's 24 bits; an empty position stays empty.
        const vok::StandardColorTable again = vok::StandardColorsFromText(written);
        for (std::size_t i = 0; i < table.size(); ++i)
            if (again[i] != (table[i] < 0 ? -1 : (table[i] & 0xFFFFFF))) __builtin_trap();
    } catch (const vok::Exception&) {
    }
    return 0;
}

void VokFuzzSeeds(std::vector<std::string>& seeds) {
    seeds.push_back("FFFF00\r\n\r\n\r\n\r\nFF00FF\r\n");
    seeds.push_back("000000\n0000FF\n00FF00\nFF0000\n1234567\nzz\n-1\n");
}
