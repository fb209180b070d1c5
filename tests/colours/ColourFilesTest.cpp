#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "colours/ColourTestPictures.h"
#include "colours/ColourFiles.h"
#include "colours/ReduceFrames.h"
#include "pictures/BmpCodec.h"
#include "support/Errors.h"
#include "support/TempFolder.h"
#include "support/WorkerCount.h"

namespace vok {

using namespace vok::test;

namespace {

using test::kDefaults;

Bitmap FigureFrame(int w, int h, int seed) {
    Bitmap b = PatternFrame(w, h, std::uint32_t(kDefaults[0]), std::uint32_t(kDefaults[4]), 7, seed);
    SetIndex(b, 0, 0, 1);
    SetIndex(b, 1, 0, 2);
    return b;
}

}  // namespace

TEST(ColourFiles, CombineReduceSplitRoundTrip) {
    TempFolder dir;
    const std::vector<Bitmap> frames = {FigureFrame(9, 6, 0), FigureFrame(5, 8, 1), FigureFrame(7, 7, 2)};
    const std::vector<std::string> names = {"b.bmp", "A.bmp", "c.bmp"};
    std::vector<std::string> files;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        SaveBitmapToFile(frames[k], dir / names[k]);
        files.push_back(dir / names[k]);
    }
    const SplitRecord record = CombineFiles(files, dir / "All.bmp", kDefaults, {});
    EXPECT_EQ(record.PartNames, (std::vector<std::string>{"A.bmp", "b.bmp", "c.bmp"}));
    EXPECT_EQ(record.PartWidths, (std::vector<std::int32_t>{5, 9, 7}));
    EXPECT_EQ(record.PartHeights, (std::vector<std::int32_t>{8, 6, 7}));

    const Bitmap combined = LoadBitmapFromFile(dir / "All.bmp");
    ASSERT_EQ(combined.pixelFormat(), PixelFormat::Bits24);
    ASSERT_EQ(combined.width(), 21 + 1600);
    ASSERT_EQ(combined.height(), 8);
    SaveBitmapToFile(ReduceLosslessly(combined, kDefaults), dir / "reduced.bmp");

    TempFolder out;
    SplitFile(dir / "reduced.bmp", record, out.Path(), kDefaults, 3, {});
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"A.bmp", "b.bmp", "c.bmp"}));
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const Bitmap back = LoadBitmapFromFile(out / names[k]);
        ASSERT_EQ(back.pixelFormat(), PixelFormat::Bits8);
        EXPECT_EQ(back.colorTable().size(), 256u);
        ExpectSameColours(back, frames[k]);
        EXPECT_EQ(IndexAt(back, 0, 0), 0);  // background at its position
        EXPECT_EQ(IndexAt(back, 1, 0), 4);  // shadow body at its position
    }
}

TEST(ColourFiles, CombineFailureWritesNothing) {
    TempFolder dir;
    SaveBitmapToFile(FigureFrame(4, 4, 0), dir / "a.bmp");
    WriteBytes(dir / "b.bmp", "not a picture");
    try {
        CombineFiles({dir / "a.bmp", dir / "b.bmp"}, dir / "All.bmp", kDefaults, {});
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.bmp", "b.bmp"}));
    EXPECT_THROW(CombineFiles({dir / "missing.bmp"}, dir / "All.bmp", kDefaults, {}), EFOpenError);
}

TEST(ColourFiles, SplitRefusesATooSmallPictureBeforeWriting) {
    TempFolder dir;
    SplitRecord record;
    record.PartWidths = {4, 4};
    record.PartHeights = {3, 3};
    record.PartNames = {"x.bmp", "y.bmp"};
    SaveBitmapToFile(Paletted(7, 3, PlainColors()), dir / "c.bmp");
    EXPECT_THROW(SplitFile(dir / "c.bmp", record, dir.Path(), kDefaults, 3, {}), Exception);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"c.bmp"}));
}

TEST(ColourFiles, SplitCutsAnUnreducedPictureAsItIs) {
    TempFolder dir;
    Bitmap combined = TrueColor(10, 4, RGB(1, 2, 3));
    SetColor24(combined, 6, 3, RGB(250, 0, 0));
    SaveBitmapToFile(combined, dir / "c.bmp");
    SplitRecord record;
    record.PartWidths = {5, 5};
    record.PartHeights = {4, 2};
    record.PartNames = {"x.bmp", "y.bmp"};
    SplitFile(dir / "c.bmp", record, dir.Path(), kDefaults, 3, {});
    const Bitmap y = LoadBitmapFromFile(dir / "y.bmp");
    EXPECT_EQ(y.pixelFormat(), PixelFormat::Bits24);
    EXPECT_EQ(y.height(), 2);
    EXPECT_EQ(y.colorAt(0, 0), RGB(1, 2, 3));
    const Bitmap x = LoadBitmapFromFile(dir / "x.bmp");
    EXPECT_EQ(x.colorAt(4, 3), RGB(1, 2, 3));
    EXPECT_EQ(LoadBitmapFromFile(dir / "c.bmp").colorAt(6, 3), RGB(250, 0, 0));
}

TEST(ColourFiles, DeleteKeepsWhatWasSavedBeforeAFailure) {
    TempFolder dir;
    Bitmap shadowed = Paletted(2, 1, PlainColors());
    SetIndex(shadowed, 1, 0, 4);
    SaveBitmapToFile(shadowed, dir / "a.bmp");
    WriteBytes(dir / "b.bmp", "BMnonsense");
    SaveBitmapToFile(shadowed, dir / "c.bmp");
    EXPECT_THROW(DeleteShadowsInFiles({dir / "a.bmp", dir / "b.bmp", dir / "c.bmp"}, kDefaults), EInvalidGraphic);
    EXPECT_EQ(IndexAt(LoadBitmapFromFile(dir / "a.bmp"), 1, 0), 0);
    EXPECT_EQ(IndexAt(LoadBitmapFromFile(dir / "c.bmp"), 1, 0), 4);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp"}));
}

TEST(ColourFiles, CopyPairsByCaseInsensitiveNames) {
    TempFolder dir;
    SaveBitmapToFile(Paletted(1, 1, PlainColors(), 4), dir / "A.bmp");  // shadow
    SaveBitmapToFile(Paletted(1, 1, PlainColors(), 7), dir / "b.bmp");  // selection
    SaveBitmapToFile(Paletted(1, 1, PlainColors(), 20), dir / "C.bmp");
    SaveBitmapToFile(Paletted(1, 1, PlainColors(), 21), dir / "d.bmp");
    CopyShadowsInFiles({dir / "b.bmp", dir / "A.bmp"}, {dir / "d.bmp", dir / "C.bmp"}, kDefaults, {});
    EXPECT_EQ(IndexAt(LoadBitmapFromFile(dir / "C.bmp"), 0, 0), 4);
    EXPECT_EQ(IndexAt(LoadBitmapFromFile(dir / "d.bmp"), 0, 0), 7);
}

TEST(ColourFiles, CopyFailuresChangeNothing) {
    TempFolder dir;
    for (const char* name : {"s1.bmp", "s2.bmp", "s3.bmp", "t1.bmp", "t2.bmp"})
        SaveBitmapToFile(Paletted(3, 2, PlainColors(), name[0] == 's' ? 4 : 20), dir / name);
    SaveBitmapToFile(Paletted(2, 2, PlainColors(), 4), dir / "small.bmp");
    const std::string t1 = ReadBytes(dir / "t1.bmp"), t2 = ReadBytes(dir / "t2.bmp");
    try {
        CopyShadowsInFiles({dir / "s1.bmp", dir / "s2.bmp", dir / "s3.bmp"}, {dir / "t1.bmp", dir / "t2.bmp"},
                           kDefaults, {});
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Different number of pictures");
    }
    // The second pair's source is too small: the first target is not written either.
    try {
        CopyShadowsInFiles({dir / "s1.bmp", dir / "small.bmp"}, {dir / "t1.bmp", dir / "t2.bmp"}, kDefaults, {});
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "The source picture \"" + (dir / "small.bmp") +
                                             "\" is smaller than its target \"" + (dir / "t2.bmp") + "\"");
    }
    EXPECT_EQ(ReadBytes(dir / "t1.bmp"), t1);
    EXPECT_EQ(ReadBytes(dir / "t2.bmp"), t2);
}

TEST(ColourFiles, RecordAndListFiles) {
    TempFolder dir;
    SplitRecord record;
    record.PartWidths = {3};
    record.PartHeights = {4};
    record.PartNames = {"a b.bmp"};
    SaveSplitRecord(record, SplitRecordFileName(dir / "All.bmp"));
    EXPECT_EQ(ReadBytes(dir / "All.bmp.parts"), "3 4 a b.bmp\r\n");
    EXPECT_EQ(LoadSplitRecord(dir / "All.bmp.parts"), record);
    WriteBytes(dir / "colors.txt", "00FF00\r\n\r\nff\r\n");
    const StandardColorTable t = LoadStandardColors(dir / "colors.txt");
    EXPECT_EQ(t[0], 0x00FF00);
    EXPECT_LT(t[1], 0);
    EXPECT_EQ(t[2], 0xFF);
}

}  // namespace vok

namespace vok {

// Stops the command once `stopAt` steps are done, and remembers what it was told.
struct StoppingProgress : IProgress {
    int stopAt;
    std::vector<std::pair<int, int>> steps;
    explicit StoppingProgress(int at) : stopAt(at) {}
    bool Step(int done, int total) override {
        steps.emplace_back(done, total);
        return done < stopAt;
    }
};

TEST(ColourFiles, CancelStopsBeforeTheNextFileAndLeavesTheWrittenOnesComplete) {
    WorkerCountFor oneThread(1);  // files in turn, so the stop falls at a known file
    TempFolder dir;
    std::vector<std::string> files;
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) {
        SaveBitmapToFile(FigureFrame(4, 3, int(files.size())), dir / name);
        files.push_back(dir / name);
    }
    StoppingProgress beforeWriting(3);
    EXPECT_THROW(CombineFiles(files, dir / "All.bmp", kDefaults, {}, &beforeWriting), ECancelled);
    EXPECT_FALSE(std::filesystem::exists(dir / "All.bmp")) << "cancelled after reading, before the picture";

    const SplitRecord record = CombineFiles(files, dir / "All.bmp", kDefaults, {});
    SaveBitmapToFile(ReduceLosslessly(LoadBitmapFromFile(dir / "All.bmp"), kDefaults), dir / "reduced.bmp");
    TempFolder out;
    StoppingProgress afterOne(1);
    EXPECT_THROW(SplitFile(dir / "reduced.bmp", record, out.Path(), kDefaults, 0, {}, &afterOne), ECancelled);
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"a.bmp"}));
    EXPECT_EQ(LoadBitmapFromFile(out / "a.bmp").width(), 4);
    EXPECT_EQ(afterOne.steps, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}}));
}

// Every file of every colour command comes out byte for byte the same on 1, 2 and 8 threads.
TEST(ColourFiles, OutputDoesNotDependOnTheThreadCount) {
    std::vector<std::string> first;
    for (const int threads : {1, 2, 8}) {
        WorkerCountFor count(threads);
        TempFolder dir, reduced, split;
        std::vector<std::string> files, targets;
        for (int k = 0; k < 12; ++k) {
            Bitmap frame = FigureFrame(20 + k, 15 + k % 4, k);
            frame.setPixelFormat(PixelFormat::Bits24);
            SetColor24(frame, 3, 3, RGB(std::uint8_t(k * 20), 90, std::uint8_t(255 - k)));
            files.push_back(dir / ("f" + std::to_string(k) + ".bmp"));
            SaveBitmapToFile(frame, files.back());
            targets.push_back(dir / ("t" + std::to_string(k) + ".bmp"));
            SaveBitmapToFile(FigureFrame(20 + k, 15 + k % 4, k + 1), targets.back());
        }
        ReduceSettings dithered;
        dithered.dither = true;
        ReduceFiles(files, reduced.Path(), kDefaults, dithered);
        const SplitRecord record = CombineFiles(files, dir / "All.bmp", kDefaults, {});
        SaveBitmapToFile(ReduceLosslessly(LoadBitmapFromFile(dir / "All.bmp"), kDefaults), dir / "r.bmp");
        SplitFile(dir / "r.bmp", record, split.Path(), kDefaults, 3, {});
        DeleteShadowsInFiles(files, kDefaults);
        std::vector<std::string> parts;
        for (const std::string& name : record.PartNames) parts.push_back(split / name);
        CopyShadowsInFiles(parts, targets, kDefaults, {});
        std::vector<std::string> bytes = {ReadBytes(dir / "All.bmp")};
        for (int k = 0; k < 12; ++k)
            for (const std::string& name : {reduced / ("f" + std::to_string(k) + ".bmp"),
                                            split / ("f" + std::to_string(k) + ".bmp"), files[std::size_t(k)],
                                            targets[std::size_t(k)]})
                bytes.push_back(ReadBytes(name));
        if (first.empty()) first = bytes;
        EXPECT_TRUE(bytes == first) << threads << " threads";
    }
}

}  // namespace vok
