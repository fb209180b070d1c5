// libFuzzer target for the settings-file reader: any bytes must read, and a key set
// in the document must read back as set.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "support/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vok::IniDocument ini(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)ini.Value("Main Form", "StandardColors");
    ini.SetValue("Main Form", "OpenDialog4.FileName", "a.txl");
    const vok::IniDocument again(ini.Text());
    if (again.Value("Main Form", "OpenDialog4.FileName") != "a.txl") __builtin_trap();
    return 0;
}
