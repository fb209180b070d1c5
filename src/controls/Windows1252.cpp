#include "controls/Windows1252.h"

namespace vok {

QString FromWindows1252(std::string_view text) {
    // 0x80 to 0x9F hold typographic characters; the rest is Latin-1.
    static const char16_t kRow80[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                        0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    QString result;
    result.reserve(qsizetype(text.size()));
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        result += byte >= 0x80 && byte < 0xA0 ? QChar(kRow80[byte - 0x80]) : QChar(byte);
    }
    return result;
}

}  // namespace vok
