#include <gtest/gtest.h>

#include <filesystem>

#include "FramePictures.h"
#include "FrameFolderTest.h"
#include "ShadowFiles.h"
#include "shadow/ShadowJob.h"
#include "support/Errors.h"
#include "support/WorkerCount.h"

namespace vok {
namespace {

using test::Frame8;
using test::Lines;
using test::ListHeader;

// A creature-sized frame with a box figure standing on row 300.
Bitmap Creature(int left) { return test::BoxFigure(left, 100, 60, 50); }

Bitmap Generated(Bitmap b, int baseLine, ShadowKind kind, bool selection) {
    GenerateShadow(b, baseLine, kind, selection);
    return b;
}

class ShadowJobTest : public test::FrameFolderTest {};

TEST_F(ShadowJobTest, CreatureListSavesEveryFrameAndLine14) {
    Frame("stand.bmp", Creature(100));
    Frame("walk.bmp", Creature(150));
    Frame("hit.bmp", Creature(200));
    const std::string rest = Lines({"stand.bmp  0+", "walk.bmp  1+", "hit.bmp  2+"});
    const std::string list = List(ListHeader("7", "Auto 250") + rest);

    TShadowJob job;
    job.Open(list);
    EXPECT_EQ(job.BaseLine(), 250);
    EXPECT_EQ(job.Kind(), ShadowKind::Creature);
    ASSERT_EQ(job.RowCount(), 6);

    Bitmap work;
    EXPECT_TRUE(job.Preview(2, work));
    EXPECT_EQ(work, Generated(Creature(150), 250, ShadowKind::Creature, true));
    EXPECT_FALSE(job.Preview(1, work));  // separator row

    job.SetBaseLine(280);
    job.Save();
    EXPECT_EQ(Load("stand.bmp"), Generated(Creature(100), 280, ShadowKind::Creature, false));
    EXPECT_EQ(Load("walk.bmp"), Generated(Creature(150), 280, ShadowKind::Creature, true));
    EXPECT_EQ(Load("hit.bmp"), Generated(Creature(200), 280, ShadowKind::Creature, true));
    EXPECT_EQ(test::ReadBytes(list), ListHeader("7", "Auto 280") + rest);
}

TEST_F(ShadowJobTest, Line14DecidesTheRewrite) {
    Frame("a.bmp", Creature(10));
    const std::string rest = Lines({"a.bmp  0+"});
    // "Auto" without a number: the creature default, written back with it.
    const std::string list = List(ListHeader("7", "auto") + rest);
    TShadowJob job;
    job.Open(list);
    EXPECT_EQ(job.BaseLine(), 260);  // a lower-case "auto" alone is not "Auto": the default rules
    job.Save();
    EXPECT_EQ(test::ReadBytes(list), ListHeader("7", "auto") + rest);

    List(ListHeader("5", "Auto") + rest);
    job.Open(list);
    job.SetBaseLine(77);
    job.Save();
    EXPECT_EQ(test::ReadBytes(list), ListHeader("5", "Auto 77") + rest);

    List(ListHeader("7", "Fixed 120") + rest);
    job.Open(list);
    job.Save();
    EXPECT_EQ(test::ReadBytes(list), ListHeader("7", "Fixed 120") + rest);
}

TEST_F(ShadowJobTest, StartingBaseLine) {
    Frame("a.bmp", Creature(10));  // lowest figure row 299
    TShadowJob job;
    job.Open(List(ListHeader("7", "Auto") + Lines({"a.bmp  2+"})));
    EXPECT_EQ(job.BaseLine(), 260);
    job.Open(List(ListHeader("5", "Auto") + Lines({"a.bmp  2+"})));
    EXPECT_EQ(job.BaseLine(), 299);
    job.Open(List(ListHeader("5", "Auto") + Lines({"missing.bmp  2+"})));
    EXPECT_EQ(job.BaseLine(), 64);
    job.Open(List(ListHeader("5", "Auto")));
    EXPECT_EQ(job.BaseLine(), 64);
    EXPECT_EQ(job.RowCount(), 0);
    // The largest number is a base line like any other, and is written back as read.
    const std::string list = List(ListHeader("5", "Auto 2147483647"));
    job.Open(list);
    EXPECT_EQ(job.BaseLine(), 2147483647);
    job.Save();
    EXPECT_EQ(test::ReadBytes(list), ListHeader("5", "Auto 2147483647"));
}

TEST_F(ShadowJobTest, ListWithoutHeaderNeedsACreatureSizedFirstFrame) {
    Frame("big.bmp", Creature(10));
    Frame("small.bmp", Frame8(100, 80));
    TShadowJob job;
    const std::string text = Lines({"big.bmp  0+", "small.bmp  1+"});
    job.Open(List(text));
    EXPECT_EQ(job.Kind(), ShadowKind::Creature);
    EXPECT_TRUE(job.SelectionAt(2));
    EXPECT_EQ(job.BaseLine(), 260);

    job.Open(List(Lines({"small.bmp  0+", "big.bmp  1+"})));
    EXPECT_EQ(job.Kind(), ShadowKind::Slanted);
    EXPECT_FALSE(job.SelectionAt(2));
    EXPECT_EQ(job.BaseLine(), 80);  // an empty frame: its height
    job.Save();
    EXPECT_EQ(test::ReadBytes(folder / "list.txl"), Lines({"small.bmp  0+", "big.bmp  1+"}));
}

TEST_F(ShadowJobTest, FrameNamedTwiceIsSavedOnce) {
    Frame("same.bmp", Creature(100));
    std::filesystem::create_directory(folder / "SUB");
    TShadowJob job;
    // Group 0 has no outline, group 1 would have one: the first position decides.
    job.Open(List(ListHeader("7", "Auto 300") + Lines({"same.bmp  0+", "SUB/../same.bmp  1+"})));
    job.Save();
    EXPECT_EQ(Load("same.bmp"), Generated(Creature(100), 300, ShadowKind::Creature, false));
}

TEST_F(ShadowJobTest, NamesResolveAgainstTheListFolder) {
    std::filesystem::create_directories(folder / "frames/deep");
    Frame("frames/deep/rel.bmp", Creature(10));
    Frame("abs.bmp", Creature(20));
    const std::string absolute = folder / "abs.bmp";
    const std::string cwd = std::filesystem::current_path().string();
    std::filesystem::current_path("/");
    TShadowJob job;
    job.Open(List(ListHeader("5", "Auto 290") + Lines({"frames\\deep\\rel.bmp", absolute + "  0+"})));
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(job.FrameExists(0));
    EXPECT_TRUE(job.FrameExists(1));
    job.Save();
    EXPECT_EQ(Load("frames/deep/rel.bmp"), Generated(Creature(10), 290, ShadowKind::Slanted, false));
    EXPECT_EQ(Load("abs.bmp"), Generated(Creature(20), 290, ShadowKind::Slanted, false));
}

TEST_F(ShadowJobTest, BadFramesInPreview) {
    Bitmap deep(40, 40, PixelFormat::Bits24);
    Frame("deep.bmp", deep);
    test::WriteBytes(folder / "junk.bmp", "not a picture at all");
    Frame("ok.bmp", Creature(10));
    TShadowJob job;
    job.Open(List(ListHeader("5", "Auto 100") + Lines({"deep.bmp", "junk.bmp", "missing.bmp", "ok.bmp  0+"})));
    Bitmap work;
    auto previewError = [&](int row) -> std::string {
        try {
            job.Preview(row, work);
        } catch (const Exception& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(previewError(0), "Picture must have 256 colors (Unit3.cpp, line 532)");
    EXPECT_EQ(previewError(1), "Bitmap image is not valid");
    EXPECT_EQ(previewError(1), "Bitmap image is not valid");  // again, not an empty picture
    EXPECT_FALSE(job.Preview(2, work));
    EXPECT_TRUE(job.Preview(3, work));
    job.SetBaseLine(0);
    EXPECT_EQ(previewError(3), "Assertion failure (Unit3.cpp, line 398)");
}

TEST_F(ShadowJobTest, SaveStopsAtTheFailingFrame) {
    Frame("one.bmp", Creature(10));
    Frame("deep.bmp", Bitmap(30, 30, PixelFormat::Bits24));
    test::WriteBytes(folder / "junk.bmp", "BM garbage");
    Frame("two.bmp", Creature(20));
    const std::string text = ListHeader("5", "Auto 200") + Lines({"one.bmp", "missing.bmp", "deep.bmp", "junk.bmp", "two.bmp  0+"});
    const std::string list = List(text);
    const std::string deepBytes = test::ReadBytes(folder / "deep.bmp");
    TShadowJob job;
    job.Open(list);
    EXPECT_THROW(job.Save(), EInvalidGraphic);
    EXPECT_EQ(Load("one.bmp"), Generated(Creature(10), 200, ShadowKind::Slanted, false));
    EXPECT_EQ(test::ReadBytes(folder / "deep.bmp"), deepBytes);
    EXPECT_EQ(Load("two.bmp"), Creature(20));
    EXPECT_EQ(test::ReadBytes(list), text);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.bmp"));
}

TEST_F(ShadowJobTest, FramesComeOutTheSameOnAnyNumberOfThreads) {
    std::vector<std::string> first;
    for (const int threads : {1, 2, 8}) {
        test::WorkerCountFor count(threads);
        std::string rest;
        for (int k = 0; k < 8; ++k) {
            Frame("f" + std::to_string(k) + ".bmp", Creature(60 + 25 * k));
            rest += "f" + std::to_string(k) + ".bmp  " + std::to_string(k % 2) + "+\r\n";
        }
        TShadowJob job;
        job.Open(List(ListHeader("7", "250") + rest));
        job.Save();
        std::vector<std::string> bytes;
        for (int k = 0; k < 8; ++k) bytes.push_back(test::ReadBytes(folder / ("f" + std::to_string(k) + ".bmp")));
        if (first.empty()) first = bytes;
        EXPECT_TRUE(bytes == first) << threads << " threads";
    }
}

TEST_F(ShadowJobTest, BaseLineFailureSavesNothing) {
    Frame("one.bmp", Creature(10));
    const std::string text = ListHeader("7", "Auto") + Lines({"one.bmp  0+"});
    const std::string list = List(text);
    TShadowJob job;
    job.Open(list);
    job.SetBaseLine(-5);
    EXPECT_THROW(job.Save(), EAssertionFailed);
    EXPECT_EQ(Load("one.bmp"), Creature(10));
    EXPECT_EQ(test::ReadBytes(list), text);
}

TEST_F(ShadowJobTest, MalformedListLeavesTheJobEmpty) {
    Frame("one.bmp", Creature(10));
    TShadowJob job;
    job.Open(List(ListHeader() + Lines({"one.bmp  0+"})));
    EXPECT_EQ(job.RowCount(), 2);
    EXPECT_THROW(job.Open(List(ListHeader() + Lines({"one.bmp+"}))), EAssertionFailed);
    EXPECT_EQ(job.RowCount(), 0);
}

}  // namespace
}  // namespace vok
