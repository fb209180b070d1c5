#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ZqStrUtils.h"

namespace vok {
namespace {

std::vector<std::string> Tokens(const TZqParsedString& p) {
    std::vector<std::string> out;
    for (int i = 0; i < TokenCount(p, false); ++i) out.push_back(TokenText(p, i));
    return out;
}

using Strings = std::vector<std::string>;

TEST(ParseString, LineBreaksGiveEmptyTokensAndTrailingEmptiesCanBeIgnored) {
    const std::string text = "a\r\n\r\nb\r\n";
    const auto p = ParseString(text, kLineBreaks, 1);
    EXPECT_EQ(Tokens(p), (Strings{"a", "", "b", ""}));
    EXPECT_EQ(TokenCount(p, false), 4);
    EXPECT_EQ(TokenCount(p, true), 3);
    EXPECT_EQ(p.size(), 8u);
    EXPECT_EQ(p.front(), text.data());
    EXPECT_EQ(p.back(), text.data() + text.size());
}

TEST(ParseString, EmptyTextIsOneEmptyToken) {
    const std::string text;
    const auto p = ParseString(text, kLineBreaks, 1);
    EXPECT_EQ(TokenCount(p, false), 1);
    EXPECT_EQ(TokenCount(p, true), 0);
    EXPECT_EQ(TokenText(p, 0), "");
    const auto q = ParseString("\r\n\r\n", kLineBreaks, 1);
    EXPECT_EQ(TokenCount(q, false), 3);
    EXPECT_EQ(TokenCount(q, true), 0);
}

TEST(ParseString, AtEachPositionTheFirstSeparatorInListOrderWins) {
    const std::string text = "x\r\ny";
    EXPECT_EQ(Tokens(ParseString(text, {"\r\n", "\n"})), (Strings{"x", "y"}));
    // The CR LF starts before the LF, so it is found first whatever the order.
    EXPECT_EQ(Tokens(ParseString(text, {"\n", "\r\n"})), (Strings{"x", "y"}));
    EXPECT_EQ(Tokens(ParseString("x\ny\r\nz", {"\n", "\r\n"})), (Strings{"x", "y", "z"}));
    EXPECT_EQ(Tokens(ParseString("xaby", {"a", "ab"})), (Strings{"x", "by"}));
    EXPECT_EQ(Tokens(ParseString("xaby", {"ab", "a"})), (Strings{"x", "y"}));
}

TEST(ParseString, SeparatorsDoNotOverlapAndNeverReachPastTheEnd) {
    EXPECT_EQ(Tokens(ParseString("aaa", {"aa"})), (Strings{"", "a"}));
    // "ab" would need one more character at the end.
    EXPECT_EQ(Tokens(ParseString("xa", {"ab"})), (Strings{"xa"}));
    // An empty separator never matches.
    EXPECT_EQ(Tokens(ParseString("abc", {"", "b"})), (Strings{"a", "c"}));
    // Case counts.
    EXPECT_EQ(Tokens(ParseString("aXbxc", {"x"})), (Strings{"aXb", "c"}));
}

TEST(ParseString, StartPositionIsOneBased) {
    const std::string text = "a,b,c";
    EXPECT_EQ(Tokens(ParseString(text, {","}, 3)), (Strings{"b", "c"}));
    EXPECT_EQ(Tokens(ParseString(text, {","}, 6)), (Strings{""}));
}

TEST(ParseString, TokensPointIntoTheText) {
    const std::string text = "ab;cd";
    const auto p = ParseString(text, {";"});
    EXPECT_EQ(p[1], text.data() + 2);
    EXPECT_EQ(p[2], text.data() + 3);
    EXPECT_EQ(TokenView(p, 1).data(), text.data() + 3);
}

TEST(ParseToken, SplitsOneTokenOfAnEarlierSplit) {
    const std::string text = "1 2 3\r\n4 5\r\n";
    const auto lines = ParseString(text, kLineBreaks);
    const auto cols = ParseToken(lines, 1, {" "});
    EXPECT_EQ(Tokens(cols), (Strings{"4", "5"}));
    EXPECT_EQ(cols.front(), lines[2]);
    EXPECT_EQ(cols.back(), lines[3]);
    // An empty token splits into one empty token.
    EXPECT_EQ(Tokens(ParseToken(lines, 2, {" "})), (Strings{""}));
}

TEST(TokensText, JoinsTokensWithTheirSeparators) {
    std::string text;
    for (int i = 0; i < 20; ++i) text += std::to_string(i) + (i % 2 ? "\r\n" : ";");
    const auto p = ParseString(text, {";", "\r\n"});
    std::string expected;
    for (int i = 2; i < 15; ++i) expected += std::to_string(i) + (i == 14 ? "" : (i % 2 ? "\r\n" : ";"));
    EXPECT_EQ(TokensText(p, 2, 15), expected);
    EXPECT_EQ(TokensText(p, 5, 5), "");
    EXPECT_EQ(TokensText(p, 6, 2), "");
    EXPECT_EQ(TokensText(p, 19, INT_MAX), "19\r\n");
    EXPECT_EQ(TokensText(p, 0), text);
}

TEST(ReplaceInString, ReplacesFirstOrAllOccurrences) {
    EXPECT_EQ(ReplaceInString("a\nb\n", "\n", "\r\n", rfReplaceAll), "a\r\nb\r\n");
    EXPECT_EQ(ReplaceInString("a\nb\n", "\n", "\r\n", 0), "a\r\nb\n");
    EXPECT_EQ(ReplaceInString("aaaa", "aa", "b", rfReplaceAll), "bb");
    EXPECT_EQ(ReplaceInString("aaa", "aa", "xy", rfReplaceAll), "xya");
    EXPECT_EQ(ReplaceInString("one two one", "one", "", rfReplaceAll), " two ");
    EXPECT_EQ(ReplaceInString("abc", "", "x", rfReplaceAll), "abc");
    EXPECT_EQ(ReplaceInString("abc", "z", "x", rfReplaceAll), "abc");
    EXPECT_EQ(ReplaceInString("", "z", "x", rfReplaceAll), "");
    EXPECT_EQ(ReplaceInString("abcabc", "abc", "abcabc", rfReplaceAll), "abcabcabcabc");
}

TEST(ReplaceInString, IgnoringCaseKeepsTheCaseOfTheRest) {
    EXPECT_EQ(ReplaceInString("Hello HELLO hello", "hello", "bye", rfReplaceAll | rfIgnoreCase), "bye bye bye");
    EXPECT_EQ(ReplaceInString("Xa xA", "XA", "yy", rfIgnoreCase), "yy xA");
    EXPECT_EQ(ReplaceInString("Hello", "hello", "bye", rfReplaceAll), "Hello");
    // Windows-1252 letters: e acute (0xE9) matches E acute (0xC9).
    EXPECT_EQ(ReplaceInString("Caf\xC9 caf\xE9", "CAF\xE9", "tea", rfReplaceAll | rfIgnoreCase), "tea tea");
}

}  // namespace
}  // namespace vok
