#include <cstdint>
#include <string>

#include "support/Errors.h"
#include "support/ZqStrUtils.h"

namespace vok {

// The runtime's conversion: leading blanks, a sign, then decimal digits or
// hexadecimal digits after $, x, X, 0x or 0X; the whole text must be consumed.
bool TryTextToInt(std::string_view text, std::int32_t& value) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n) return false;
    std::uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const int d = DigitValue(text[i], hex ? 16 : 10);
        if (d < 0) return false;
        magnitude = magnitude * (hex ? 16 : 10) + std::uint64_t(d);
        if (hex ? magnitude > 0xFFFFFFFFull : magnitude > 2147483648ull) return false;
    }
    if (hex) {
        const auto pattern = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        value = negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(pattern)) : pattern;
        return true;
    }
    if (!negative && magnitude > 2147483647ull) return false;
    value = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                     : static_cast<std::int32_t>(magnitude);
    return true;
}

std::int32_t TextToInt(std::string_view text) {
    std::int32_t value = 0;
    if (!TryTextToInt(text, value)) RaiseNotInteger(std::string(text));
    return value;
}

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'A' && c <= 'Z') v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'z') v = c - 'a' + 10;
    // A byte that is no digit stays no digit, whatever base the caller names.
    return v >= 0 && v < base ? v : -1;
}

}  // namespace vok
