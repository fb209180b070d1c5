#include <cstdint>
#include <string>

#include "support/ZqStrUtils.h"

namespace vok {

std::string IntToStrBase(std::int32_t value, int base, char groupSeparator, bool upperCase) {
    if (base < 2 || base > 36) return {};
    if (value == 0) return "0";
    // The magnitude as an unsigned number, so the most negative value converts too.
    std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    const char* digits = upperCase ? "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ" : "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string reversed;
    int produced = 0;
    while (magnitude != 0) {
        if (groupSeparator != 0 && produced > 0 && produced % 3 == 0) reversed.push_back(groupSeparator);
        reversed.push_back(digits[magnitude % std::uint32_t(base)]);
        magnitude /= std::uint32_t(base);
        ++produced;
    }
    if (value < 0) reversed.push_back('-');
    return std::string(reversed.rbegin(), reversed.rend());
}

std::int32_t StrToIntBase(std::string_view text, int base, char groupSeparator, bool skipLeadingBlanks,
                          bool skipTrailingBlanks, int* errorCode) {
    int code = 0;
    auto finish = [&](std::int32_t v) {
        if (errorCode) *errorCode = code;
        return v;
    };
    if (text.data() == nullptr) {
        code = 1;
        return finish(0);
    }
    if (base < 2 || base > 36) {
        code = 3;
        return finish(0);
    }
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (skipLeadingBlanks)
        while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    }
    auto atNumberChar = [&](std::size_t k) {
        return (groupSeparator != 0 && text[k] == groupSeparator) || DigitValue(text[k], base) >= 0;
    };
    std::uint32_t magnitude = 0;
    bool consumed = false, overflow = false;
    for (; i < n && atNumberChar(i); ++i) {
        consumed = true;
        if (groupSeparator != 0 && text[i] == groupSeparator) continue;
        const std::uint64_t next = std::uint64_t(magnitude) * std::uint64_t(base) + std::uint64_t(DigitValue(text[i], base));
        if (next > 0xFFFFFFFFull) {
            overflow = true;
            break;
        }
        magnitude = std::uint32_t(next);
    }
    std::int32_t value = 0;
    if (!consumed) {
        code = 1;
    } else {
        const std::uint32_t limit = negative ? 2147483648u : 2147483647u;
        if (overflow || magnitude > limit) {
            code = 2;
            value = negative ? INT32_MIN : INT32_MAX;
            while (i < n && atNumberChar(i)) ++i;
        } else {
            value = negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
        }
    }
    if (skipTrailingBlanks)
        while (i < n && text[i] == ' ') ++i;
    if (i < n) code += 4;
    return finish(value);
}

}  // namespace vok
