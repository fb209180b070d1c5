// Writing BMP files and reading them back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "pictures/BmpCodec.h"
#include "support/Errors.h"
#include "support/TempFolder.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

// Random pixel bytes; a full grey-ish colour table for paletted formats.
Bitmap Sample(int w, int h, PixelFormat format, unsigned seed = 1) {
    Bitmap b(w, h, format);
    std::mt19937 rng(seed);
    for (std::size_t i = 0; i < b.byteSize(); ++i) b.bits()[i] = std::uint8_t(rng());
    if (IsPaletted(format)) {
        std::vector<RgbQuad> colors(std::size_t(Traits(format).paletteSize));
        for (auto& c : colors) c = RgbQuad{std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng()), 0};
        b.setColorTable(colors);
    }
    return b;
}

Bitmap SampleCustom(int w, int h, const CustomLayout& layout) {
    Bitmap b = Sample(w, h, layout.bitCount == 16 ? PixelFormat::Bits16 : PixelFormat::Bits32);
    b.setCustomLayout(layout);
    return b;
}

Bitmap RoundTrip(const Bitmap& b) {
    const auto bytes = EncodeBmp(b);
    return DecodeBmp(bytes.data(), bytes.size());
}

std::uint32_t U32(const std::vector<std::uint8_t>& v, std::size_t at) {
    return v[at] | (v[at + 1] << 8) | (v[at + 2] << 16) | (std::uint32_t(v[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& v, std::size_t at) { return std::uint16_t(v[at] | (v[at + 1] << 8)); }

TEST(BmpWriter, WritesNoFileItsReaderWouldRefuse) {
    test::TempFolder folder;
    const std::string name = folder / "out.bmp";
    Bitmap overlapping(2, 2, PixelFormat::Bits32);
    overlapping.setCustomLayout({32, Compression::BitFields, 0xFFFF, 0xFF00, 0xFF0000});
    for (const Bitmap& picture : {Bitmap(0, 3, PixelFormat::Bits24), overlapping}) {
        try {
            SaveBitmapToFile(picture, name);
            ADD_FAILURE() << "saved";
        } catch (const EFCreateError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + name + "\". ", 0), 0u) << e.what();
        }
        EXPECT_FALSE(fs::exists(name));
    }
}

TEST(BmpRoundTripTest, EveryDepthComesBackBitForBit) {
    for (PixelFormat f : {PixelFormat::Bits1, PixelFormat::Bits4, PixelFormat::Bits8, PixelFormat::Bits15,
                          PixelFormat::Bits24, PixelFormat::Bits32}) {
        for (int w : {1, 3, 7, 13}) {
            SCOPED_TRACE(testing::Message() << "format " << int(f) << " width " << w);
            const Bitmap b = Sample(w, 5, f, unsigned(w));
            const Bitmap back = RoundTrip(b);
            EXPECT_EQ(back.pixelFormat(), f);
            EXPECT_TRUE(back == b);
        }
    }
}

TEST(BmpRoundTripTest, SixteenBitAndCustomLayoutsKeepTheirMasks) {
    // Bits16 is written with 5-6-5 masks and reads back as that custom layout.
    const Bitmap b16 = Sample(9, 4, PixelFormat::Bits16);
    const Bitmap back16 = RoundTrip(b16);
    ASSERT_EQ(back16.pixelFormat(), PixelFormat::Custom);
    EXPECT_EQ(back16.customLayout(), (CustomLayout{16, Compression::BitFields, 0xF800, 0x07E0, 0x001F}));
    EXPECT_EQ(std::memcmp(back16.scanLine(3), b16.scanLine(3), 18), 0);
    for (const CustomLayout& l : {CustomLayout{16, Compression::BitFields, 0x0F00, 0x00F0, 0x000F},
                                  CustomLayout{16, Compression::BitFields, 0xF800, 0x07E0, 0x001F},
                                  CustomLayout{32, Compression::BitFields, 0x3FF00000, 0x000FFC00, 0x000003FF},
                                  CustomLayout{32, Compression::BitFields, 0xFF0000, 0xFF00, 0xFF}}) {
        SCOPED_TRACE(testing::Message() << std::hex << l.redMask);
        const Bitmap b = SampleCustom(6, 3, l);
        const Bitmap back = RoundTrip(b);
        EXPECT_EQ(back.pixelFormat(), PixelFormat::Custom);
        EXPECT_EQ(back.customLayout(), l);
        EXPECT_TRUE(back == b);
        EXPECT_EQ(back.colorAt(5, 2), b.colorAt(5, 2));
    }
}

TEST(BmpRoundTripTest, TopDownPicturesAreWrittenBottomUp) {
    Bitmap b = Sample(5, 4, PixelFormat::Bits24);
    Bitmap topDown = b;
    topDown.setBottomUp(false);
    const auto bytes = EncodeBmp(topDown);
    EXPECT_EQ(bytes, EncodeBmp(b));
    EXPECT_GT(std::int32_t(U32(bytes, 22)), 0);
    EXPECT_TRUE(RoundTrip(topDown) == b);
}

TEST(BmpRoundTripTest, EightBitFileLayout) {
    Bitmap b(3, 2, PixelFormat::Bits8);
    b.setColorTable({{0x10, 0x20, 0x30, 0}, {0x40, 0x50, 0x60, 0}});  // a short table
    b.scanLine(0)[0] = 1;  // top-left
    b.scanLine(1)[2] = 7;  // bottom-right
    const auto v = EncodeBmp(b);
    ASSERT_EQ(v.size(), 14u + 40u + 1024u + 8u);
    EXPECT_EQ(v[0], 'B');
    EXPECT_EQ(v[1], 'M');
    EXPECT_EQ(U32(v, 2), v.size());
    EXPECT_EQ(U32(v, 6), 0u);
    EXPECT_EQ(U32(v, 10), 14u + 40u + 1024u);
    EXPECT_EQ(U32(v, 14), 40u);
    EXPECT_EQ(U32(v, 18), 3u);
    EXPECT_EQ(U32(v, 22), 2u);
    EXPECT_EQ(U16(v, 26), 1u);
    EXPECT_EQ(U16(v, 28), 8u);
    EXPECT_EQ(U32(v, 30), 0u);  // uncompressed
    EXPECT_EQ(U32(v, 34), 8u);  // two rows of 4 bytes
    // 256 entries, blue first; missing entries black.
    const std::size_t table = 54;
    EXPECT_EQ(v[table + 0], 0x10);
    EXPECT_EQ(v[table + 1], 0x20);
    EXPECT_EQ(v[table + 2], 0x30);
    EXPECT_EQ(v[table + 3], 0);
    EXPECT_EQ(v[table + 4], 0x40);
    for (std::size_t i = table + 8; i < table + 1024; ++i) ASSERT_EQ(v[i], 0) << i;
    // Bottom row first.
    const std::vector<std::uint8_t> pixels(v.begin() + 1078, v.end());
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{0, 0, 7, 0, 1, 0, 0, 0}));
    // Reading gives the full table.
    const Bitmap back = DecodeBmp(v.data(), v.size());
    EXPECT_EQ(back.colorTable().size(), 256u);
    EXPECT_EQ(back.colorAt(0, 0), 0x405060u);
}

TEST(BmpRoundTripTest, TwentyFourBitFileLayout) {
    Bitmap b(2, 2, PixelFormat::Bits24);
    b.fill(0x112233);  // blue 0x11, green 0x22, red 0x33
    b.fillRect(0, 0, 1, 1, 0x0000FF);  // red top-left
    const auto v = EncodeBmp(b);
    ASSERT_EQ(v.size(), 54u + 16u);
    EXPECT_EQ(U32(v, 2), 70u);
    EXPECT_EQ(U32(v, 10), 54u);
    EXPECT_EQ(U16(v, 28), 24u);
    EXPECT_EQ(U32(v, 34), 16u);
    EXPECT_EQ(U32(v, 46), 0u);  // no colours used
    const std::vector<std::uint8_t> pixels(v.begin() + 54, v.end());
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{0x11, 0x22, 0x33, 0x11, 0x22, 0x33, 0, 0,  //
                                                 0x00, 0x00, 0xFF, 0x11, 0x22, 0x33, 0, 0}));
}

TEST(BmpRoundTripTest, FifteenAndBitFieldHeaders) {
    const auto v15 = EncodeBmp(Bitmap(1, 1, PixelFormat::Bits15));
    EXPECT_EQ(U16(v15, 28), 16u);
    EXPECT_EQ(U32(v15, 30), 0u);
    EXPECT_EQ(U32(v15, 10), 54u);
    const auto v16 = EncodeBmp(Bitmap(1, 1, PixelFormat::Bits16));
    EXPECT_EQ(U32(v16, 30), 3u);
    EXPECT_EQ(U32(v16, 10), 66u);
    EXPECT_EQ(U32(v16, 54), 0xF800u);
    EXPECT_EQ(U32(v16, 58), 0x07E0u);
    EXPECT_EQ(U32(v16, 62), 0x001Fu);
}

class BmpFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return folder_ / name; }
    test::TempFolder folder_;
};

TEST_F(BmpFileTest, SavedFileHoldsTheEncodedBytesInEitherRowOrder) {
    // Saving writes the rows straight from the picture: both storage orders must
    // give exactly the bytes of the encoder.
    const Bitmap b = Sample(7, 5, PixelFormat::Bits24);
    Bitmap topDown = b;
    topDown.setBottomUp(false);
    SaveBitmapToFile(b, Path("up.bmp"));
    SaveBitmapToFile(topDown, Path("down.bmp"));
    const auto expected = EncodeBmp(b);
    EXPECT_EQ(test::ReadBytes(Path("up.bmp")), std::string(expected.begin(), expected.end()));
    EXPECT_EQ(test::ReadBytes(Path("down.bmp")), std::string(expected.begin(), expected.end()));
}

TEST_F(BmpFileTest, SavesAndLoads) {
    const Bitmap b = Sample(17, 9, PixelFormat::Bits8);
    SaveBitmapToFile(b, Path("frame.bmp"));
    EXPECT_TRUE(LoadBitmapFromFile(Path("frame.bmp")) == b);
    // Overwriting leaves no temporary file behind.
    SaveBitmapToFile(Sample(4, 4, PixelFormat::Bits24), Path("frame.bmp"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 1);
    EXPECT_EQ(LoadBitmapFromFile(Path("frame.bmp")).width(), 4);
    // A name with a backslash loads from where it was saved.
    SaveBitmapToFile(b, Path("x\\y.bmp"));
    EXPECT_TRUE(LoadBitmapFromFile(Path("x\\y.bmp")) == b);
    EXPECT_TRUE(fs::exists(Path("x/y.bmp")));
}

TEST_F(BmpFileTest, MissingFileReportsTheOpenError) {
    const std::string name = Path("missing.bmp");
    try {
        LoadBitmapFromFile(name);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + name + "\". No such file or directory");
    }
    EXPECT_THROW(LoadBitmapFromFile(folder_.Path()), EFOpenError);
}

TEST_F(BmpFileTest, FailedSaveReportsTheCreateErrorAndKeepsTheOldFile) {
    // The target is a folder: the rename fails after the temporary file was written.
    fs::create_directories(Path("taken.bmp/inner"));
    const std::string target = Path("taken.bmp");
    try {
        SaveBitmapToFile(Sample(2, 2, PixelFormat::Bits8), target);
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + target + "\". ", 0), 0u) << e.what();
    }
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 1);
    // A folder that cannot be made: a file stands in its way.
    std::ofstream(Path("old.bmp")) << "old";
    EXPECT_THROW(SaveBitmapToFile(Sample(2, 2, PixelFormat::Bits8), Path("old.bmp/x.bmp")), EFCreateError);
    EXPECT_EQ(test::ReadBytes(Path("old.bmp")), "old");
}

TEST_F(BmpFileTest, InvalidFileChangesNothing) {
    std::ofstream(Path("bad.bmp")) << "BM not a picture";
    EXPECT_THROW(LoadBitmapFromFile(Path("bad.bmp")), EInvalidGraphic);
    EXPECT_EQ(test::ReadBytes(Path("bad.bmp")), "BM not a picture");
}

}  // namespace
}  // namespace vok
