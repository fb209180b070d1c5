#pragma once
// Splitting text into tokens without copying, substring replacement, integer conversion.
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vok {

// Two entries per token: entry 2k is where token k starts, 2k+1 one past its end.
// The pointers point into the text that was split, which must outlive the result.
using TZqParsedString = std::vector<const char*>;
using TZqSeparators = std::vector<std::string_view>;

inline const TZqSeparators kLineBreaks = {"\r\n"};

// start is 1-based; every caller passes 1.
TZqParsedString ParseString(std::string_view text, const TZqSeparators& separators, int start = 1);
TZqParsedString ParseToken(const TZqParsedString& parsed, int index, const TZqSeparators& separators);
std::string TokenText(const TZqParsedString& parsed, int index);
std::string_view TokenView(const TZqParsedString& parsed, int index);
// From the start of token first to the end of token end-1; INT_MAX means up to the end.
std::string TokensText(const TZqParsedString& parsed, int first, int end = INT_MAX);
int TokenCount(const TZqParsedString& parsed, bool ignoreTrailingEmpty);

enum ReplaceFlags : unsigned { rfReplaceAll = 1, rfIgnoreCase = 2 };
std::string ReplaceInString(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                            unsigned flags);

// The runtime's integer conversion: blanks, sign, decimal or hex after $, x, X, 0x, 0X.
bool TryTextToInt(std::string_view text, std::int32_t& value);
// Raises EConvertError "'%s' is not a valid integer value".
std::int32_t TextToInt(std::string_view text);

std::string IntToStrBase(std::int32_t value, int base, char groupSeparator = 0, bool upperCase = true);
// Error code: 0 success, 1 no digits (or no text), 2 overflow, 3 bad base, plus 4 when
// characters remain after the number. A leading '$' switches to base 16.
std::int32_t StrToIntBase(std::string_view text, int base, char groupSeparator = 0, bool skipLeadingBlanks = true,
                          bool skipTrailingBlanks = true, int* errorCode = nullptr);
int DigitValue(char c, int base);

}  // namespace vok
