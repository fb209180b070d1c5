#include <gtest/gtest.h>

#include "FramePictures.h"
#include "shadow/ShadowGenerator.h"
#include "shadow/ShadowMask.h"
#include "support/Errors.h"

namespace vok {
namespace {

using test::At;
using test::Frame8;
using test::Put;

TEST(TransformMask, CreatureMaskSamplesEveryThirdRow) {
    Bitmap frame = Frame8(450, 400);
    // Figure pixels on sampled rows (3r + 1) and on rows between them.
    Put(frame, 100, 31, 20);   // row 3*10 + 1: sampled as mask row 10
    Put(frame, 200, 30, 20);   // between samples: never seen
    Put(frame, 201, 32, 20);   // between samples: never seen
    Put(frame, 300, 259, 9);   // row 3*86 + 1: the last mask row
    Put(frame, 301, 259, 8);   // special colours are not figure
    Put(frame, 10, 262, 50);   // below the base line
    const Bitmap mask = TransformMask(frame, ShadowMatrix(ShadowKind::Creature), {0, 0, 450, 260});
    ASSERT_EQ(mask.width(), 450);
    ASSERT_EQ(mask.height(), 87);
    EXPECT_EQ(mask.pixelFormat(), PixelFormat::Bits8);
    EXPECT_EQ(mask.colorTable(), frame.colorTable());
    int bodies = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            ASSERT_TRUE(At(mask, x, y) == 0 || At(mask, x, y) == 4);
            bodies += At(mask, x, y) == 4;
        }
    EXPECT_EQ(bodies, 2);
    EXPECT_EQ(At(mask, 100, 10), 4);
    EXPECT_EQ(At(mask, 300, 86), 4);
}

TEST(TransformMask, SlantedMaskOfFullFrameIsAParallelogram) {
    const Bitmap frame = Frame8(100, 100, 30);
    const Bitmap mask = TransformMask(frame, ShadowMatrix(ShadowKind::Slanted), {0, 0, 100, 100});
    ASSERT_EQ(mask.width(), 144);
    ASSERT_EQ(mask.height(), 62);
    // The top mask row is the top of the frame, not shifted; the bottom row is
    // shifted right by 0.44 * 100.
    EXPECT_EQ(At(mask, 0, 0), 4);
    EXPECT_EQ(At(mask, 99, 0), 4);
    EXPECT_EQ(At(mask, 101, 0), 0);
    EXPECT_EQ(At(mask, 40, 61), 0);
    EXPECT_EQ(At(mask, 45, 61), 4);
    EXPECT_EQ(At(mask, 143, 61), 4);
    for (int y = 0; y < 62; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < 144; ++x)
            if (At(mask, x, y) == 4) {
                if (first < 0) first = x;
                last = x;
            }
        // Each row is one run of about 100 pixels starting 0.44 / 0.62 pixels per row further right.
        EXPECT_NEAR(first, (y + 0.5) * 0.44 / 0.62, 1.0) << "row " << y;
        EXPECT_NEAR(last - first + 1, 100, 1) << "row " << y;
    }
}

TEST(TransformMask, RejectsWhatItCannotSample) {
    const char* text = "Assertion failure (Unit3.cpp, line 398)";
    Bitmap frame24(10, 10, PixelFormat::Bits24);
    const TMatrix m = ShadowMatrix(ShadowKind::Creature);
    try {
        TransformMask(frame24, m, {0, 0, 10, 10});
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_STREQ(e.what(), text);
    }
    Bitmap ddb = Frame8(10, 10);
    ddb.setHandleType(HandleType::DDB);
    EXPECT_THROW(TransformMask(ddb, m, {0, 0, 10, 10}), EAssertionFailed);
    const Bitmap frame = Frame8(10, 10);
    EXPECT_THROW(TransformMask(frame, m, {0, 0, 10, 0}), EAssertionFailed);
    EXPECT_THROW(TransformMask(frame, m, {10, 0, 20, 5}), EAssertionFailed);
    EXPECT_THROW(TransformMask(frame, m, {0, 10, 10, 20}), EAssertionFailed);
    // Clipping keeps what lies on the picture.
    EXPECT_EQ(TransformMask(frame, m, {-5, -5, 50, 9}).height(), 3);
}

TEST(TransformMask, AnyMatrixSamplesThroughItsInverse) {
    // A mirror along the diagonal: mask (x, y) shows source (9 - y, 9 - x).
    Bitmap frame = Frame8(10, 10);
    Put(frame, 2, 5, 99);
    const Bitmap mask = TransformMask(frame, {0, 1, 1, 0}, {0, 0, 10, 10});
    ASSERT_EQ(mask.width(), 10);
    ASSERT_EQ(mask.height(), 10);
    EXPECT_EQ(At(mask, 4, 7), 4);
    EXPECT_EQ(test::Dump(mask).find('4'), test::Dump(mask).rfind('4'));
}

TEST(TransformMask, LevelRowsMatchTheGeneralSampling) {
    // A vanishing m21 takes the general per-pixel route with the same numbers.
    Bitmap frame = Frame8(73, 61);
    unsigned seed = 12345;
    for (int y = 0; y < 61; ++y)
        for (int x = 0; x < 73; ++x) {
            seed = seed * 1103515245u + 12345u;
            Put(frame, x, y, std::uint8_t((seed >> 16) % 14));
        }
    for (TMatrix level : {ShadowMatrix(ShadowKind::Slanted), ShadowMatrix(ShadowKind::Creature), TMatrix{0.7, 0.9, 0, -1.3}}) {
        TMatrix tilted = level;
        tilted.m21 = 1e-300;
        for (TIntRect rect : {TIntRect{0, 0, 73, 50}, TIntRect{5, 7, 60, 61}}) {
            const Bitmap a = TransformMask(frame, level, rect);
            const Bitmap b = TransformMask(frame, tilted, rect);
            EXPECT_EQ(test::Dump(a), test::Dump(b));
        }
    }
}

TEST(TransformMask, SingularMatrixFails) {
    const Bitmap frame = Frame8(10, 10);
    EXPECT_THROW(TransformMask(frame, {1, 1, 1, 1}, {0, 0, 10, 10}), Exception);
}

TEST(MarkShadowBorder, EdgesTouchingBackgroundOnly) {
    Bitmap mask = Frame8(5, 5);
    Put(mask, 2, 2, 4);
    MarkShadowBorder(mask);
    EXPECT_EQ(At(mask, 2, 2), 1);

    // A solid block: only its outer ring touches background; picture edges do not count.
    Bitmap full = Frame8(4, 4, 4);
    MarkShadowBorder(full);
    EXPECT_EQ(test::Dump(full), "4444\n4444\n4444\n4444\n");

    Bitmap block = Frame8(5, 4);
    test::FillRect(block, 0, 0, 4, 4, 4);
    MarkShadowBorder(block);
    EXPECT_EQ(test::Dump(block), "44410\n44410\n44410\n44410\n");
}

}  // namespace
}  // namespace vok
