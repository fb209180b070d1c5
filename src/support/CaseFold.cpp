#include "support/CaseFold.h"

#include <algorithm>

namespace vok {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldNameCase(x) == FoldNameCase(y); });
}

char FoldTextCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return char(u + 32);
    switch (u) {
    case 0x8A: return char(0x9A);
    case 0x8C: return char(0x9C);
    case 0x8E: return char(0x9E);
    case 0x9F: return char(0xFF);
    default: return FoldNameCase(c);
    }
}

}  // namespace vok
