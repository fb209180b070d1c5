#include <gtest/gtest.h>

#include "support/Errors.h"
#include "support/ZqStrUtils.h"

namespace vok {
namespace {

TEST(IntToStrBase, ConvertsInAnyBase) {
    EXPECT_EQ(IntToStrBase(INT32_MIN, 10), "-2147483648");
    EXPECT_EQ(IntToStrBase(INT32_MAX, 10), "2147483647");
    EXPECT_EQ(IntToStrBase(255, 16, 0, true), "FF");
    EXPECT_EQ(IntToStrBase(255, 16, 0, false), "ff");
    EXPECT_EQ(IntToStrBase(0, 10), "0");
    EXPECT_EQ(IntToStrBase(5, 2), "101");
    EXPECT_EQ(IntToStrBase(35, 36), "Z");
    EXPECT_EQ(IntToStrBase(-1, 16), "-1");
    EXPECT_EQ(IntToStrBase(10, 1), "");
    EXPECT_EQ(IntToStrBase(10, 37), "");
}

TEST(IntToStrBase, GroupsThreeDigitsFromTheRight) {
    EXPECT_EQ(IntToStrBase(1234567, 10, ','), "1,234,567");
    EXPECT_EQ(IntToStrBase(-1234567, 10, ','), "-1,234,567");
    EXPECT_EQ(IntToStrBase(123456, 10, ','), "123,456");
    EXPECT_EQ(IntToStrBase(999, 10, ','), "999");
    EXPECT_EQ(IntToStrBase(0, 10, ','), "0");
}

struct Parsed {
    std::int32_t value;
    int code;
};

Parsed Parse(std::string_view text, int base = 10, char sep = 0, bool lead = true, bool trail = true) {
    Parsed p{};
    p.value = StrToIntBase(text, base, sep, lead, trail, &p.code);
    return p;
}

void ExpectParsed(std::string_view text, std::int32_t value, int code, int base = 10, char sep = 0) {
    const Parsed p = Parse(text, base, sep);
    EXPECT_EQ(p.value, value) << '"' << text << '"';
    EXPECT_EQ(p.code, code) << '"' << text << '"';
}

TEST(StrToIntBase, ReadsNumbersAndReportsWhatWentWrong) {
    ExpectParsed("$1F", 31, 0);
    ExpectParsed("-$10", -16, 0);
    ExpectParsed("", 0, 1);
    ExpectParsed(std::string_view(), 0, 1);
    ExpectParsed("12a", 12, 4);
    ExpectParsed("12a", 298, 0, 16);
    ExpectParsed("2147483648", 2147483647, 2);
    ExpectParsed("-2147483648", INT32_MIN, 0);
    ExpectParsed("-2147483649", INT32_MIN, 2);
    ExpectParsed("99999999999x", 2147483647, 2 + 4);
    ExpectParsed("1,234", 1234, 0, 10, ',');
    ExpectParsed("1,234", 1, 4);
    ExpectParsed("+7", 7, 0);
    ExpectParsed("  42  ", 42, 0);
    ExpectParsed("-", 0, 1);
    ExpectParsed("abc", 0, 1 + 4);
    ExpectParsed("zz", 35 * 36 + 35, 0, 36);
    ExpectParsed("101", 5, 0, 2);
    ExpectParsed("12", 0, 3, 1);
    ExpectParsed("12", 0, 3, 37);
}

TEST(StrToIntBase, OverflowSkipsTheRemainingDigitsAndSeparators) {
    ExpectParsed("4,294,967,296,123", 2147483647, 2, 10, ',');
    ExpectParsed("FFFFFFFFF", 2147483647, 2, 16);
    ExpectParsed("-80000000", INT32_MIN, 0, 16);
}

TEST(StrToIntBase, BlanksAreSkippedOnlyWhenAsked) {
    EXPECT_EQ(Parse(" 5", 10, 0, false, true).code, 1 + 4);
    EXPECT_EQ(Parse("5 ", 10, 0, true, false).code, 4);
    EXPECT_EQ(Parse("5 ", 10, 0, true, false).value, 5);
    EXPECT_EQ(StrToIntBase("77", 8), 63);  // no place for the code
}

TEST(TryTextToInt, DecimalFollowsTheRuntimeRules) {
    std::int32_t v = 0;
    EXPECT_TRUE(TryTextToInt("123", v));
    EXPECT_EQ(v, 123);
    EXPECT_TRUE(TryTextToInt("  -45", v));
    EXPECT_EQ(v, -45);
    EXPECT_TRUE(TryTextToInt("+0045", v));
    EXPECT_EQ(v, 45);
    EXPECT_TRUE(TryTextToInt("2147483647", v));
    EXPECT_EQ(v, 2147483647);
    EXPECT_TRUE(TryTextToInt("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    for (const char* bad : {"", " ", "-", "+", "2147483648", "-2147483649", "12 ", "1 2", "12a", "a", "--1", "1.0",
                            "99999999999999999999"})
        EXPECT_FALSE(TryTextToInt(bad, v)) << '"' << bad << '"';
}

TEST(TryTextToInt, HexadecimalIsA32BitPattern) {
    std::int32_t v = 0;
    const std::pair<const char*, std::int32_t> good[] = {
        {"$FF", 255},         {"$ff", 255},          {"x10", 16},  {"X10", 16},
        {"0x1f", 31},         {"0X1F", 31},          {"-$10", -16}, {" +$7", 7},
        {"$7FFFFFFF", INT32_MAX}, {"$80000000", INT32_MIN}, {"$FFFFFFFF", -1}, {"$00FFFFFFFF", -1},
        {"$FF0000", 0xFF0000}, {"-$FFFFFFFF", 1}};
    for (const auto& [text, value] : good) {
        EXPECT_TRUE(TryTextToInt(text, v)) << text;
        EXPECT_EQ(v, value) << text;
    }
    for (const char* bad : {"$", "0x", "x", "-$", "$100000000", "$FG", "$ 1", "0x 1", "$1 "})
        EXPECT_FALSE(TryTextToInt(bad, v)) << '"' << bad << '"';
}

TEST(TextToInt, RaisesTheConversionError) {
    EXPECT_EQ(TextToInt("$10"), 16);
    try {
        TextToInt("1x");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1x' is not a valid integer value");
    }
}

TEST(DigitValue, KnowsDigitsAndLettersBelowTheBase) {
    EXPECT_EQ(DigitValue('7', 8), 7);
    EXPECT_EQ(DigitValue('8', 8), -1);
    EXPECT_EQ(DigitValue('a', 16), 10);
    EXPECT_EQ(DigitValue('F', 16), 15);
    EXPECT_EQ(DigitValue('g', 16), -1);
    EXPECT_EQ(DigitValue('Z', 36), 35);
    EXPECT_EQ(DigitValue('z', 36), 35);
    EXPECT_EQ(DigitValue(' ', 36), -1);
    EXPECT_EQ(DigitValue(' ', 40), -1);
    EXPECT_EQ(DigitValue('\xE9', 36), -1);
    EXPECT_EQ(DigitValue('0', 0), -1);
}

}  // namespace
}  // namespace vok
