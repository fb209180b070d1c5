#include <gtest/gtest.h>

#include <spng.h>

#include <cstring>
#include <string>
#include <vector>

#include "colours/ColourFiles.h"
#include "colours/ColourTestPictures.h"
#include "pcx/PictureFiles.h"
#include "pictures/BmpCodec.h"
#include "png/Png.h"
#include "support/RunVokcli.h"
#include "support/TempFolder.h"

namespace vok {

using namespace vok::test;

namespace {

// RGBA pixels as a PNG, written by libspng directly (not by the writer under test).
template <typename Sample>
std::string RgbaPng(int width, int height, const std::vector<Sample>& rgba) {
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
    spng_ihdr h{std::uint32_t(width), std::uint32_t(height), std::uint8_t(sizeof(Sample) * 8),
                SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 0, 0, 0};
    spng_set_ihdr(ctx, &h);
    EXPECT_EQ(spng_encode_image(ctx, rgba.data(), rgba.size() * sizeof(Sample), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE), 0);
    std::size_t length = 0;
    int error = 0;
    char* buffer = static_cast<char*>(spng_get_png_buffer(ctx, &length, &error));
    std::string bytes(buffer, length);
    std::free(buffer);
    spng_ctx_free(ctx);
    return bytes;
}

Bitmap Decode(const std::string& bytes, PngReading reading = {}) {
    return DecodePng(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), reading);
}

std::string Encode(const Bitmap& picture) {
    const auto bytes = EncodePng(picture);
    return std::string(bytes.begin(), bytes.end());
}

std::uint32_t Crc(const std::string& bytes) {
    std::uint32_t c = 0xFFFFFFFF;
    for (unsigned char b : bytes) {
        c ^= b;
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320 ^ (c >> 1) : c >> 1;
    }
    return ~c;
}

}  // namespace

TEST(Png, AlphaBelowTheThresholdIsBackgroundAtItKeepsItsColourUnblended) {
    const std::string eight = RgbaPng<std::uint8_t>(4, 1, {10, 20, 30, 0, 10, 20, 30, 127, 10, 20, 30, 128, 10, 20, 30, 255});
    const std::uint32_t bg = RGB(1, 2, 3), c = RGB(10, 20, 30);
    const auto row = [](const Bitmap& b) {
        return std::vector<std::uint32_t>{b.colorAt(0, 0), b.colorAt(1, 0), b.colorAt(2, 0), b.colorAt(3, 0)};
    };
    EXPECT_EQ(row(Decode(eight, {bg, 128})), (std::vector<std::uint32_t>{bg, bg, c, c}));
    EXPECT_EQ(row(Decode(eight, {bg, 256})), (std::vector<std::uint32_t>{bg, bg, bg, c}));  // opaque stays
    EXPECT_EQ(row(Decode(eight, {bg, 0})), (std::vector<std::uint32_t>{c, c, c, c}));
    // 16-bit samples round to 8 bits: 0x0080 -> 0, 0x0081 -> 1; alpha 32767 -> 127, 32896 -> 128.
    const std::string wide = RgbaPng<std::uint16_t>(
        3, 1, {0x0080, 0x0081, 0xFFFF, 32767, 0x0080, 0x0081, 0xFFFF, 32896, 0x8000, 0x7F7F, 0x0000, 65535});
    const Bitmap w = Decode(wide, {bg, 128});
    EXPECT_EQ(w.colorAt(0, 0), bg);
    EXPECT_EQ(w.colorAt(1, 0), RGB(0, 1, 255));
    EXPECT_EQ(w.colorAt(2, 0), RGB(128, 127, 0));

    // The file loader takes the current setting; every other kind of picture ignores it.
    TempFolder dir;
    WriteBytes(dir / "a.PNG", eight);
    SetPngReading({bg, 200});
    EXPECT_EQ(row(LoadPicture(dir / "a.PNG")), (std::vector<std::uint32_t>{bg, bg, bg, c}));
    SetPngReading({});
    EXPECT_EQ(LoadPicture(dir / "a.PNG").colorAt(0, 0), std::uint32_t(DefaultStandardColors()[0]));
}

TEST(Png, PicturesComeBackWithTheirIndexesPaletteAndColours) {
    for (const PixelFormat format : {PixelFormat::Bits1, PixelFormat::Bits4, PixelFormat::Bits8}) {
        const int entries = format == PixelFormat::Bits1 ? 2 : format == PixelFormat::Bits4 ? 13 : 256;
        std::vector<RgbQuad> colors;
        for (int i = 0; i < entries; ++i) colors.push_back(RgbQuad{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7), 0});
        Bitmap b(37, 5, format);  // rows not a whole number of bytes
        b.setColorTable(colors);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 37; ++x) b.fillRect(x, y, x + 1, y + 1, ToColor(colors[(x * 5 + y * 3) % entries]));
        const Bitmap back = Decode(Encode(b));
        EXPECT_EQ(back, b) << int(format);
    }
    // Direct colour of any depth is written as RGB.
    Bitmap wide = PatternFrame(9, 4, RGB(200, 10, 0), RGB(0, 248, 8), 2, 3);
    wide.setPixelFormat(PixelFormat::Bits24);
    EXPECT_EQ(Decode(Encode(wide)), wide);
    wide.setPixelFormat(PixelFormat::Bits16);
    const Bitmap back = Decode(Encode(wide));
    EXPECT_EQ(back.pixelFormat(), PixelFormat::Bits24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x) EXPECT_EQ(back.colorAt(x, y), wide.colorAt(x, y));
    EXPECT_THROW(Encode(Bitmap(0, 3, PixelFormat::Bits8)), EPngError);
}

TEST(Png, BrokenFilesFailCleanlyNamingTheFileAndNothingIsWritten) {
    TempFolder dir;
    const std::string good = Encode(PatternFrame(40, 30, RGB(1, 2, 3), RGB(200, 100, 50), 3, 1));
    std::string corrupt = good;
    corrupt[corrupt.size() - 20] ^= 0x10;  // inside the picture data: its checksum no longer matches
    std::string bomb = good.substr(0, 33);  // a 100000 x 100000 header over a few bytes of data
    const std::string ihdr = std::string("IHDR") + std::string("\0\1\x86\xA0\0\1\x86\xA0\x08\x02\0\0\0", 13);
    const std::uint32_t crc = Crc(ihdr);
    bomb.replace(12, 17, ihdr);
    for (int k = 0; k < 4; ++k) bomb[29 + k] = char(crc >> (24 - 8 * k));
    bomb += good.substr(33);
    for (const std::string& bytes : {good.substr(0, good.size() / 2), corrupt, bomb, std::string("\x89PNG\r\n")}) {
        WriteBytes(dir / "in.png", bytes);
        EXPECT_THROW(LoadPicture(dir / "in.png"), EPngError);
        const VokcliResult run = RunVokcliWords({"convert", dir / "in.png", dir / "out.bmp"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err.rfind("Cannot read PNG picture \"" + (dir / "in.png") + "\": ", 0), 0u) << run.err;
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"in.png"});
    }
}

TEST(Png, CombineOfPngFramesEqualsCombineOfTheSameFramesAsBmp) {
    TempFolder dir;
    const Bitmap frames[] = {PatternFrame(7, 5, RGB(1, 2, 3), RGB(90, 80, 70), 2, 1),
                             Paletted(4, 6, {RGB(9, 8, 7), RGB(250, 0, 0)}, 1)};
    for (int k = 0; k < 2; ++k) {
        SaveBitmapToFile(frames[k], dir / ("f" + std::to_string(k) + ".bmp"));
        SavePicture(frames[k], dir / ("f" + std::to_string(k) + ".png"));
    }
    CombineFiles({dir / "f0.png", dir / "f1.png"}, dir / "png.bmp", DefaultStandardColors(), {});
    CombineFiles({dir / "f0.bmp", dir / "f1.bmp"}, dir / "bmp.bmp", DefaultStandardColors(), {});
    EXPECT_EQ(ReadBytes(dir / "png.bmp"), ReadBytes(dir / "bmp.bmp"));
}

TEST(Png, ReduceTurnsTransparentRendersIntoTheFramesOfTheSameRendersOnTheBackground) {
    TempFolder dir, fromPng, fromBmp;
    // A standard-colour list whose first colour is not the default one.
    WriteBytes(dir / "colors.txt", "204060\nFF96FF\n");
    const std::uint32_t bg = 0x204060;
    std::vector<std::uint8_t> rgba;
    Bitmap onBackground = TrueColor(6, 2, bg);
    for (int i = 0; i < 12; ++i) {
        const std::uint8_t alpha = std::uint8_t(i * 23), r = std::uint8_t(i * 20), g = 100, b = std::uint8_t(255 - i * 9);
        rgba.insert(rgba.end(), {r, g, b, alpha});
        if (alpha >= 60) onBackground.fillRect(i % 6, i / 6, i % 6 + 1, i / 6 + 1, RGB(r, g, b));
    }
    WriteBytes(dir / "render.png", RgbaPng<std::uint8_t>(6, 2, rgba));
    SaveBitmapToFile(onBackground, dir / "render.bmp");
    const VokcliResult run = RunVokcliWords({"reduce", "--colors", dir / "colors.txt", "--alpha-threshold", "60",
                                             "--to", "bmp", "-o", fromPng.Path(), dir / "render.png"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(RunVokcliWords({"reduce", "--colors", dir / "colors.txt", "-o", fromBmp.Path(), dir / "render.bmp"}).exitCode, 0);
    EXPECT_EQ(ReadBytes(fromPng / "render.bmp"), ReadBytes(fromBmp / "render.bmp"));
    EXPECT_EQ(RunVokcliWords({"info", "--alpha-threshold", "257", dir / "render.png"}).exitCode, 2);
}

}  // namespace vok
