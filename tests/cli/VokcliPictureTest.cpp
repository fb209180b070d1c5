// vokcli info and convert, run as the built program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "pictures/BmpCodec.h"
#include "support/RunVokcli.h"
#include "support/TempFolder.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

class VokcliPictureTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return folder_ / name; }

    test::TempFolder folder_;
};

Bitmap Paletted(int w, int h) {
    Bitmap b(w, h, PixelFormat::Bits8);
    std::vector<RgbQuad> colors(20);
    for (int i = 0; i < 20; ++i) colors[std::size_t(i)] = RgbQuad{std::uint8_t(i * 10), 0, std::uint8_t(255 - i), 0};
    b.setColorTable(colors);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.scanLine(y)[x] = std::uint8_t((x + y) % 20);
    return b;
}

TEST_F(VokcliPictureTest, InfoDescribesEachFile) {
    SaveBitmapToFile(Paletted(7, 3), Path("a.bmp"));
    SaveBitmapToFile(Bitmap(2, 5, PixelFormat::Bits24), Path("b.bmp"));
    Bitmap custom(1, 1, PixelFormat::Bits32);
    custom.setCustomLayout({32, Compression::BitFields, 0xFF, 0xFF00, 0xFF0000});
    SaveBitmapToFile(custom, Path("c.bmp"));
    const test::VokcliResult r = test::RunVokcli("info '" + Path("a.bmp") + "' '" + Path("b.bmp") + "' '" + Path("c.bmp") + "'");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, Path("a.bmp") + ": width=7 height=3 bits=8 palette=256\n" + Path("b.bmp") +
                         ": width=2 height=5 bits=24 palette=0\n" + Path("c.bmp") +
                         ": width=1 height=1 bits=custom palette=0\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(VokcliPictureTest, InfoReportsUnreadableFilesAndGoesOn) {
    std::ofstream(Path("bad.bmp")) << "nothing";
    SaveBitmapToFile(Bitmap(1, 1, PixelFormat::Bits15), Path("ok.bmp"));
    const test::VokcliResult r = test::RunVokcli("info '" + Path("missing.bmp") + "' '" + Path("bad.bmp") + "' '" + Path("ok.bmp") + "'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, Path("ok.bmp") + ": width=1 height=1 bits=15 palette=0\n");
    EXPECT_EQ(r.err, "Cannot open file \"" + Path("missing.bmp") + "\". No such file or directory\n" +
                         Path("bad.bmp") + ": Bitmap image is not valid\n");
}

TEST_F(VokcliPictureTest, InfoOnAnEndlessDeviceEndsAtOnce) {
    const test::VokcliResult r = test::RunVokcli("info /dev/zero");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "/dev/zero: Bitmap image is not valid\n");
}

TEST_F(VokcliPictureTest, InfoOnAFifoSaysSoInsteadOfWaitingForAWriter) {
    ASSERT_EQ(::mkfifo(Path("pipe.bmp").c_str(), 0600), 0);
    const test::VokcliResult r = test::RunVokcli("info '" + Path("pipe.bmp") + "'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "\"" + Path("pipe.bmp") + "\" is not a regular file\n");
}

TEST_F(VokcliPictureTest, ConvertKeepsTheFormatOrMakesTwentyFourBits) {
    const Bitmap original = Paletted(9, 4);
    SaveBitmapToFile(original, Path("in.bmp"));
    test::VokcliResult r = test::RunVokcli("convert '" + Path("in.bmp") + "' '" + Path("same.bmp") + "'");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(test::ReadBytes(Path("same.bmp")), test::ReadBytes(Path("in.bmp")));

    r = test::RunVokcli("convert '" + Path("in.bmp") + "' '" + Path("true.bmp") + "' --bits 24");
    EXPECT_EQ(r.exitCode, 0);
    const Bitmap converted = LoadBitmapFromFile(Path("true.bmp"));
    ASSERT_EQ(converted.pixelFormat(), PixelFormat::Bits24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x) ASSERT_EQ(converted.colorAt(x, y), original.colorAt(x, y));
}

TEST_F(VokcliPictureTest, APictureWithoutPixelsIsWrittenByNoWriter) {
    // A 24-bit PCX header with xmax one below xmin: 0 pixels wide, 3 rows high.
    std::string header(128, '\0');
    header[0] = 10, header[2] = 1, header[3] = 8, header[65] = 3;
    header[8] = header[9] = '\xFF';
    header[10] = 2;
    std::ofstream(Path("empty.pcx"), std::ios::binary) << header;
    for (const char* out : {"out.bmp", "out.pcx"}) {
        const test::VokcliResult r = test::RunVokcli("convert '" + Path("empty.pcx") + "' '" + Path(out) + "'");
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, "Cannot create file \"" + Path(out) + "\". The picture has no pixels\n");
        EXPECT_FALSE(fs::exists(Path(out)));
    }
}

TEST_F(VokcliPictureTest, ConvertFailuresAndUsage) {
    std::ofstream(Path("bad.bmp")) << "BM";
    test::VokcliResult r = test::RunVokcli("convert '" + Path("bad.bmp") + "' '" + Path("out.bmp") + "'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, Path("bad.bmp") + ": Bitmap image is not valid\n");
    EXPECT_FALSE(fs::exists(Path("out.bmp")));

    SaveBitmapToFile(Paletted(2, 2), Path("in.bmp"));
    std::ofstream(Path("file")) << "x";
    r = test::RunVokcli("convert '" + Path("in.bmp") + "' '" + Path("file/out.bmp") + "'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("Cannot create file \"" + Path("file/out.bmp") + "\". ", 0), 0u) << r.err;

    for (const std::string args : {"convert", "convert a", "convert a b c", "convert a b --bits 8",
                                   "convert a b --bits", "convert a b --size 3", "info"}) {
        SCOPED_TRACE(args);
        r = test::RunVokcli(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.err.find("usage: vokcli"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
}  // namespace vok
