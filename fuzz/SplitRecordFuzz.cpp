// libFuzzer target for the ".parts" record that Combine leaves for Split: every input is
// read or refused with a message naming the file, and a record read is written back as
// text that reads as the same record.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSeeds.h"
#include "colours/SplitRecord.h"
#include "support/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const vok::SplitRecord record = vok::ParseSplitRecord(text, "All.bmp.parts");
        for (std::size_t k = 0; k < record.size(); ++k)
            if (record.PartWidths[k] <= 0 || record.PartHeights[k] <= 0) __builtin_trap();
        if (!(vok::ParseSplitRecord(vok::FormatSplitRecord(record), "again") == record)) __builtin_trap();
    } catch (const vok::Exception& e) {
        if (std::string_view(e.what()).find("All.bmp.parts") == std::string_view::npos) __builtin_trap();
    }
    return 0;
}

void VokFuzzSeeds(std::vector<std::string>& seeds) {
    seeds.push_back("100 80 a b.bmp\r\n120 90 C.BMP\r\n");
    seeds.push_back("1 1 x.bmp\n2147483647 3 y.bmp\n0 5 z.bmp\n");
}
