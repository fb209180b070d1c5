#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colours/ColourTestPictures.h"
#include "colours/Combine.h"
#include "support/Errors.h"
#include "support/FileNameOrder.h"

namespace vok {

using namespace vok::test;

namespace {

const std::uint32_t kBackground = RGB(0, 255, 255);

std::vector<Bitmap> ThreeFrames() {
    return {TrueColor(100, 80, RGB(10, 20, 30)), TrueColor(120, 90, RGB(40, 50, 60)),
            TrueColor(100, 80, RGB(70, 80, 90))};
}

}  // namespace

TEST(Combine, StripCount) {
    const StandardColorTable defaults = DefaultStandardColors();
    StandardColorTable noBackground = defaults;
    noBackground[0] = -1;
    EXPECT_EQ(CombineStripCount(defaults, {false, false}), 8);
    EXPECT_EQ(CombineStripCount(defaults, {false, true}), 8);
    EXPECT_EQ(CombineStripCount(noBackground, {false, false}), 7);
    EXPECT_EQ(CombineStripCount(defaults, {true, false}), 1);
    EXPECT_EQ(CombineStripCount(noBackground, {true, false}), 0);
    EXPECT_EQ(CombineStripCount(defaults, {true, true}), 0);
}

TEST(Combine, FramesSideBySideThenOneStripPerColour) {
    StandardColorTable colors = DefaultStandardColors();
    colors[40] = RGB(1, 2, 3);  // a set position far up gets a strip too, in order
    const Bitmap c = CombinePictures(ThreeFrames(), colors, {});
    ASSERT_EQ(c.width(), 320 + 9 * 200);
    ASSERT_EQ(c.height(), 90);
    EXPECT_EQ(c.pixelFormat(), PixelFormat::Bits24);
    EXPECT_EQ(c.colorAt(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(c.colorAt(99, 79), RGB(10, 20, 30));
    EXPECT_EQ(c.colorAt(100, 0), RGB(40, 50, 60));
    EXPECT_EQ(c.colorAt(219, 89), RGB(40, 50, 60));
    EXPECT_EQ(c.colorAt(220, 0), RGB(70, 80, 90));
    // Under the lower frames: background.
    EXPECT_EQ(c.colorAt(50, 80), kBackground);
    EXPECT_EQ(c.colorAt(319, 89), kBackground);
    for (int s = 0; s < 8; ++s) {
        EXPECT_EQ(c.colorAt(320 + 200 * s, 0), std::uint32_t(colors[s])) << s;
        EXPECT_EQ(c.colorAt(320 + 200 * s + 199, 89), std::uint32_t(colors[s])) << s;
    }
    EXPECT_EQ(c.colorAt(320 + 1600, 45), RGB(1, 2, 3));
}

TEST(Combine, FramesLoadedWhenDrawnGiveTheSamePictureAndMustKeepTheirSize) {
    const std::vector<Bitmap> frames = ThreeFrames();
    const std::vector<FrameSize> sizes{{100, 80}, {120, 90}, {100, 80}};
    const Bitmap loaded = CombinePictures(
        sizes, [&](std::size_t k, Bitmap& holder) -> const Bitmap& { return holder = frames[k]; },
        DefaultStandardColors(), {});
    EXPECT_EQ(loaded, CombinePictures(frames, DefaultStandardColors(), {}));
    // A frame that changed between its two loads stops the picture.
    const std::vector<FrameSize> stale{{100, 80}, {120, 80}, {100, 80}};
    EXPECT_THROW(CombinePictures(
                     stale, [&](std::size_t k, Bitmap& holder) -> const Bitmap& { return holder = frames[k]; },
                     DefaultStandardColors(), {}),
                 Exception);
}

TEST(Combine, NoStandardColorsLeavesOneBackgroundStripOrNone) {
    const StandardColorTable defaults = DefaultStandardColors();
    const Bitmap one = CombinePictures(ThreeFrames(), defaults, {true, false});
    EXPECT_EQ(one.width(), 520);
    EXPECT_EQ(one.colorAt(320, 0), kBackground);
    EXPECT_EQ(one.colorAt(519, 89), kBackground);
    const Bitmap none = CombinePictures(ThreeFrames(), defaults, {true, true});
    EXPECT_EQ(none.width(), 320);
    EXPECT_EQ(none.height(), 90);

    StandardColorTable empty;
    empty.fill(-1);
    const Bitmap black = CombinePictures(ThreeFrames(), empty, {});
    EXPECT_EQ(black.width(), 320);
    EXPECT_EQ(black.colorAt(0, 85), 0u);  // no background colour: black
}

TEST(Combine, PalettedFrameIsPlacedInItsColours) {
    Bitmap frame = Paletted(4, 2, {RGB(9, 8, 7), RGB(200, 100, 50)});
    SetIndex(frame, 3, 1, 1);
    const Bitmap c = CombinePictures({frame}, DefaultStandardColors(), {true, true});
    ASSERT_EQ(c.pixelFormat(), PixelFormat::Bits24);
    EXPECT_EQ(c.colorAt(0, 0), RGB(9, 8, 7));
    EXPECT_EQ(c.colorAt(3, 1), RGB(200, 100, 50));
}

TEST(Combine, FilesAreTakenInCaseInsensitiveOrderOfTheirFullNames) {
    EXPECT_EQ(CombineOrder({"/f/b.bmp", "/f/A.bmp", "/f/c.bmp"}),
              (std::vector<std::string>{"/f/A.bmp", "/f/b.bmp", "/f/c.bmp"}));
    // The folder counts as part of the name.
    EXPECT_EQ(CombineOrder({"/f/Z/a.bmp", "/f/y/z.bmp"}), (std::vector<std::string>{"/f/y/z.bmp", "/f/Z/a.bmp"}));
    std::vector<std::string> names = {"x10.bmp", "X1.bmp", "x2.bmp"};
    SortFileNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"X1.bmp", "x10.bmp", "x2.bmp"}));
}

}  // namespace vok
