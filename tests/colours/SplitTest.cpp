#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "colours/ColourTestPictures.h"
#include "colours/Combine.h"
#include "colours/Split.h"
#include "support/Errors.h"

namespace vok {

using namespace vok::test;

namespace {

Palette256 PaletteOf(const std::vector<std::uint32_t>& colors) {
    Palette256 p{};
    for (std::size_t i = 0; i < colors.size() && i < 256; ++i) p[i] = ToQuad(colors[i]);
    return p;
}

std::uint32_t ColorAt(const Palette256& p, int i) { return ToColor(p[i]); }

using test::kDefaults;

}  // namespace

TEST(SplitGather, ToleranceBoundary) {
    // Distance 4 is within tolerance 3 (9), distance 16 is not.
    Palette256 in = PaletteOf(PlainColors());
    in[20] = ToQuad(RGB(255, 0, 253));
    Palette256 p = in;
    GatherStandardColors(p, kDefaults, 3, 255);
    EXPECT_EQ(ColorAt(p, 4), RGB(255, 0, 255));
    EXPECT_EQ(ColorAt(p, 20), ToColor(in[4]));

    in[20] = ToQuad(RGB(251, 0, 255));
    p = in;
    GatherStandardColors(p, kDefaults, 3, 255);
    EXPECT_EQ(p, in);
    // Tolerance 0 takes exact colours only; 442 takes anything.
    p = in;
    GatherStandardColors(p, kDefaults, 4, 255);
    EXPECT_EQ(ColorAt(p, 4), RGB(255, 0, 255));
}

TEST(SplitGather, ColourAtItsOwnPositionStays) {
    Palette256 in = PaletteOf(PlainColors());
    in[4] = ToQuad(RGB(254, 0, 255));
    Palette256 p = in;
    GatherStandardColors(p, kDefaults, 3, 255);
    EXPECT_EQ(p, in);
}

TEST(SplitGather, EveryMatchIsExchanged) {
    Palette256 in = PaletteOf(PlainColors());
    in[10] = ToQuad(RGB(0, 254, 255));
    in[20] = ToQuad(RGB(1, 255, 255));
    Palette256 p = in;
    GatherStandardColors(p, kDefaults, 3, 255);
    EXPECT_EQ(ColorAt(p, 0), RGB(0, 255, 255));
    EXPECT_EQ(ColorAt(p, 10), ToColor(in[0]));
    EXPECT_EQ(ColorAt(p, 20), RGB(0, 255, 255));  // the second match takes the exact colour; its own is dropped
}

TEST(Split, BackgroundExchangeInStandardMode) {
    // The reduction left the background as (0, 254, 255) at 10 and a frame colour X at 0.
    std::vector<std::uint32_t> colors = PlainColors();
    const std::uint32_t x = RGB(90, 60, 30);
    colors[0] = x;
    colors[10] = RGB(0, 254, 255);
    Bitmap combined = Paletted(6, 2, colors, 10);
    SetIndex(combined, 1, 0, 0);
    SetIndex(combined, 4, 1, 0);
    SetIndex(combined, 5, 1, 77);
    ASSERT_EQ(ChooseSplitMode(combined, kDefaults, {}), SplitMode::Standard);
    const SplitPalette sp = BuildSplitPalette(FullPalette(combined), kDefaults, 3, SplitMode::Standard);
    EXPECT_EQ(ColorAt(sp.palette, 0), RGB(0, 255, 255));
    EXPECT_EQ(ColorAt(sp.palette, 10), x);

    const Bitmap frame = CutFrame(combined, 1, 5, 2, &sp);
    ASSERT_EQ(frame.pixelFormat(), PixelFormat::Bits8);
    ASSERT_EQ(frame.colorTable().size(), 256u);
    EXPECT_EQ(IndexAt(frame, 0, 0), 10);  // X
    EXPECT_EQ(IndexAt(frame, 3, 1), 10);
    EXPECT_EQ(IndexAt(frame, 1, 0), 0);  // former background
    EXPECT_EQ(IndexAt(frame, 4, 1), 77);
    EXPECT_EQ(frame.colorAt(1, 0), RGB(0, 255, 255));
}

TEST(Split, ModeFollowsBoxesBackgroundAndDepth) {
    StandardColorTable noBackground = kDefaults;
    noBackground[0] = -1;
    const Bitmap eight = Paletted(1, 1, {0});
    EXPECT_EQ(ChooseSplitMode(eight, kDefaults, {false, true}), SplitMode::Standard);
    EXPECT_EQ(ChooseSplitMode(eight, kDefaults, {true, false}), SplitMode::SpreadKeepBackground);
    EXPECT_EQ(ChooseSplitMode(eight, kDefaults, {true, true}), SplitMode::Spread);
    EXPECT_EQ(ChooseSplitMode(eight, noBackground, {true, false}), SplitMode::Spread);
    EXPECT_EQ(ChooseSplitMode(TrueColor(1, 1, 0), kDefaults, {}), SplitMode::PlainCut);
}

TEST(Split, SpreadKeepingTheBackground) {
    std::vector<std::uint32_t> colors = PlainColors();
    colors[0] = RGB(0, 255, 255);
    const Palette256 in = PaletteOf(colors);
    const SplitPalette sp = BuildSplitPalette(in, kDefaults, 3, SplitMode::SpreadKeepBackground);
    EXPECT_EQ(sp.remap[0], 0);
    for (int i = 1; i <= 248; ++i) {
        EXPECT_EQ(sp.remap[i], i + 7) << i;
        EXPECT_EQ(ColorAt(sp.palette, i + 7), colors[i]) << i;
    }
    for (int k = 0; k < 8; ++k) EXPECT_EQ(ColorAt(sp.palette, k), std::uint32_t(kDefaults[k])) << k;
    // Colours 249 to 255 keep their index and show reduced colours 242 to 248.
    for (int i = 249; i <= 255; ++i) EXPECT_EQ(sp.remap[i], i);
    EXPECT_EQ(ColorAt(sp.palette, 249), colors[242]);
}

TEST(Split, SpreadWithoutBackground) {
    const std::vector<std::uint32_t> colors = PlainColors();
    const SplitPalette sp = BuildSplitPalette(PaletteOf(colors), kDefaults, 3, SplitMode::Spread);
    for (int i = 0; i <= 247; ++i) {
        EXPECT_EQ(sp.remap[i], i + 8) << i;
        EXPECT_EQ(ColorAt(sp.palette, i + 8), colors[i]) << i;
    }
    for (int k = 0; k < 8; ++k) EXPECT_EQ(ColorAt(sp.palette, k), std::uint32_t(kDefaults[k])) << k;
}

TEST(Split, SpreadWithTheBackgroundEmptyInTheList) {
    StandardColorTable colors = kDefaults;
    colors[0] = -1;
    const std::vector<std::uint32_t> reduced = PlainColors();
    const SplitPalette sp = BuildSplitPalette(PaletteOf(reduced), colors, 3, SplitMode::Spread);
    EXPECT_EQ(sp.remap[0], 0);
    EXPECT_EQ(ColorAt(sp.palette, 0), reduced[0]);
    for (int i = 1; i <= 248; ++i) EXPECT_EQ(sp.remap[i], i + 7) << i;
    EXPECT_EQ(SpreadTable(colors, 0)[248], 255);
}

TEST(Split, ShortPaletteGetsBlackEntries) {
    Bitmap small = Paletted(2, 1, {RGB(1, 2, 3), RGB(4, 5, 6)});
    const Palette256 p = FullPalette(small);
    EXPECT_EQ(ToColor(p[1]), RGB(4, 5, 6));
    EXPECT_EQ(ToColor(p[2]), 0u);
    EXPECT_EQ(ToColor(p[255]), 0u);
}

TEST(Split, PlainCutKeepsTrueColour) {
    Bitmap combined = TrueColor(30, 10, RGB(1, 1, 1));
    SetColor24(combined, 12, 9, RGB(200, 150, 100));
    const Bitmap frame = CutFrame(combined, 10, 5, 10, nullptr);
    EXPECT_EQ(frame.pixelFormat(), PixelFormat::Bits24);
    EXPECT_EQ(frame.colorAt(2, 9), RGB(200, 150, 100));
    EXPECT_EQ(frame.colorAt(0, 0), RGB(1, 1, 1));
}

TEST(Split, TooSmallCombinedPictureIsReported) {
    SplitRecord r;
    r.PartWidths = {10, 20};
    r.PartHeights = {5, 8};
    r.PartNames = {"a.bmp", "b.bmp"};
    EXPECT_NO_THROW(CheckCombinedSize(TrueColor(30, 8, 0), r, "c.bmp"));
    EXPECT_THROW(CheckCombinedSize(TrueColor(29, 8, 0), r, "c.bmp"), Exception);
    EXPECT_THROW(CheckCombinedSize(TrueColor(30, 7, 0), r, "c.bmp"), Exception);
}

// Combine, reduce to one palette here, Split: every frame comes back colour for colour,
// and its special pixels stand at their own positions.
TEST(Split, RoundTripThroughAReduction) {
    std::vector<Bitmap> frames;
    for (int f = 0; f < 3; ++f) {
        Bitmap frame = Paletted(7 + f, 5 + f, PlainColors(40 + f));
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) SetIndex(frame, x, y, std::uint8_t((x * 3 + y * 5 + f) % (40 + f)));
        // Background, shadow and selection pixels, with their standard colours in the frame's table.
        frame.colorTable()[1] = ToQuad(std::uint32_t(kDefaults[0]));
        frame.colorTable()[2] = ToQuad(std::uint32_t(kDefaults[4]));
        SetIndex(frame, 0, 0, 1);
        SetIndex(frame, 1, 0, 2);
        frames.push_back(frame);
    }
    const Bitmap combined = CombinePictures(frames, kDefaults, {});

    // The reduction: one table of the colours used, in a scrambled order, with the
    // standard colours slightly moved, as a paint program may leave them.
    std::map<std::uint32_t, int> index;
    for (int y = 0; y < combined.height(); ++y)
        for (int x = 0; x < combined.width(); ++x) index.emplace(combined.colorAt(x, y), 0);
    ASSERT_LE(index.size(), 256u);
    std::vector<RgbQuad> table;
    auto isStandard = [](std::uint32_t c) {
        for (int k = 0; k < 8; ++k)
            if (c == std::uint32_t(kDefaults[k])) return true;
        return false;
    };
    // Figure colours first, in reverse order; the standard colours last, so that
    // they must all be gathered.
    int n = 0;
    for (auto it = index.rbegin(); it != index.rend(); ++it)
        if (!isStandard(it->first)) it->second = n++;
    for (auto& [color, i] : index)
        if (isStandard(color)) i = n++;
    table.resize(index.size());
    for (const auto& [color, i] : index) table[i] = ToQuad(isStandard(color) ? color ^ 0x010100 : color);  // distance 2
    Bitmap reduced(combined.width(), combined.height(), PixelFormat::Bits8);
    reduced.setColorTable(table);
    for (int y = 0; y < combined.height(); ++y)
        for (int x = 0; x < combined.width(); ++x) SetIndex(reduced, x, y, std::uint8_t(index[combined.colorAt(x, y)]));

    SplitRecord record;
    for (const Bitmap& f : frames) {
        record.PartWidths.push_back(f.width());
        record.PartHeights.push_back(f.height());
        record.PartNames.push_back("f.bmp");
    }
    CheckCombinedSize(reduced, record, "reduced.bmp");
    const SplitPalette sp = BuildSplitPalette(FullPalette(reduced), kDefaults, 3, SplitMode::Standard);
    int x = 0;
    for (const Bitmap& original : frames) {
        const Bitmap back = CutFrame(reduced, x, original.width(), original.height(), &sp);
        x += original.width();
        for (int y = 0; y < original.height(); ++y)
            for (int c = 0; c < original.width(); ++c) ASSERT_EQ(back.colorAt(c, y), original.colorAt(c, y)) << c << "," << y;
        EXPECT_EQ(IndexAt(back, 0, 0), 0);
        EXPECT_EQ(IndexAt(back, 1, 0), 4);
    }
}

}  // namespace vok
