#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "pictures/Bitmap.h"
#include "pictures/PixelFormatPrint.h"
#include "pictures/TestColors.h"

namespace vok {
namespace {

using test::kBlack, test::kBlue, test::kGreen, test::kRed, test::kWhite;

std::vector<RgbQuad> Table(std::initializer_list<std::uint32_t> colors) {
    std::vector<RgbQuad> t;
    for (std::uint32_t c : colors) t.push_back(ToQuad(c));
    return t;
}

Bitmap Paletted(int w, int h, PixelFormat f, std::initializer_list<std::uint32_t> colors) {
    Bitmap b(w, h, f);
    b.setColorTable(Table(colors));
    return b;
}

// Stored index of a paletted pixel, read from memory.
int IndexAt(const Bitmap& b, int x, int y) {
    const std::uint8_t* row = b.scanLine(y);
    switch (b.storageBits()) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return x % 2 ? row[x / 2] & 15 : row[x / 2] >> 4;
    default: return row[x];
    }
}

TEST(Bitmap, RowsArePaddedAndAddressedFromTheTop) {
    Bitmap b(5, 3, PixelFormat::Bits24);
    EXPECT_EQ(b.stride(), 16u);
    EXPECT_EQ(b.byteSize(), 48u);
    ASSERT_TRUE(b.bottomUp());
    EXPECT_EQ(b.rowStep(), -16);
    EXPECT_EQ(b.scanLine(0), b.bits() + 32);  // the top row is stored last
    EXPECT_EQ(b.scanLine(2), b.bits());
    b.setBottomUp(false);
    EXPECT_EQ(b.rowStep(), 16);
    EXPECT_EQ(b.scanLine(0), b.bits());
    EXPECT_EQ(Bitmap(3, 1, PixelFormat::Bits1).stride(), 4u);
    EXPECT_EQ(Bitmap(33, 1, PixelFormat::Bits1).stride(), 8u);
    EXPECT_EQ(Bitmap(9, 1, PixelFormat::Bits4).stride(), 8u);
    EXPECT_THROW(Bitmap(1, 1, PixelFormat::Custom), std::invalid_argument);
    EXPECT_THROW(Bitmap(-1, 1, PixelFormat::Bits8), std::invalid_argument);
}

TEST(Bitmap, SetBottomUpKeepsThePicture) {
    Bitmap b(2, 3, PixelFormat::Bits24);
    b.fillRect(0, 0, 2, 1, kRed);
    b.fillRect(0, 2, 1, 3, kBlue);
    const Bitmap before = b;
    b.setBottomUp(false);
    EXPECT_EQ(b, before);
    EXPECT_EQ(b.colorAt(0, 0), kRed);
    EXPECT_EQ(b.colorAt(0, 2), kBlue);
    EXPECT_EQ(b.bits()[2], 255);  // top row first in memory now: red byte of pixel (0, 0)
    b.setBottomUp(true);
    EXPECT_EQ(b.bits()[0], 255);  // bottom row first: blue byte of pixel (0, 2)
    EXPECT_EQ(b.colorAt(1, 2), kBlack);
}

class SetSizeTest : public ::testing::TestWithParam<std::tuple<PixelFormat, bool>> {};

TEST_P(SetSizeTest, KeepsTheOverlapAndClearsNewPixels) {
    const auto [format, bottomUp] = GetParam();
    Bitmap b(10, 4, format);
    if (IsPaletted(format)) b.setColorTable(Table({kBlack, kWhite, kRed, kGreen}));
    b.setBottomUp(bottomUp);
    b.fill(kWhite);
    b.fillRect(0, 0, 1, 1, kRed);
    const std::uint32_t corner = b.colorAt(0, 0);

    b.setSize(6, 2);  // the columns 6..9 are cut off
    EXPECT_EQ(b.width(), 6);
    EXPECT_EQ(b.height(), 2);
    EXPECT_EQ(b.bottomUp(), bottomUp);
    EXPECT_EQ(b.colorAt(0, 0), corner);
    EXPECT_EQ(b.colorAt(5, 1), kWhite);

    b.setSize(12, 3);  // what was cut off does not come back
    EXPECT_EQ(b.colorAt(0, 0), corner);
    EXPECT_EQ(b.colorAt(5, 1), kWhite);
    for (int x = 6; x < 12; ++x) EXPECT_EQ(b.colorAt(x, 0), b.colorAt(11, 2)) << x;
    for (int x = 0; x < 12; ++x) EXPECT_EQ(b.colorAt(x, 2), IsPaletted(format) ? ToColor(b.colorTable()[0]) : 0u);
}

INSTANTIATE_TEST_SUITE_P(Formats, SetSizeTest,
                         ::testing::Combine(::testing::Values(PixelFormat::Bits1, PixelFormat::Bits4, PixelFormat::Bits8,
                                                              PixelFormat::Bits15, PixelFormat::Bits16,
                                                              PixelFormat::Bits24, PixelFormat::Bits32),
                                            ::testing::Bool()));

TEST(Bitmap, SetSizeToZeroAndBack) {
    Bitmap b(3, 3, PixelFormat::Bits8);
    b.setSize(0, 0);
    EXPECT_TRUE(b.empty());
    EXPECT_EQ(b.row0(), nullptr);
    b.setSize(2, 2);
    EXPECT_EQ(IndexAt(b, 1, 1), 0);
}

TEST(Bitmap, PicturesWithoutPixelsCopyNothing) {
    // Zero width or height: no pixel memory, and no copy from or to it.
    const Bitmap source(4, 3, PixelFormat::Bits8);
    for (const auto& [w, h] : {std::pair{0, 3}, std::pair{4, 0}}) {
        Bitmap empty(w, h, PixelFormat::Bits8);
        empty.copyFrom(source, 0, 0);
        empty.setBottomUp(!empty.bottomUp());
        empty.setSize(w, h + 1);
        Bitmap grown = empty;
        grown.setSize(2, 2);
        EXPECT_EQ(IndexAt(grown, 1, 1), 0);
    }
}

TEST(Bitmap, SetPixelFormatConvertsColours) {
    Bitmap b = Paletted(3, 2, PixelFormat::Bits8, {kBlack, kRed, kGreen, kBlue});
    b.fillRect(0, 0, 1, 2, kRed);
    b.fillRect(1, 0, 2, 2, kGreen);
    b.fillRect(2, 1, 3, 2, kBlue);
    Bitmap direct = b;
    direct.setPixelFormat(PixelFormat::Bits24);
    EXPECT_TRUE(direct.colorTable().empty());
    EXPECT_EQ(direct.colorAt(0, 1), kRed);
    EXPECT_EQ(direct.colorAt(1, 0), kGreen);
    EXPECT_EQ(direct.colorAt(2, 1), kBlue);
    EXPECT_EQ(direct.colorAt(2, 0), kBlack);

    for (PixelFormat f : {PixelFormat::Bits15, PixelFormat::Bits16, PixelFormat::Bits32}) {
        Bitmap c = direct;
        c.setPixelFormat(f);
        EXPECT_EQ(c.colorAt(0, 1), kRed);
        EXPECT_EQ(c.colorAt(2, 1), kBlue);
        c.setPixelFormat(PixelFormat::Bits8);  // a direct picture gets a grey ramp
        ASSERT_EQ(c.colorTable().size(), 256u);
        EXPECT_EQ(c.colorTable()[255], ToQuad(kWhite));
        EXPECT_EQ(IndexAt(c, 2, 0), 0);
    }

    // Back to paletted through the old colour table: the nearest entries.
    Bitmap again = direct;
    again.setColorTable(Table({kBlack, kRed, kGreen, kBlue}));
    again.setPixelFormat(PixelFormat::Bits8);
    EXPECT_EQ(IndexAt(again, 0, 0), 1);
    EXPECT_EQ(IndexAt(again, 1, 1), 2);
    EXPECT_EQ(IndexAt(again, 2, 1), 3);
}

TEST(Bitmap, SetPixelFormatToFewerColoursKeepsATableOfThatSize) {
    Bitmap b(2, 1, PixelFormat::Bits8);
    std::vector<RgbQuad> t(256, ToQuad(kBlue));
    t[0] = ToQuad(kBlack);
    t[1] = ToQuad(kWhite);
    b.setColorTable(t);
    b.fillRect(1, 0, 2, 1, kWhite);
    b.setPixelFormat(PixelFormat::Bits1);
    EXPECT_EQ(b.colorTable().size(), 2u);
    EXPECT_EQ(IndexAt(b, 0, 0), 0);
    EXPECT_EQ(IndexAt(b, 1, 0), 1);
    b.setPixelFormat(PixelFormat::Bits4);
    EXPECT_EQ(b.colorTable().size(), 2u);
    EXPECT_EQ(b.colorAt(1, 0), kWhite);
}

TEST(Bitmap, SetPixelFormatMakesADeviceDependentPictureIndependent) {
    Bitmap b(1, 1, PixelFormat::Bits24);
    b.fill(kRed);
    b.setHandleType(HandleType::DDB);
    EXPECT_EQ(b.pixelFormat(), PixelFormat::Device);
    EXPECT_EQ(b.storedFormat(), PixelFormat::Bits24);
    b.setPixelFormat(PixelFormat::Bits24);
    EXPECT_EQ(b.handleType(), HandleType::DIB);
    EXPECT_EQ(b.colorAt(0, 0), kRed);
    EXPECT_THROW(b.setPixelFormat(PixelFormat::Custom), std::invalid_argument);
}

TEST(Bitmap, DrawsAPalettedPictureOntoTrueColourThroughItsTable) {
    Bitmap canvas(4, 3, PixelFormat::Bits24);
    canvas.fill(kWhite);
    Bitmap frame = Paletted(2, 2, PixelFormat::Bits8, {kBlack, kRed, kGreen});
    frame.scanLine(0)[0] = 1;
    frame.scanLine(0)[1] = 2;
    frame.scanLine(1)[1] = 7;  // past the table: black
    canvas.draw(1, 1, frame);
    EXPECT_EQ(canvas.colorAt(1, 1), kRed);
    EXPECT_EQ(canvas.colorAt(2, 1), kGreen);
    EXPECT_EQ(canvas.colorAt(1, 2), kBlack);
    EXPECT_EQ(canvas.colorAt(2, 2), kBlack);
    EXPECT_EQ(canvas.colorAt(0, 1), kWhite);
    EXPECT_EQ(canvas.colorAt(3, 1), kWhite);
    EXPECT_EQ(canvas.colorAt(1, 0), kWhite);

    // Clipped on every side.
    canvas.fill(kWhite);
    canvas.draw(-1, -1, frame);
    EXPECT_EQ(canvas.colorAt(0, 0), kBlack);
    EXPECT_EQ(canvas.colorAt(1, 0), kWhite);
    canvas.draw(3, 2, frame);
    EXPECT_EQ(canvas.colorAt(3, 2), kRed);
    canvas.draw(4, 0, frame);
    canvas.draw(0, -2, frame);
    canvas.draw(-2, 0, frame);
    EXPECT_EQ(canvas.colorAt(2, 1), kWhite);

    // A 4-bit and a 1-bit frame too.
    Bitmap nib = Paletted(3, 1, PixelFormat::Bits4, {kBlack, kBlue, kGreen});
    nib.scanLine(0)[0] = 0x21;
    nib.scanLine(0)[1] = 0x10;
    canvas.draw(0, 0, nib);
    EXPECT_EQ(canvas.colorAt(0, 0), kGreen);
    EXPECT_EQ(canvas.colorAt(1, 0), kBlue);
    EXPECT_EQ(canvas.colorAt(2, 0), kBlue);
}

TEST(Bitmap, DrawBetweenPalettedPictures) {
    // Same colour table: the indexes are copied, duplicates included.
    for (PixelFormat f : {PixelFormat::Bits1, PixelFormat::Bits4, PixelFormat::Bits8}) {
        Bitmap dst = Paletted(9, 2, f, {kBlack, kBlack});
        Bitmap src = Paletted(3, 1, f, {kBlack, kBlack});
        src.fillRect(0, 0, 3, 1, kBlack);
        if (f == PixelFormat::Bits1) src.scanLine(0)[0] = 0xA0;
        else if (f == PixelFormat::Bits4) src.scanLine(0)[0] = 0x10, src.scanLine(0)[1] = 0x10;
        else src.scanLine(0)[0] = src.scanLine(0)[2] = 1;
        dst.draw(5, 1, src);
        EXPECT_EQ(IndexAt(dst, 5, 1), 1) << int(f);
        EXPECT_EQ(IndexAt(dst, 6, 1), 0) << int(f);
        EXPECT_EQ(IndexAt(dst, 7, 1), 1) << int(f);
        EXPECT_EQ(IndexAt(dst, 8, 1), 0) << int(f);
    }
    // Different tables: through the colours, nearest entry.
    Bitmap dst = Paletted(2, 1, PixelFormat::Bits8, {kWhite, kBlue, kRed});
    Bitmap src = Paletted(2, 1, PixelFormat::Bits8, {kRed, RGB(0, 0, 200)});
    src.scanLine(0)[1] = 1;
    dst.draw(0, 0, src);
    EXPECT_EQ(IndexAt(dst, 0, 0), 2);
    EXPECT_EQ(IndexAt(dst, 1, 0), 1);
}

TEST(Bitmap, FillRectIsClipped) {
    Bitmap b(4, 4, PixelFormat::Bits24);
    b.fillRect(-5, -5, 2, 1, kRed);
    b.fillRect(3, 3, 99, 99, kBlue);
    b.fillRect(2, 2, 2, 4, kGreen);  // empty
    b.fillRect(3, 0, 1, 4, kGreen);  // inverted
    b.fillRect(4, 0, 9, 4, kGreen);  // outside
    int red = 0, blue = 0, other = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const auto c = b.colorAt(x, y);
            red += c == kRed;
            blue += c == kBlue;
            other += c != kRed && c != kBlue && c != kBlack;
        }
    EXPECT_EQ(red, 2);
    EXPECT_EQ(blue, 1);
    EXPECT_EQ(other, 0);
    EXPECT_EQ(b.colorAt(1, 0), kRed);
    EXPECT_EQ(b.colorAt(3, 3), kBlue);
}

TEST(Bitmap, FillRectOnEveryLayout) {
    for (PixelFormat f : {PixelFormat::Bits1, PixelFormat::Bits4, PixelFormat::Bits8, PixelFormat::Bits15,
                          PixelFormat::Bits16, PixelFormat::Bits32}) {
        Bitmap b(11, 3, f);
        if (IsPaletted(f)) b.setColorTable(Table({kBlack, kWhite}));
        b.fillRect(3, 1, 10, 2, RGB(250, 250, 250));
        EXPECT_EQ(b.colorAt(2, 1), kBlack) << int(f);
        EXPECT_EQ(b.colorAt(3, 1), IsPaletted(f) ? kWhite : b.colorAt(9, 1)) << int(f);
        EXPECT_NE(b.colorAt(9, 1), kBlack) << int(f);
        EXPECT_EQ(b.colorAt(10, 1), kBlack) << int(f);
        EXPECT_EQ(b.colorAt(5, 0), kBlack) << int(f);
        EXPECT_EQ(b.colorAt(5, 2), kBlack) << int(f);
    }
}

TEST(Bitmap, CopyFromTakesTheStoredValues) {
    Bitmap src = Paletted(6, 4, PixelFormat::Bits8, {kBlack});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) src.scanLine(y)[x] = std::uint8_t(10 * y + x);
    Bitmap part(3, 2, PixelFormat::Bits8);
    part.setBottomUp(false);
    part.copyFrom(src, 2, 1);
    EXPECT_EQ(IndexAt(part, 0, 0), 12);
    EXPECT_EQ(IndexAt(part, 2, 1), 24);

    Bitmap bits1(12, 2, PixelFormat::Bits1);
    bits1.scanLine(1)[0] = 0x0F;  // pixels 4..7 of row 1
    bits1.scanLine(1)[1] = 0x80;  // pixel 8
    Bitmap small(5, 1, PixelFormat::Bits1);
    small.copyFrom(bits1, 3, 1);
    EXPECT_EQ(small.scanLine(0)[0], 0x78);  // pixels 1..4 set, 0 clear

    Bitmap nib(5, 1, PixelFormat::Bits4);
    nib.scanLine(0)[0] = 0x12;
    nib.scanLine(0)[1] = 0x34;
    nib.scanLine(0)[2] = 0x50;
    Bitmap nib2(3, 1, PixelFormat::Bits4);
    nib2.copyFrom(nib, 1, 0);
    EXPECT_EQ(nib2.scanLine(0)[0], 0x23);
    EXPECT_EQ(nib2.scanLine(0)[1], 0x40);

    EXPECT_THROW(part.copyFrom(src, 4, 0), std::out_of_range);
    EXPECT_THROW(part.copyFrom(src, -1, 0), std::out_of_range);
    EXPECT_THROW(part.copyFrom(src, 0, 3), std::out_of_range);
    Bitmap other(3, 2, PixelFormat::Bits24);
    EXPECT_THROW(other.copyFrom(src, 0, 0), std::invalid_argument);
}

TEST(Bitmap, EqualityIgnoresRowPadding) {
    Bitmap a(3, 2, PixelFormat::Bits8), b(3, 2, PixelFormat::Bits8);
    a.scanLine(0)[3] = 99;  // padding
    EXPECT_EQ(a, b);
    a.scanLine(1)[2] = 1;
    EXPECT_FALSE(a == b);
    Bitmap c(3, 1, PixelFormat::Bits1), d(3, 1, PixelFormat::Bits1);
    c.scanLine(0)[0] = 0x1F;  // only the three leftmost bits are pixels
    EXPECT_EQ(c, d);
    c.scanLine(0)[0] = 0x20;
    EXPECT_FALSE(c == d);
    b.setBottomUp(false);
    a.scanLine(1)[2] = 0;
    EXPECT_EQ(a, b);
}

TEST(NearestColorIndex, SmallestSquaredDistanceLowestIndexOnATie) {
    const auto t = Table({RGB(0, 0, 0), RGB(10, 10, 10), RGB(10, 10, 10), RGB(200, 0, 0)});
    EXPECT_EQ(NearestColorIndex(t.data(), 4, RGB(9, 9, 9)), 1);
    EXPECT_EQ(NearestColorIndex(t.data(), 4, RGB(5, 5, 5)), 0);  // equally near entries 0 and 1
    EXPECT_EQ(NearestColorIndex(t.data(), 4, RGB(150, 0, 0)), 3);
    // Squared distance, not the sum of the differences.
    const auto u = Table({RGB(12, 0, 0), RGB(6, 6, 6)});
    // From black: entry 0 is 144 away (sum 12), entry 1 is 108 away (sum 18).
    EXPECT_EQ(NearestColorIndex(u.data(), 2, kBlack), 1);
    EXPECT_EQ(NearestColorIndex(u.data(), 0, kBlack), 0);
}

}  // namespace
}  // namespace vok
