#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <set>

#include "colours/ColourTestPictures.h"
#include "colours/Combine.h"
#include "colours/NearestColor.h"
#include "colours/PaletteReducer.h"
#include "colours/ReduceFrames.h"
#include "colours/WuBoxes.h"
#include "pictures/BmpCodec.h"
#include "support/Errors.h"
#include "support/TempFolder.h"

namespace vok {

using namespace vok::test;

namespace {

constexpr std::uint32_t kBackground = 0xFFFF00, kShadow = 0xFF00FF;

// A 24-bit frame whose pixel i has colors[i % size], row by row.
Bitmap Cycle(int width, int height, const std::vector<std::uint32_t>& colors, int offset = 0) {
    Bitmap b(width, height, PixelFormat::Bits24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.fillRect(x, y, x + 1, y + 1, colors[std::size_t(y * width + x + offset) % colors.size()]);
    return b;
}

// The combined picture as a paint program reduces it without loss: its colours in the order
// they first occur.
Bitmap LosslessEightBit(const Bitmap& combined) {
    Bitmap out(combined.width(), combined.height(), PixelFormat::Bits8);
    std::vector<RgbQuad> table;
    for (int y = 0; y < combined.height(); ++y)
        for (int x = 0; x < combined.width(); ++x) {
            const RgbQuad q = ToQuad(combined.colorAt(x, y));
            auto it = std::find(table.begin(), table.end(), q);
            if (it == table.end()) it = table.insert(table.end(), q);
            SetIndex(out, x, y, std::uint8_t(it - table.begin()));
        }
    table.resize(256);
    out.setColorTable(table);
    return out;
}

// Many colours: a smooth ramp with grain, the background and the shadow on every seventh pixel.
Bitmap Busy(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    Bitmap b(width, height, PixelFormat::Bits24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int n = int(random() % 9);
            std::uint32_t c = RGB(std::uint8_t(x * 3 + n), std::uint8_t(y * 5 + n), std::uint8_t(120 + n * 4));
            if ((x + y) % 7 == 0) c = (x % 2) ? kBackground : kShadow;
            b.fillRect(x, y, x + 1, y + 1, c);
        }
    return b;
}

std::vector<std::uint32_t> Colours(int count, std::uint8_t blue = 40) {
    std::vector<std::uint32_t> c;
    for (int i = 0; i < count; ++i) c.push_back(RGB(std::uint8_t(i), std::uint8_t(255 - i), blue));
    return c;
}

}  // namespace

TEST(Reduce, FramesWithFewColoursComeBackPixelForPixel) {
    // 248 picture colours fill the positions the eight default colours leave free.
    std::vector<std::uint32_t> colors = Colours(247);
    colors.push_back(0x123456);
    colors.push_back(kBackground);
    colors.push_back(kShadow);
    std::vector<Bitmap> frames{Cycle(50, 5, colors), Cycle(7, 11, colors, 100)};
    frames.push_back(Paletted(3, 2, {kShadow, 0x123456}, 1));  // 8-bit, another size
    frames.push_back(frames.back());
    frames.back().setPixelFormat(PixelFormat::Bits32);
    const FrameReducer reducer(frames, DefaultStandardColors(), {});
    EXPECT_EQ(reducer.pictureColors(), 248);
    for (const Bitmap& frame : frames) {
        const Bitmap out = reducer.reduce(frame);
        ASSERT_EQ(out.pixelFormat(), PixelFormat::Bits8);
        ASSERT_EQ(out.width(), frame.width());
        ASSERT_EQ(out.height(), frame.height());
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                ASSERT_EQ(out.colorAt(x, y), frame.colorAt(x, y) & 0xFFFFFF) << x << "," << y;
                const std::uint8_t index = IndexAt(out, x, y);
                if (frame.colorAt(x, y) == kBackground) {
                    EXPECT_EQ(index, 0);
                }
                else if (frame.colorAt(x, y) == kShadow) EXPECT_EQ(index, 4);
                else EXPECT_GE(index, 8);
            }
    }
}

TEST(Reduce, StandardColoursStayAtTheirPositionsInEveryMode) {
    StandardColorTable table = DefaultStandardColors();
    table[9] = kShadow;  // a colour standing twice goes to its first position
    const std::vector<Bitmap> frames{Busy(60, 40, 1)};
    const auto run = [&](bool noStandard, bool noBackground) {
        ReduceSettings settings;
        settings.options = {noStandard, noBackground};
        const FrameReducer reducer(frames, table, settings);
        for (int p = 0; p < 10; ++p)
            if (table[p] >= 0) {
                EXPECT_EQ(ToColor(reducer.palette()[p]), std::uint32_t(table[p]) & 0xFFFFFF) << p;
            }
        return reducer.reduce(frames[0]);
    };
    const Bitmap standard = run(false, false), keepBackground = run(true, false), spread = run(true, true);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const std::uint32_t c = frames[0].colorAt(x, y);
            const std::uint8_t s = IndexAt(standard, x, y), k = IndexAt(keepBackground, x, y), p = IndexAt(spread, x, y);
            EXPECT_EQ(s, c == kBackground ? 0 : c == kShadow ? 4 : s) << x << "," << y;
            if (c != kBackground && c != kShadow) {
                EXPECT_TRUE(s == 8 || s >= 10);
            }
            // With "No Standard Colors" only the background may keep its place; nothing else
            // lands on a position the list holds.
            EXPECT_EQ(k == 0, c == kBackground);
            if (c != kBackground) {
                EXPECT_TRUE(k == 8 || k >= 10);
            }
            EXPECT_TRUE(p == 8 || p >= 10);
        }
    // Spread: the background and shadow pixels are picture colours like any other.
    EXPECT_EQ(spread.colorAt(7, 0), kBackground);
}

TEST(Reduce, GivesWhatCombineALosslessReductionAndSplitGive) {
    const std::vector<Bitmap> frames{Cycle(5, 3, {kBackground, RGB(1, 2, 3), kShadow, RGB(9, 9, 9)}),
                                     Cycle(4, 5, {RGB(200, 100, 0), kBackground, RGB(1, 2, 3), 0x00FF00})};
    const StandardColorTable table = DefaultStandardColors();
    for (const ColourOptions options : {ColourOptions{false, false}, ColourOptions{true, false}, ColourOptions{true, true}}) {
        const Bitmap combined = LosslessEightBit(CombinePictures(frames, table, options));
        const SplitMode mode = ChooseSplitMode(combined, table, options);
        const SplitPalette split = BuildSplitPalette(FullPalette(combined), table, 0, mode);
        ReduceSettings settings;
        settings.options = options;
        const FrameReducer reducer(frames, table, settings);
        int x = 0;
        for (const Bitmap& frame : frames) {
            const Bitmap expected = CutFrame(combined, x, frame.width(), frame.height(), &split);
            const Bitmap got = reducer.reduce(frame);
            x += frame.width();
            for (int y = 0; y < frame.height(); ++y)
                for (int c = 0; c < frame.width(); ++c) {
                    const int e = IndexAt(expected, c, y), g = IndexAt(got, c, y);
                    ASSERT_EQ(got.colorAt(c, y), expected.colorAt(c, y));
                    // The same position where it has a meaning; picture colours may be ordered otherwise.
                    if (table[std::size_t(e)] >= 0 || table[std::size_t(g)] >= 0) {
                        ASSERT_EQ(g, e) << options.noStandardColors;
                    }
                }
        }
        for (int p = 0; p < 256; ++p)
            if (table[std::size_t(p)] >= 0) {
                EXPECT_EQ(reducer.palette()[std::size_t(p)], split.palette[std::size_t(p)]);
            }
    }
}

TEST(Reduce, ColoursNearAStandardColourStayPictureColours) {
    const std::vector<std::uint32_t> near{0xFEFF00, 0xFFFF01, 0xFF01FF, 0xFE00FF, 0x00FEFF, kBackground};
    const std::vector<Bitmap> frames{Cycle(6, 2, near)};
    const FrameReducer reducer(frames, DefaultStandardColors(), {});
    const Bitmap out = reducer.reduce(frames[0]);
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(out.colorAt(x, 0), near[std::size_t(x)]);
        EXPECT_EQ(IndexAt(out, x, 0) == 0, near[std::size_t(x)] == kBackground) << x;
        if (near[std::size_t(x)] != kBackground) {
            EXPECT_GE(IndexAt(out, x, 0), 8);
        }
    }
}

TEST(Reduce, PaletteIsTheMeansOfSeparateClusters) {
    const std::vector<WeightedColor> colors{{RGB(10, 10, 10), 1}, {RGB(12, 10, 10), 1}, {RGB(200, 0, 0), 3},
                                            {RGB(204, 0, 0), 1}, {RGB(0, 0, 250), 2}};
    EXPECT_EQ(ReducePalette(colors, 3), (std::vector<std::uint32_t>{RGB(11, 10, 10), RGB(0, 0, 250), RGB(201, 0, 0)}));
    EXPECT_EQ(ReducePalette(colors, 5).size(), 5u);
    EXPECT_EQ(SquaredError(colors, ReducePalette(colors, 5)), 0);
}

TEST(Reduce, ManyColoursRefineTheFirstGuessAndTheSameInputGivesTheSameBytes) {
    std::vector<Bitmap> frames{Busy(120, 50, 1), Busy(80, 90, 2)};
    const FrameReducer reducer(frames, DefaultStandardColors(), {});
    EXPECT_EQ(reducer.pictureColors(), 248);
    ColourCounts counts;
    std::vector<std::uint32_t> row(120);
    for (const Bitmap& f : frames)
        for (int y = 0; y < f.height(); ++y) {
            ReadRowColors(f, y, row.data());
            counts.add(row.data(), std::size_t(f.width()));
        }
    const std::vector<WeightedColor> colors = counts.distinct();
    const double guess = SquaredError(colors, WuBoxColors(colors, 248)), refined = SquaredError(colors, ReducePalette(colors, 248));
    EXPECT_LT(refined, 0.95 * guess);

    // Another order of the frames gives the same palette, and a second run the same bytes.
    const std::vector<Bitmap> swapped{frames[1], frames[0]};
    const FrameReducer again(swapped, DefaultStandardColors(), {});
    EXPECT_EQ(again.palette(), reducer.palette());
    EXPECT_EQ(EncodeBmp(again.reduce(frames[0])), EncodeBmp(reducer.reduce(frames[0])));
}

TEST(Reduce, DitheringChangesOnlyPictureColours) {
    const std::vector<Bitmap> frames{Busy(90, 60, 3)};
    ReduceSettings dither;
    dither.dither = true;
    const Bitmap plain = FrameReducer(frames, DefaultStandardColors(), {}).reduce(frames[0]);
    const FrameReducer reducer(frames, DefaultStandardColors(), dither);
    const Bitmap dithered = reducer.reduce(frames[0]);
    int changed = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 90; ++x) {
            const std::uint32_t c = frames[0].colorAt(x, y);
            if (c == kBackground || c == kShadow) {
                EXPECT_EQ(IndexAt(dithered, x, y), IndexAt(plain, x, y));
            }
            else EXPECT_GE(IndexAt(dithered, x, y), 8);
            changed += IndexAt(dithered, x, y) != IndexAt(plain, x, y);
        }
    EXPECT_GT(changed, 0);
    // Frames that fit the palette have no error to spread.
    const std::vector<Bitmap> few{Cycle(9, 9, Colours(20))};
    const FrameReducer exact(few, DefaultStandardColors(), dither);
    EXPECT_EQ(exact.reduce(few[0]), FrameReducer(few, DefaultStandardColors(), {}).reduce(few[0]));
}

TEST(Reduce, AFrameThatChangedSinceItsColoursWereCountedTakesTheNearestEntries) {
    // Counted from a source, as the files are; the frame reduced afterwards brings colours
    // the count never saw.
    const std::vector<std::uint32_t> counted{RGB(10, 10, 10), RGB(200, 50, 50), kShadow};
    std::atomic<int> loads = 0;
    const FrameSource source = [&](std::size_t k, Bitmap& holder) -> const Bitmap& {
        ++loads;
        return holder = Cycle(4 + int(k), 3, counted);
    };
    const FrameReducer reducer(2, source, DefaultStandardColors(), {});
    EXPECT_EQ(loads, 2);
    const Bitmap out = reducer.reduce(Cycle(3, 1, {RGB(12, 9, 11), RGB(190, 60, 40), kBackground}));
    EXPECT_EQ(out.colorAt(0, 0), RGB(10, 10, 10));
    EXPECT_EQ(out.colorAt(1, 0), RGB(200, 50, 50));
    EXPECT_EQ(IndexAt(out, 2, 0), 0);
    // With no picture colour in the palette a new colour takes the nearest standard one.
    const FrameReducer standardOnly(std::vector<Bitmap>{Cycle(2, 1, {kShadow})}, DefaultStandardColors(), {});
    EXPECT_EQ(IndexAt(standardOnly.reduce(Cycle(1, 1, {RGB(250, 10, 240)})), 0, 0), 4);
}

TEST(Reduce, NoFreePositionIsAnErrorUnlessEveryPixelIsStandard) {
    StandardColorTable full{};
    for (int p = 0; p < 256; ++p) full[std::size_t(p)] = ColorValue(RGB(std::uint8_t(p), 7, 7));
    const std::vector<Bitmap> standardOnly{Cycle(4, 4, {RGB(3, 7, 7), RGB(200, 7, 7)})};
    EXPECT_EQ(IndexAt(FrameReducer(standardOnly, full, {}).reduce(standardOnly[0]), 1, 0), 200);

    TempFolder dir;
    SaveBitmapToFile(Cycle(4, 4, {RGB(3, 7, 7), RGB(1, 2, 3)}), dir / "a.bmp");
    SaveBitmapToFile(standardOnly[0], dir / "b.bmp");
    const std::string before = ReadBytes(dir / "b.bmp");
    EXPECT_THROW(ReduceFiles({dir / "b.bmp", dir / "a.bmp"}, "", full, {}), Exception);
    EXPECT_EQ(ReadBytes(dir / "b.bmp"), before);  // nothing written
}

TEST(Reduce, NearestColourMatchesTryingEveryEntry) {
    std::mt19937 random(5);
    for (int round = 0; round < 20; ++round) {
        std::vector<std::uint32_t> palette;
        std::vector<RgbQuad> quads;
        const int size = 1 + int(random() % 256);
        for (int i = 0; i < size; ++i) {
            // Few levels, so that ties are common.
            palette.push_back(RGB(std::uint8_t(random() % 4 * 80), std::uint8_t(random() % 4 * 80), std::uint8_t(random() % 256)));
            quads.push_back(ToQuad(palette.back()));
        }
        const NearestColor nearest(palette);
        for (int i = 0; i < 500; ++i) {
            const std::uint32_t c = random() & 0xFFFFFF;
            ASSERT_EQ(nearest.find(c), NearestColorIndex(quads.data(), size, c));
            ASSERT_EQ(nearest.find(c, int(random() % unsigned(size))), NearestColorIndex(quads.data(), size, c));
        }
    }
}

}  // namespace vok
