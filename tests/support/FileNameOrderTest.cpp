#include <gtest/gtest.h>

#include "support/CaseFold.h"
#include "support/FileNameOrder.h"

namespace vok {
namespace {

using Names = std::vector<std::string>;

Names Sorted(Names names) {
    SortFileNames(names);
    return names;
}

TEST(FileNameOrder, SignsBetweenTheCapitalsAndTheSmallLettersComeBeforeEveryLetter) {
    EXPECT_EQ(Sorted({"ab.bmp", "a_b.bmp", "A^.bmp", "a[.bmp", "aZ.bmp"}),
              (Names{"a[.bmp", "A^.bmp", "a_b.bmp", "ab.bmp", "aZ.bmp"}));
    // Both folder separators sort before the letters.
    EXPECT_EQ(Sorted({"/d/ab.bmp", "/d/a\\b.bmp", "/d/a/c.bmp"}), (Names{"/d/a/c.bmp", "/d/a\\b.bmp", "/d/ab.bmp"}));
}

TEST(FileNameOrder, NamesDifferingOnlyInCaseDoNotDependOnTheChosenOrder) {
    EXPECT_EQ(Sorted({"b.bmp", "a.bmp", "B.bmp"}), (Names{"a.bmp", "B.bmp", "b.bmp"}));
    EXPECT_EQ(Sorted({"B.bmp", "a.bmp", "b.bmp"}), (Names{"a.bmp", "B.bmp", "b.bmp"}));
    // Bytes above 0x7F are not letters to the file system: they come after "z".
    EXPECT_EQ(Sorted({"\xE9t\xE9.bmp", "z.bmp", "E.bmp"}), (Names{"E.bmp", "z.bmp", "\xE9t\xE9.bmp"}));
}

TEST(CaseFold, NamesFoldOnlyAsciiLetters) {
    EXPECT_TRUE(EqualsIgnoringCase("IMP.TxL", "imp.txl"));
    EXPECT_FALSE(EqualsIgnoringCase("\xC9.txl", "\xE9.txl"));
    EXPECT_FALSE(EqualsIgnoringCase("imp.txl", "imp.txl "));
    EXPECT_EQ(FoldTextCase('\xC9'), '\xE9');
}

}  // namespace
}  // namespace vok
