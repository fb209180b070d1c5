// libFuzzer target for the three VokList readers (the editor's, the generator's and the
// frame-name reader): every input is read or refused with the program's own message, and
// a list the editor read is written back as text it reads again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSeeds.h"
#include "shadow/ShadowList.h"
#include "support/Errors.h"
#include "voklist/VokList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names;
    vok::AppendVokListFrameNames(text, names);
    for (const std::string& name : names)
        if (name.empty()) __builtin_trap();
    try {
        vok::TVokListDocument doc;
        vok::ParseVokListText(text, doc);
        const std::string written = vok::VokListText(doc);
        for (std::size_t i = 0; i < written.size(); ++i)
            if (written[i] == '\n' && (i == 0 || written[i - 1] != '\r')) __builtin_trap();
    } catch (const vok::Exception&) {
    }
    try {
        const vok::TShadowList list = vok::ParseShadowList(text);
        if (list.Names.size() != list.Rows.size()) __builtin_trap();
    } catch (const vok::Exception&) {
    }
    return 0;
}

void VokFuzzSeeds(std::vector<std::string>& seeds) {
    std::string header;
    for (const char* line : {"0", "7", "T.vok", "FALSE", "FALSE", "TRUE", "450", "400", "", "0", "FALSE", "FALSE",
                             "FALSE", "Auto", "Auto 260"})
        header += std::string(line) + "\r\n";
    seeds.push_back(header + "stand.bmp  0+\r\nwalk1.bmp\r\nwalk2.bmp  1+\r\nhit.bmp  2+\r\n");
    seeds.push_back("a.bmp\nb b.bmp  0+\n\nc.bmp 21+\n");
    seeds.push_back(header + "sub\\x.bmp  0+\r\n  +\r\nx 2147483647+\r\n");
}
