#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colours/ColourTestPictures.h"
#include "colours/ShadowCopy.h"
#include "support/Errors.h"

namespace vok {

using namespace vok::test;

namespace {

using test::kDefaults;
const std::uint32_t kMagenta = RGB(255, 0, 255);

// An 8-bit picture with the default colours at 0..7 and plain colours above;
// pixel (x, y) has index x + 16 * y.
Bitmap IndexRamp(int w = 16, int h = 16) {
    std::vector<std::uint32_t> colors = PlainColors();
    for (int k = 0; k < 8; ++k) colors[k] = std::uint32_t(kDefaults[k]);
    Bitmap b = Paletted(w, h, colors);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) SetIndex(b, x, y, std::uint8_t((x + 16 * y) & 0xFF));
    return b;
}

// A row of indexes as an 8-bit picture of height 1.
Bitmap Row(const std::vector<std::uint8_t>& indexes) {
    std::vector<std::uint32_t> colors = PlainColors();
    for (int k = 0; k < 8; ++k) colors[k] = std::uint32_t(kDefaults[k]);
    Bitmap b = Paletted(int(indexes.size()), 1, colors);
    for (std::size_t i = 0; i < indexes.size(); ++i) SetIndex(b, int(i), 0, indexes[i]);
    return b;
}

std::vector<std::uint8_t> IndexesOf(const Bitmap& b, int y = 0) {
    std::vector<std::uint8_t> v;
    for (int x = 0; x < b.width(); ++x) v.push_back(IndexAt(b, x, y));
    return v;
}

using Indexes = std::vector<std::uint8_t>;

}  // namespace

TEST(DeleteShadows, EightBitTurnsSpecialPositionsIntoBackground) {
    Bitmap b = IndexRamp();
    b.colorTable()[20] = ToQuad(kMagenta);  // looks like the shadow, but is not at its position
    DeleteShadows(b, kDefaults);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(IndexAt(b, i % 16, i / 16), i < 8 ? 0 : i) << i;
}

TEST(DeleteShadows, TrueColourChangesExactMatchesOnly) {
    Bitmap b = TrueColor(4, 1, RGB(9, 9, 9));
    SetColor24(b, 0, 0, kMagenta);
    SetColor24(b, 1, 0, RGB(255, 0, 254));
    SetColor24(b, 2, 0, RGB(0, 255, 0));
    DeleteShadows(b, kDefaults);
    EXPECT_EQ(b.colorAt(0, 0), RGB(0, 255, 255));
    EXPECT_EQ(b.colorAt(1, 0), RGB(255, 0, 254));
    EXPECT_EQ(b.colorAt(2, 0), RGB(0, 255, 255));
    EXPECT_EQ(b.colorAt(3, 0), RGB(9, 9, 9));

    StandardColorTable noBackground = kDefaults;
    noBackground[0] = -1;
    SetColor24(b, 0, 0, kMagenta);
    DeleteShadows(b, noBackground);
    EXPECT_EQ(b.colorAt(0, 0), 0u);  // black stands in for the missing background
}

TEST(DeleteShadows, UnsupportedLayoutIsTheAccessorsFailure) {
    Bitmap b(2, 2, PixelFormat::Bits32);
    b.setCustomLayout({32, Compression::BitFields, 0xFF, 0xFF00, 0xFF0000});
    try {
        DeleteShadows(b, kDefaults);
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_STREQ(e.what(), "Bitmap format is not supported (QPix.cpp, line 182)");
    }
}

TEST(CopyShadows, EightBitOverwriteAndBackground) {
    Bitmap target = Row({20, 21, 22, 23, 0, 24});
    const Bitmap source = Row({0, 4, 30, 7, 31, 1});
    CopyShadows(target, source, kDefaults, {});
    EXPECT_EQ(IndexesOf(target), (Indexes{0, 4, 22, 7, 0, 1}));
}

TEST(CopyShadows, WithoutOverwriteOnlyBackgroundChanges) {
    Bitmap target = Row({20, 0, 0, 23});
    const Bitmap source = Row({4, 4, 30, 1});
    CopyShadows(target, source, kDefaults, {false, true, 0, 0});
    EXPECT_EQ(IndexesOf(target), (Indexes{20, 4, 0, 23}));
}

TEST(CopyShadows, WithoutBackgroundNeverWritesPositionZero) {
    Bitmap target = Row({20, 21, 22});
    const Bitmap source = Row({0, 4, 0});
    CopyShadows(target, source, kDefaults, {true, false, 0, 0});
    EXPECT_EQ(IndexesOf(target), (Indexes{20, 4, 22}));

    Bitmap target24 = TrueColor(2, 1, RGB(9, 9, 9));
    CopyShadows(target24, Row({0, 1}), kDefaults, {true, false, 0, 0});
    EXPECT_EQ(target24.colorAt(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(target24.colorAt(1, 0), RGB(255, 150, 255));
}

TEST(CopyShadows, ShiftRightMovesTheTargetsOwnPixels) {
    Bitmap target = Row({20, 21, 22, 23, 24, 25});
    const Bitmap source = Row({30, 30, 30, 4, 30, 30});
    CopyShadows(target, source, kDefaults, {true, true, 2, 0});
    // Columns 0 and 1 stay; 2..5 show former 0..3, with the source's shadow at column 3.
    EXPECT_EQ(IndexesOf(target), (Indexes{20, 21, 20, 4, 22, 23}));
}

TEST(CopyShadows, ShiftLeftLeavesTheLastColumns) {
    Bitmap target = Row({20, 21, 22, 23, 24, 25});
    const Bitmap source = Row({30, 30, 30, 30, 30, 30});
    CopyShadows(target, source, kDefaults, {true, true, -3, 0});
    EXPECT_EQ(IndexesOf(target), (Indexes{23, 24, 25, 23, 24, 25}));
}

TEST(CopyShadows, VerticalShiftsBothWays) {
    Bitmap down = IndexRamp(3, 4);
    const Bitmap plain = Paletted(3, 4, PlainColors(), 30);
    CopyShadows(down, plain, kDefaults, {true, true, 0, 1});
    EXPECT_EQ(IndexesOf(down, 0), (Indexes{0, 1, 2}));  // row 0 stays
    EXPECT_EQ(IndexesOf(down, 1), (Indexes{0, 1, 2}));
    EXPECT_EQ(IndexesOf(down, 3), (Indexes{32, 33, 34}));

    Bitmap up = IndexRamp(3, 4);
    CopyShadows(up, plain, kDefaults, {true, true, 0, -1});
    EXPECT_EQ(IndexesOf(up, 0), (Indexes{16, 17, 18}));
    EXPECT_EQ(IndexesOf(up, 2), (Indexes{48, 49, 50}));
    EXPECT_EQ(IndexesOf(up, 3), (Indexes{48, 49, 50}));  // the last row stays

    Bitmap far = IndexRamp(3, 4);
    const Bitmap before = far;
    CopyShadows(far, plain, kDefaults, {true, true, 1000, 0});
    EXPECT_EQ(far, before);
}

TEST(CopyShadows, PalettedSourceOntoTrueColourTarget) {
    Bitmap target = TrueColor(4, 1, RGB(9, 9, 9));
    SetColor24(target, 3, 0, RGB(0, 255, 255));
    const Bitmap source = Row({4, 30, 0, 5});
    CopyShadows(target, source, kDefaults, {false, true, 5, 5});  // shifts do nothing here
    EXPECT_EQ(target.colorAt(0, 0), RGB(9, 9, 9));  // not background, no overwrite
    EXPECT_EQ(target.colorAt(1, 0), RGB(9, 9, 9));
    EXPECT_EQ(target.colorAt(3, 0), RGB(255, 255, 0));
    CopyShadows(target, source, kDefaults, {});
    EXPECT_EQ(target.colorAt(0, 0), kMagenta);
    EXPECT_EQ(target.colorAt(2, 0), RGB(0, 255, 255));
}

TEST(CopyShadows, TrueColourSourceOntoPalettedTarget) {
    StandardColorTable colors = kDefaults;
    colors[9] = ColorValue(kMagenta);  // the same colour twice: the lower position wins
    Bitmap source = TrueColor(5, 1, RGB(9, 9, 9));
    SetColor24(source, 0, 0, kMagenta);
    SetColor24(source, 1, 0, RGB(0, 255, 255));
    SetColor24(source, 2, 0, RGB(255, 0, 254));
    SetColor24(source, 4, 0, RGB(0, 255, 0));
    Bitmap target = Row({20, 21, 22, 23, 0});
    CopyShadows(target, source, colors, {true, false, 0, 0});
    EXPECT_EQ(IndexesOf(target), (Indexes{4, 21, 22, 23, 7}));
    Bitmap keep = Row({20, 0, 22, 23, 24});
    CopyShadows(keep, source, colors, {false, true, 0, 0});
    EXPECT_EQ(IndexesOf(keep), (Indexes{20, 0, 22, 23, 24}));
}

TEST(CopyShadows, TrueColourOntoTrueColour) {
    Bitmap source = TrueColor(3, 1, RGB(9, 9, 9));
    SetColor24(source, 0, 0, kMagenta);
    SetColor24(source, 1, 0, RGB(0, 255, 255));
    Bitmap target = TrueColor(3, 1, RGB(1, 2, 3));
    SetColor24(target, 0, 0, RGB(0, 255, 255));
    CopyShadows(target, source, kDefaults, {false, true, 0, 0});
    EXPECT_EQ(target.colorAt(0, 0), kMagenta);
    EXPECT_EQ(target.colorAt(1, 0), RGB(1, 2, 3));
    EXPECT_EQ(target.colorAt(2, 0), RGB(1, 2, 3));
    CopyShadows(target, source, kDefaults, {});
    EXPECT_EQ(target.colorAt(1, 0), RGB(0, 255, 255));
    EXPECT_EQ(target.colorAt(2, 0), RGB(1, 2, 3));
}

TEST(CopyShadows, SmallerSourceIsReportedBeforeAnyChange) {
    Bitmap target = Row({20, 21, 22});
    const Bitmap before = target;
    EXPECT_THROW(CopyShadows(target, Row({4, 4}), kDefaults, {}), Exception);
    EXPECT_EQ(target, before);
    // A larger source is read at the target's coordinates.
    CopyShadows(target, Row({4, 30, 30, 4}), kDefaults, {});
    EXPECT_EQ(IndexesOf(target), (Indexes{4, 21, 22}));
}

}  // namespace vok
