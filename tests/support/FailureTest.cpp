#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "support/Check.h"
#include "support/Errors.h"

namespace vok {
namespace {

std::string Message(void (*raise)()) {
    try {
        raise();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(nothing raised)";
}

TEST(AssertionFailedHandler, NamesTheBareFileAndLine) {
    EXPECT_EQ(Message([] { AssertionFailedHandler("File invalid or corrupt", "/src/voklist/Unit5.cpp", 212); }),
              "File invalid or corrupt (Unit5.cpp, line 212)");
    EXPECT_EQ(Message([] { AssertionFailedHandler("m", "C:\\work\\Unit3.cpp", 7); }), "m (Unit3.cpp, line 7)");
    EXPECT_EQ(Message([] { AssertionFailedHandler("m", "mixed/dir\\QPix.cpp", 1); }), "m (QPix.cpp, line 1)");
    EXPECT_EQ(Message([] { AssertionFailedHandler("m", "Bare.cpp", 0); }), "m (Bare.cpp, line 0)");
}

TEST(AssertionFailedHandler, EmptyMessageReadsAssertionFailed) {
    EXPECT_EQ(Message([] { AssertionFailedHandler("", "a/b.cpp", 3); }), "Assertion failed (b.cpp, line 3)");
}

TEST(Checks, PassingChecksRaiseNothingAndFailedOnesNameTheirSite) {
    EXPECT_NO_THROW(ZQ_ASSERT(1 + 1 == 2, "never"));
    EXPECT_NO_THROW(ZQ_ASSERT_AT(true, "never", "Unit3.cpp", 398));
    EXPECT_EQ(Message([] { ZQ_ASSERT_AT(false, "Assertion failure", "Unit3.cpp", 398); }),
              "Assertion failure (Unit3.cpp, line 398)");
    const int line = __LINE__ + 1;
    const std::string text = Message([] { ZQ_ASSERT(false, "Picture must have 256 colors"); });
    EXPECT_EQ(text, "Picture must have 256 colors (FailureTest.cpp, line " + std::to_string(line) + ")");
    EXPECT_THROW(ZQ_ASSERT(false, ""), EAssertionFailed);
}

TEST(StandardReport, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(StandardReportText("File invalid or corrupt (Unit5.cpp, line 212)"),
              "File invalid or corrupt (Unit5.cpp, line 212)");
    EXPECT_EQ(StandardReportText("Done."), "Done.");
    EXPECT_EQ(StandardReportText("Bitmap image is not valid"), "Bitmap image is not valid.");
    EXPECT_EQ(StandardReportText("Code 5"), "Code 5.");  // '5' sorts after '.'
    EXPECT_EQ(StandardReportText("a-"), "a-");            // '-' sorts before '.'
    EXPECT_EQ(StandardReportText("path/"), "path/.");     // '/' sorts right after '.'
    EXPECT_EQ(StandardReportText("caf\xE9"), "caf\xE9.");  // bytes above 127 count as large
    EXPECT_EQ(StandardReportText(""), "");
}

TEST(OSErrors, CarryTheSystemTextOrTheGenericOne) {
    EXPECT_EQ(OSErrorText(0), "A call to an OS function failed");
    EXPECT_EQ(OSErrorText(ENOENT), "System Error.  Code: " + std::to_string(ENOENT) + ".\r\n" + std::strerror(ENOENT));
    errno = EACCES;
    try {
        RaiseLastOSError();
    } catch (const EOSError& e) {
        EXPECT_EQ(e.code(), EACCES);
        EXPECT_EQ(std::string(e.what()), OSErrorText(EACCES));
    }
    errno = 0;
    EXPECT_EQ(Message([] { RaiseLastOSError(); }), "A call to an OS function failed");
}

}  // namespace
}  // namespace vok
