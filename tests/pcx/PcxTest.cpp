#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pcx/Pcx.h"
#include "pcx/PictureFiles.h"
#include "pictures/QPix.h"
#include "support/TempFolder.h"
#include "support/WorkerCount.h"

namespace vok {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encoded(const Bytes& row) {
    Bytes out;
    PcxRleEncode(row.data(), row.size(), out);
    return out;
}

// A picture whose stored values follow a pattern, with a colour table when paletted.
Bitmap Pattern(int w, int h, PixelFormat format) {
    Bitmap b(w, h, format);
    TQuickPixels pixels(&b);
    const int bits = Traits(format).storageBits;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = std::uint32_t(x * 7 + y * 13 + (x / 3) * 101) * 2654435761u;
            pixels.SetPixel(x, y, bits == 24 ? v >> 8 : bits == 1 ? (v >> 20) & 1 : (v >> 24) & ((1u << bits) - 1));
        }
    if (format == PixelFormat::Bits1) b.setColorTable({RgbQuad{0, 0, 0, 0}, RgbQuad{255, 255, 255, 0}});
    if (IsPaletted(format) && format != PixelFormat::Bits1) {
        std::vector<RgbQuad> colors(std::size_t(Traits(format).paletteSize));
        for (std::size_t i = 0; i < colors.size(); ++i)
            colors[i] = RgbQuad{std::uint8_t(i * 3), std::uint8_t(255 - i), std::uint8_t(i * 7), 0};
        b.setColorTable(colors);
    }
    return b;
}

// A PCX header of our own making for the reader's tests.
Bytes Header(int bits, int planes, int w, int h, int bytesPerLine, int encoding = 1) {
    Bytes b(128, 0);
    b[0] = 10;
    b[1] = 5;
    b[2] = std::uint8_t(encoding);
    b[3] = std::uint8_t(bits);
    b[8] = std::uint8_t(w - 1), b[9] = std::uint8_t((w - 1) >> 8);
    b[10] = std::uint8_t(h - 1), b[11] = std::uint8_t((h - 1) >> 8);
    b[65] = std::uint8_t(planes);
    b[66] = std::uint8_t(bytesPerLine), b[67] = std::uint8_t(bytesPerLine >> 8);
    return b;
}

void ExpectFails(const Bytes& file, const char* message) {
    try {
        DecodePcx(file.data(), file.size());
        ADD_FAILURE() << "loaded; expected " << message;
    } catch (const EPcxError& e) {
        EXPECT_STREQ(e.what(), message);
    }
}

unsigned BytesPerLine(const Bytes& file) { return file[66] | file[67] << 8; }

TEST(PcxRle, RunsAreAtMost48AndHighBytesAreEscaped) {
    EXPECT_EQ(Encoded(Bytes(100, 7)), (Bytes{240, 7, 240, 7, 196, 7}));
    EXPECT_EQ(Encoded(Bytes{200}), (Bytes{193, 200}));
    EXPECT_EQ(Encoded(Bytes{191, 192, 192}), (Bytes{191, 194, 192}));
    const Bytes coded{193, 200};
    EXPECT_EQ(PcxRleDecode(coded.data(), coded.size()), Bytes{200});
}

TEST(PcxRle, ShortRunsAtTheEndOfAPieceGoOnInTheNext) {
    // Singles up to 1020, then ten 5s across the 1024-byte piece end: one run of ten.
    Bytes row;
    for (int i = 0; i < 1020; ++i) row.push_back(std::uint8_t(1 + i % 2));
    row.insert(row.end(), 10, 5);
    Bytes expected(row.begin(), row.begin() + 1020);
    expected.insert(expected.end(), {202, 5});
    EXPECT_EQ(Encoded(row), expected);
    // A single byte at the piece end is written alone.
    row.assign(1023, 1);
    row.insert(row.end(), 4, 9);
    const Bytes coded = Encoded(row);
    EXPECT_EQ(Bytes(coded.end() - 3, coded.end()), (Bytes{9, 195, 9}));
    EXPECT_EQ(PcxRleDecode(coded.data(), coded.size()), row);
}

TEST(PcxRle, ACarriedRunMovesEveryLaterPieceEnd) {
    // Ten 5s carried from byte 1020 start the second piece there, so it ends at 2044, not
    // 2048: the run of four 6s that starts at 2043 is cut after its first byte.
    Bytes row;
    for (int i = 0; i < 1020; ++i) row.push_back(std::uint8_t(1 + i % 2));
    row.insert(row.end(), 10, 5);
    for (int i = 1030; i < 2043; ++i) row.push_back(std::uint8_t(1 + i % 2));
    row.insert(row.end(), 4, 6);
    for (int i = 0; i < 40; ++i) row.push_back(std::uint8_t(1 + i % 2));
    const Bytes coded = Encoded(row);
    const Bytes tail(coded.end() - 44, coded.end() - 40);
    EXPECT_EQ(tail, (Bytes{1, 6, 195, 6}));
    EXPECT_EQ(PcxRleDecode(coded.data(), coded.size()), row);
}

TEST(PcxRle, DecodingRunsOnAcrossPiecesAndDropsATrailingCount) {
    Bytes coded(1023, 3);
    coded.insert(coded.end(), {197, 9, 0, 203});  // the pair straddles the piece end; a lone count ends it
    Bytes expected(1023, 3);
    expected.insert(expected.end(), {9, 9, 9, 9, 9, 0});
    EXPECT_EQ(PcxRleDecode(coded.data(), coded.size()), expected);
    const Bytes zero{192, 7, 1};
    EXPECT_EQ(PcxRleDecode(zero.data(), zero.size()), Bytes{1});
}

TEST(PcxWriter, BytesPerLineAndTheBlackAndWhiteHeader) {
    Bitmap mono = Pattern(10, 2, PixelFormat::Bits1);
    mono.setColorTable({RgbQuad{0, 0, 255, 0}, RgbQuad{0, 255, 0, 0}});
    const Bytes m = EncodePcx(mono);
    EXPECT_EQ(BytesPerLine(m), 2u);
    EXPECT_EQ(Bytes(m.begin() + 16, m.begin() + 22), (Bytes{0, 0, 0, 255, 255, 255}));
    EXPECT_EQ(m[65], 1);
    const Bytes four = EncodePcx(Pattern(10, 2, PixelFormat::Bits4));
    EXPECT_EQ(BytesPerLine(four), 6u);
    EXPECT_EQ(four[65], 4);
    const Bytes rgb = EncodePcx(Pattern(9, 2, PixelFormat::Bits24));
    EXPECT_EQ(BytesPerLine(rgb), 10u);
    EXPECT_EQ(rgb[3], 8);
    EXPECT_EQ(rgb[65], 3);
}

TEST(PcxRoundTrip, EveryFormatComesBackPixelForPixel) {
    for (const PixelFormat format : {PixelFormat::Bits1, PixelFormat::Bits4, PixelFormat::Bits8, PixelFormat::Bits24})
        for (const int w : {1, 9, 10, 1030}) {
            const Bitmap picture = Pattern(w, 5, format);
            const Bytes file = EncodePcx(picture);
            EXPECT_EQ(DecodePcx(file.data(), file.size()), picture) << w << " wide, " << int(format);
        }
}

TEST(PcxRoundTrip, TallPicturesAreTheSameFileOnAnyNumberOfThreads) {
    // Rows are coded in parallel batches: 150 rows make two full batches and a part.
    for (const PixelFormat format : {PixelFormat::Bits4, PixelFormat::Bits8, PixelFormat::Bits24}) {
        const Bitmap picture = Pattern(1100, 150, format);
        Bytes one;
        {
            test::WorkerCountFor threads(1);
            one = EncodePcx(picture);
        }
        for (const int count : {2, 8}) {
            test::WorkerCountFor threads(count);
            EXPECT_EQ(EncodePcx(picture), one) << count << " threads, " << int(format);
        }
        EXPECT_EQ(DecodePcx(one.data(), one.size()), picture);
    }
}

TEST(PcxRoundTrip, FormatsWithoutACaseAreSavedAs24Bits) {
    Bitmap wide(3, 2, PixelFormat::Bits32);
    wide.fill(RGB(10, 20, 30));
    TJvPcx pcx(wide);
    Bytes file;
    pcx.SaveToStream(file);
    EXPECT_EQ(pcx.pixelFormat(), PixelFormat::Bits24);
    const Bitmap back = DecodePcx(file.data(), file.size());
    EXPECT_EQ(back.pixelFormat(), PixelFormat::Bits24);
    EXPECT_EQ(back.colorAt(2, 1), RGB(10, 20, 30));
}

TEST(PcxReader, RawDataLoadsAsItsCodedTwin) {
    Bytes raw = Header(8, 3, 2, 2, 2, 0);
    // Rows of red, green and blue planes, runs across the row end in the coded twin.
    const Bytes rows{200, 200, 1, 2, 200, 200, 200, 200, 5, 5, 5, 5};
    raw.insert(raw.end(), rows.begin(), rows.end());
    Bytes coded = Header(8, 3, 2, 2, 2, 1);
    coded.insert(coded.end(), {194, 200, 1, 2, 196, 200, 196, 5});
    const Bitmap a = DecodePcx(raw.data(), raw.size());
    const Bitmap b = DecodePcx(coded.data(), coded.size());
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.colorAt(0, 0), RGB(200, 1, 200));
    EXPECT_EQ(a.colorAt(1, 1), RGB(200, 5, 5));
}

TEST(PcxReader, SizesFromTheCorners) {
    Bytes one = Header(8, 1, 1, 1, 2);
    one.insert(one.end(), {77, 0});
    one.push_back(12);
    one.resize(one.size() + 768, 1);
    const Bitmap b = DecodePcx(one.data(), one.size());
    EXPECT_EQ(b.width(), 1);
    EXPECT_EQ(b.height(), 1);
    EXPECT_EQ(b.scanLine(0)[0], 77);
    EXPECT_EQ(b.colorAt(0, 0), RGB(1, 1, 1));
    const Bytes empty = Header(8, 1, 0, 5, 0);  // xmax = xmin - 1
    EXPECT_TRUE(DecodePcx(empty.data(), empty.size()).empty());
    const Bytes saved = EncodePcx(Bitmap(0, 3, PixelFormat::Bits24));
    EXPECT_TRUE(DecodePcx(saved.data(), saved.size()).empty());
}

TEST(PcxReader, MalformedFilesEndWithTheirMessage) {
    const Bytes good = EncodePcx(Pattern(6, 3, PixelFormat::Bits8));
    ExpectFails(Bytes(good.begin(), good.begin() + 127), PcxInvalidText);
    Bytes b = good;
    b[0] = 11;
    ExpectFails(b, PcxInvalidText);
    ExpectFails(Header(8, 1, 6, 3, 7), PcxInvalidText);   // odd bytes per line
    ExpectFails(Header(8, 1, 6, 3, 4), PcxInvalidText);   // a row longer than its line
    ExpectFails(Header(8, 1, -2, 3, 6), PcxInvalidText);  // negative width
    ExpectFails(Header(1, 3, 6, 3, 6), PcxUnknownFormatText);
    ExpectFails(Header(4, 1, 6, 3, 6), PcxUnknownFormatText);
    ExpectFails(Header(8, 4, 6, 3, 6), PcxUnknownFormatText);
    b = good;
    b[b.size() - 769] = 13;
    ExpectFails(b, PcxNoPaletteText);
    ExpectFails(Header(8, 1, 6, 3, 6), PcxNoPaletteText);  // no palette block at all
    b = Header(8, 3, 6, 3, 6);
    b.insert(b.end(), 6 * 3 * 3 - 1, 1);
    ExpectFails(b, PcxUnknownFormatText);  // a byte short of the last row
}

TEST(PictureFiles, PcxNamesInAnyCaseSaveAndLoadAsPcx) {
    test::TempFolder folder;
    const Bitmap picture = Pattern(5, 4, PixelFormat::Bits8);
    SavePicture(picture, folder / "a.PcX");
    SavePicture(picture, folder / "a.bmp");
    EXPECT_EQ(test::ReadBytes(folder / "a.PcX").substr(0, 2), "\x0a\x05");
    EXPECT_EQ(test::ReadBytes(folder / "a.bmp").substr(0, 2), "BM");
    EXPECT_EQ(LoadPicture(folder / "a.PcX"), picture);
    EXPECT_EQ(LoadPicture(folder / "a.bmp"), picture);
}

}  // namespace
}  // namespace vok
