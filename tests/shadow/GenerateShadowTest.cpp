#include <gtest/gtest.h>

#include "FramePictures.h"
#include "shadow/Selection.h"
#include "shadow/ShadowGenerator.h"
#include "shadow/ShadowMask.h"
#include "support/Errors.h"

namespace vok {
namespace {

using test::At;
using test::Dump;
using test::FillRect;
using test::Frame8;
using test::Put;

bool IsShadow(std::uint8_t v) { return v == 1 || v == 4; }

TEST(GenerateShadow, CreatureShadowLandsOnRows173To259) {
    // A comb of figure rows exactly on the sampled rows 3r + 1, background between them.
    Bitmap frame = Frame8(450, 400);
    for (int r = 0; r < 87; ++r) FillRect(frame, 100, 3 * r + 1, 200, 3 * r + 2, 40);
    GenerateShadow(frame, 260, ShadowKind::Creature, false);
    for (int y = 0; y < 400; ++y) {
        for (int x : {99, 100, 150, 199, 200}) {
            const std::uint8_t v = At(frame, x, y);
            const bool figureRow = y % 3 == 1 && y < 260 && x >= 100 && x < 200;
            if (figureRow) {
                EXPECT_EQ(v, 40);
            }
            else if (y >= 173 && y < 260 && x >= 100 && x < 200) EXPECT_TRUE(IsShadow(v)) << x << "," << y;
            else EXPECT_EQ(v, 0) << x << "," << y;
        }
    }
    // Sides of the shadow are border, its inside body.
    EXPECT_EQ(At(frame, 100, 200), 1);
    EXPECT_EQ(At(frame, 150, 200), 4);
    // The top mask row is border where it meets background above only via its sides.
    EXPECT_EQ(At(frame, 150, 173), 4);
}

TEST(GenerateShadow, SlantedMaskPlacedWithColumnOffset44) {
    Bitmap frame = Frame8(100, 100);
    FillRect(frame, 60, 0, 70, 10, 99);   // high up: the shadow falls far to the left
    FillRect(frame, 80, 90, 90, 100, 99);  // standing on the base line
    const Bitmap original = frame;
    Bitmap mask = TransformMask(frame, ShadowMatrix(ShadowKind::Slanted), {0, 0, 100, 100});
    MarkShadowBorder(mask);
    ASSERT_EQ(mask.width(), 144);
    ASSERT_EQ(mask.height(), 62);

    GenerateShadow(frame, 100, ShadowKind::Slanted, false);
    for (int i = 0; i < 100; ++i)
        for (int j = 0; j < 100; ++j) {
            const std::uint8_t before = At(original, j, i);
            const std::uint8_t expected = before == 0 && i >= 38 ? At(mask, j + 44, i - 38) : before;
            ASSERT_EQ(At(frame, j, i), expected) << j << "," << i;
        }
    EXPECT_TRUE(IsShadow(At(frame, 20, 40)));   // the high block's shadow
    for (int j = 36; j < 100; ++j) EXPECT_FALSE(IsShadow(At(frame, j, 40))) << j;
    EXPECT_TRUE(IsShadow(At(frame, 79, 98)) || IsShadow(At(frame, 78, 98)));
}

TEST(GenerateShadow, NeverCoversSpecialColoursOrFigure) {
    Bitmap frame = Frame8(30, 30);
    FillRect(frame, 10, 0, 20, 27, 77);
    for (int v = 1; v <= 8; ++v) Put(frame, 9 + v, 28, std::uint8_t(v));
    Bitmap before = frame;
    GenerateShadow(frame, 30, ShadowKind::Creature, false);
    for (int v = 1; v <= 8; ++v) EXPECT_EQ(At(frame, 9 + v, 28), v);
    EXPECT_EQ(At(frame, 19, 28), 1);  // the background pixel beside them took the shadow
    for (int y = 0; y < 27; ++y) EXPECT_EQ(At(frame, 15, y), 77);
    EXPECT_NE(frame, before);
}

TEST(GenerateShadow, SecondRunAddsOnlyOnBackground) {
    Bitmap frame = Frame8(60, 60);
    FillRect(frame, 20, 5, 35, 45, 120);
    GenerateShadow(frame, 50, ShadowKind::Slanted, true);
    const Bitmap once = frame;
    GenerateShadow(frame, 50, ShadowKind::Slanted, true);
    EXPECT_EQ(frame, once) << Dump(frame);

    // Another base line keeps every pixel already set and only fills background.
    GenerateShadow(frame, 58, ShadowKind::Slanted, true);
    int added = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            if (At(once, x, y) != 0) {
                EXPECT_EQ(At(frame, x, y), At(once, x, y));
            }
            else added += At(frame, x, y) != 0;
        }
    EXPECT_GT(added, 0);
}

TEST(GenerateShadow, BadFramesAreLeftUnchanged) {
    Bitmap frame = Frame8(20, 20);
    FillRect(frame, 5, 5, 10, 10, 50);
    const Bitmap before = frame;
    for (int base : {0, -3}) {
        try {
            GenerateShadow(frame, base, ShadowKind::Creature, true);
            FAIL();
        } catch (const EAssertionFailed& e) {
            EXPECT_STREQ(e.what(), "Assertion failure (Unit3.cpp, line 398)");
        }
        EXPECT_EQ(frame, before);
    }
    Bitmap deep(20, 20, PixelFormat::Bits24);
    deep.fill(0x00FFFFFF);
    const Bitmap deepBefore = deep;
    EXPECT_THROW(GenerateShadow(deep, 10, ShadowKind::Slanted, true), EAssertionFailed);
    EXPECT_EQ(deep, deepBefore);
}

TEST(GenerateShadow, BaseLineBelowThePictureIsAccepted) {
    Bitmap frame = Frame8(30, 30);
    FillRect(frame, 10, 0, 20, 30, 60);
    // The source is clipped to the 30 rows; the 10-row mask still ends on row 39.
    GenerateShadow(frame, 40, ShadowKind::Creature, false);
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(At(frame, 9, y), 0);
        EXPECT_EQ(At(frame, 15, y), 60);
    }
    Bitmap far = Frame8(30, 30, 0);
    FillRect(far, 10, 0, 20, 30, 60);
    EXPECT_NO_THROW(GenerateShadow(far, 2000000000, ShadowKind::Slanted, true));
}

TEST(GenerateShadow, BottomUpAndTopDownFramesAgree) {
    Bitmap a = Frame8(40, 40);
    FillRect(a, 10, 3, 25, 30, 200);
    Bitmap b = a;
    b.setBottomUp(!a.bottomUp());
    GenerateShadow(a, 32, ShadowKind::Slanted, true);
    GenerateShadow(b, 32, ShadowKind::Slanted, true);
    b.setBottomUp(a.bottomUp());
    EXPECT_EQ(a, b);
}

TEST(DrawSelection, OutlineKeepsShadowInformation) {
    Bitmap frame = Frame8(7, 7);
    Put(frame, 3, 3, 9);  // the figure
    Put(frame, 2, 3, 0);  // left: background
    Put(frame, 3, 2, 4);  // above: shadow body
    Put(frame, 4, 3, 1);  // right: shadow border
    Put(frame, 3, 4, 2);  // below: another special colour
    Put(frame, 2, 2, 4);  // diagonal: untouched
    Put(frame, 4, 4, 1);  // diagonal: untouched
    DrawSelection(frame);
    EXPECT_EQ(At(frame, 2, 3), 5);
    EXPECT_EQ(At(frame, 3, 2), 6);
    EXPECT_EQ(At(frame, 4, 3), 7);
    EXPECT_EQ(At(frame, 3, 4), 5);
    EXPECT_EQ(At(frame, 2, 2), 4);
    EXPECT_EQ(At(frame, 4, 4), 1);
    EXPECT_EQ(At(frame, 3, 3), 9);
    const Bitmap once = frame;
    DrawSelection(frame);
    EXPECT_EQ(frame, once);
}

TEST(DrawSelection, EveryValueMapsToItsOutline) {
    const std::uint8_t expected[9] = {5, 7, 5, 5, 6, 5, 6, 7, 5};
    for (int v = 0; v <= 8; ++v) {
        Bitmap frame = Frame8(2, 1);
        Put(frame, 0, 0, std::uint8_t(v));
        Put(frame, 1, 0, 255);
        DrawSelection(frame);
        EXPECT_EQ(At(frame, 0, 0), expected[v]) << "value " << v;
    }
}

TEST(DrawSelection, PictureEdgesCountAsNothing) {
    Bitmap frame = Frame8(3, 3, 0);
    Put(frame, 0, 0, 10);
    DrawSelection(frame);
    EXPECT_EQ(Dump(frame), "#50\n500\n000\n");
}

TEST(FindBaseLine, LowestNonZeroRow) {
    Bitmap frame = Frame8(10, 12);
    EXPECT_EQ(FindBaseLine(frame), 12);
    Put(frame, 9, 3, 1);
    EXPECT_EQ(FindBaseLine(frame), 3);
    Put(frame, 0, 7, 200);
    EXPECT_EQ(FindBaseLine(frame), 7);

    Bitmap deep(5, 5, PixelFormat::Bits24);
    deep.setHandleType(HandleType::DDB);
    EXPECT_EQ(FindBaseLine(deep), 5);
    EXPECT_EQ(deep.handleType(), HandleType::DIB);
    deep.fillRect(2, 1, 3, 2, 0x00010000);
    EXPECT_EQ(FindBaseLine(deep), 1);

    Bitmap none(0, 0, PixelFormat::Bits8);
    EXPECT_EQ(FindBaseLine(none), 0);
}

}  // namespace
}  // namespace vok
