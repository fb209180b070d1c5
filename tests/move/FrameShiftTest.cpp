#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <stdexcept>

#include "move/FrameShift.h"
#include "pictures/BmpCodec.h"
#include "pictures/QPix.h"
#include "support/TempFolder.h"
#include "support/WorkerCount.h"

namespace vok {
namespace {

// A 4 x 3 8-bit frame of indexes 10 + 4y + x whose top-left colour is also that of
// index 3 (so a fill by colour would not keep the index).
Bitmap Frame() {
    Bitmap b(4, 3, PixelFormat::Bits8);
    std::vector<RgbQuad> colors(256);
    for (int i = 0; i < 256; ++i) colors[std::size_t(i)] = RgbQuad{std::uint8_t(i), 0, 0, 0};
    colors[10] = colors[3];
    b.setColorTable(colors);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) b.scanLine(y)[x] = std::uint8_t(10 + 4 * y + x);
    return b;
}

// Frames held in memory by name; saves are recorded.
struct Files {
    std::map<std::string, Bitmap> pictures;
    std::vector<std::string> saved;
    TFrameShifter shifter{[this](const std::string& name) {
                              auto it = pictures.find(name);
                              if (it == pictures.end()) throw std::runtime_error("cannot open " + name);
                              return it->second;
                          },
                          [this](const Bitmap& b, const std::string& name) {
                              pictures[name] = b;
                              saved.push_back(name);
                          }};
};

TEST(ShiftedFrame, MovesPixelsAndFillsTheStripWithTheTopLeftIndex) {
    const Bitmap shifted = ShiftedFrame(Frame(), FrameOffset{1, -1});
    EXPECT_EQ(shifted.colorTable(), Frame().colorTable());
    const std::uint8_t expected[3][4] = {{10, 14, 15, 16}, {10, 18, 19, 20}, {10, 10, 10, 10}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(shifted.scanLine(y)[x], expected[y][x]) << x << "," << y;
}

TEST(ShiftedFrame, AShiftLargerThanTheFrameLeavesOneColour) {
    for (const PixelFormat format : {PixelFormat::Bits4, PixelFormat::Bits24}) {
        Bitmap b = Frame();
        b.setPixelFormat(format);
        const std::uint32_t topLeft = b.colorAt(0, 0);
        for (const FrameOffset offset : {FrameOffset{5, 0}, FrameOffset{0, -3}, FrameOffset{INT_MAX, INT_MIN}}) {
            const Bitmap shifted = ShiftedFrame(b, offset);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 4; ++x) ASSERT_EQ(shifted.colorAt(x, y), topLeft);
        }
    }
}

TEST(FrameShifter, TwoNamesOfOneFileMoveTogetherAndAreWrittenOnce) {
    Files files;
    files.pictures["a"] = Frame();
    files.pictures["b"] = Frame();
    files.shifter.SetFileNames({"a", "b", "a"});
    files.shifter.ShiftOne(2, 1, 0);
    EXPECT_EQ(files.shifter.Offset(0), (FrameOffset{1, 0}));
    EXPECT_EQ(files.shifter.Offset(1), (FrameOffset{0, 0}));
    files.shifter.ShiftAll(0, 2);
    EXPECT_EQ(files.shifter.Offset(0), (FrameOffset{1, 2}));
    EXPECT_EQ(files.shifter.Offset(1), (FrameOffset{0, 2}));
    EXPECT_TRUE(files.shifter.Save().empty());
    EXPECT_EQ(files.saved, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(files.pictures["a"].scanLine(2)[1], 10);
}

TEST(FrameShifter, ThereAndBackWritesTheFrameUnchanged) {
    Files files;
    files.pictures["a"] = Frame();
    files.shifter.SetFileNames({"a"});
    files.shifter.ShiftAll(3, 0);
    files.shifter.ShiftAll(-3, 0);
    files.shifter.Save();
    EXPECT_EQ(files.pictures["a"], Frame());
}

TEST(FrameShifter, AFrameThatDidNotLoadIsNeverWritten) {
    Files files;
    files.pictures["a"] = Frame();
    files.shifter.SetFileNames({"gone", "a", "gone"});
    EXPECT_THROW(files.shifter.Picture(0), std::runtime_error);
    files.pictures["gone"] = Frame();  // appears meanwhile: still not written over
    EXPECT_EQ(files.shifter.Save(), std::vector<std::string>{"gone"});
    EXPECT_EQ(files.saved, std::vector<std::string>{"a"});

    files.shifter.SetFileNames({"a", "missing"});
    EXPECT_THROW(files.shifter.LoadAll(), std::runtime_error);
}

TEST(FrameOffsets, StayInsideTheIntegerRange) {
    EXPECT_EQ(AddOffset(FrameOffset{INT_MAX - 1, INT_MIN + 1}, 5, -5), (FrameOffset{INT_MAX, INT_MIN}));
}

}  // namespace

TEST(FrameShifter, FilesComeOutTheSameOnAnyNumberOfThreads) {
    std::vector<std::string> first;
    for (const int threads : {1, 2, 8}) {
        test::WorkerCountFor count(threads);
        test::TempFolder dir;
        std::vector<std::string> names;
        for (int k = 0; k < 10; ++k) {
            Bitmap b = Frame();
            b.setSize(4 + k, 3 + k % 3);
            names.push_back(dir / ("f" + std::to_string(k) + ".bmp"));
            SaveBitmapToFile(b, names.back());
        }
        TFrameShifter shifter;
        shifter.SetFileNames(names);
        shifter.LoadAll();
        shifter.ShiftAll(2, -1);
        shifter.ShiftOne(3, 1, 1);
        EXPECT_TRUE(shifter.Save().empty());
        std::vector<std::string> bytes;
        for (const std::string& name : names) bytes.push_back(test::ReadBytes(name));
        if (first.empty()) first = bytes;
        EXPECT_TRUE(bytes == first) << threads << " threads";
    }
}

}  // namespace vok
