#include <gtest/gtest.h>

#include <vector>

#include "pictures/PixelFormatPrint.h"
#include "pictures/QPix.h"
#include "support/Errors.h"
#include "pictures/TestColors.h"

namespace vok {
namespace {

using test::kBlack, test::kBlue, test::kGreen, test::kRed, test::kWhite;

Bitmap Make(PixelFormat f, int w, int h, bool bottomUp = true, std::vector<std::uint32_t> colors = {}) {
    Bitmap b(w, h, f);
    b.setBottomUp(bottomUp);
    std::vector<RgbQuad> table;
    for (std::uint32_t c : colors) table.push_back(ToQuad(c));
    b.setColorTable(table);
    return b;
}

std::uint32_t Word(const std::uint8_t* p) { return p[0] | (std::uint32_t(p[1]) << 8); }

std::string AttachFailure(Bitmap& b, bool makeDIB) {
    TQuickPixels q;
    try {
        q.Attach(b, makeDIB);
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(q.BitsPerPixel(), 0);
        return e.what();
    }
    return "(bound)";
}

// Binding records the geometry for every layout and both storage orders.
class QPixGeometry : public ::testing::TestWithParam<std::tuple<PixelFormat, bool>> {};

TEST_P(QPixGeometry, RowZeroIsTheTopRowAndTheStepFollowsTheStorageOrder) {
    const auto [format, bottomUp] = GetParam();
    Bitmap b = Make(format, 7, 3, bottomUp);
    TQuickPixels q(&b);
    EXPECT_EQ(q.bitmap(), &b);
    EXPECT_EQ(q.Width(), 7);
    EXPECT_EQ(q.Height(), 3);
    EXPECT_EQ(q.Format(), format);
    EXPECT_EQ(q.BitsPerPixel(), format == PixelFormat::Bits15 ? 15 : b.storageBits());
    EXPECT_EQ(q.Row0(), b.scanLine(0));
    EXPECT_EQ(q.RowStep(), b.scanLine(1) - b.scanLine(0));
    EXPECT_EQ(q.RowStep(), bottomUp ? -std::ptrdiff_t(b.stride()) : std::ptrdiff_t(b.stride()));
    EXPECT_EQ(q.Address(2), b.scanLine(2));

    // The stored value of the last pixel of each row lands in that row only.
    const std::uint32_t value = q.BitsPerPixel() == 1 ? 1u : q.BitsPerPixel() == 4 ? 9u : 0x5Au;
    q.SetPixel(6, 1, value);
    EXPECT_EQ(q.GetPixel(6, 1), value);
    EXPECT_EQ(q.GetPixel(6, 0), 0u);
    EXPECT_EQ(q.GetPixel(6, 2), 0u);
    EXPECT_EQ(q.GetPixel(5, 1), 0u);
    for (int y : {0, 2})
        for (std::size_t i = 0; i < b.stride(); ++i) EXPECT_EQ(b.scanLine(y)[i], 0) << y << ' ' << i;
}

TEST_P(QPixGeometry, HeightOneAndZero) {
    const auto [format, bottomUp] = GetParam();
    Bitmap one = Make(format, 3, 1, bottomUp, {kBlack, kWhite});
    TQuickPixels q(&one);
    EXPECT_EQ(q.RowStep(), 0);
    EXPECT_EQ(q.Row0(), one.scanLine(0));
    q.SetColor(2, 0, kWhite);
    EXPECT_EQ(q.GetColor(2, 0), kWhite);
    EXPECT_EQ(q.GetColor(1, 0), kBlack);

    Bitmap none = Make(format, 3, 0, bottomUp);
    q.Attach(none, false);
    EXPECT_EQ(q.Row0(), nullptr);
    EXPECT_EQ(q.RowStep(), 0);
    EXPECT_EQ(q.Height(), 0);
    EXPECT_NE(q.BitsPerPixel(), 0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, QPixGeometry,
                         ::testing::Combine(::testing::Values(PixelFormat::Bits1, PixelFormat::Bits4, PixelFormat::Bits8,
                                                              PixelFormat::Bits15, PixelFormat::Bits16,
                                                              PixelFormat::Bits24, PixelFormat::Bits32),
                                            ::testing::Bool()));

TEST(QPix, OneBitLeftmostPixelIsTheHighBit) {
    Bitmap b = Make(PixelFormat::Bits1, 10, 2, true, {kWhite, kBlack});
    TQuickPixels q(&b);
    q.SetPixel(0, 1, 1);
    q.SetPixel(9, 1, 77);  // any value but 0 sets the bit
    EXPECT_EQ(b.scanLine(1)[0], 0x80);
    EXPECT_EQ(b.scanLine(1)[1], 0x40);
    EXPECT_EQ(q.GetPixel(9, 1), 1u);
    EXPECT_EQ(q.GetColor(9, 1), kBlack);
    EXPECT_EQ(q.GetColor(8, 1), kWhite);
    q.SetPixel(9, 1, 0);
    EXPECT_EQ(b.scanLine(1)[1], 0x00);

    q.SetColor(3, 0, kBlack);
    EXPECT_EQ(b.scanLine(0)[0], 0x10);
    q.SetColor(3, 0, RGB(200, 210, 190));  // nearer to white
    EXPECT_EQ(b.scanLine(0)[0], 0x00);
    q.SetColor(4, 0, RGB(100, 100, 100));  // nearer to black
    EXPECT_EQ(b.scanLine(0)[0], 0x08);
}

TEST(QPix, FourBitsEvenPixelIsTheHighNibble) {
    Bitmap b = Make(PixelFormat::Bits4, 3, 1, false, {kBlack, kRed, kGreen, kBlue});
    TQuickPixels q(&b);
    q.SetPixel(0, 0, 0xA);
    q.SetPixel(1, 0, 0x5);
    q.SetPixel(2, 0, 0xF);
    EXPECT_EQ(b.scanLine(0)[0], 0xA5);
    EXPECT_EQ(b.scanLine(0)[1], 0xF0);
    q.SetPixel(1, 0, 0);  // the other nibble stays
    EXPECT_EQ(b.scanLine(0)[0], 0xA0);
    EXPECT_EQ(q.GetPixel(0, 0), 0xAu);
    q.SetColor(1, 0, RGB(10, 240, 0));
    EXPECT_EQ(q.GetPixel(1, 0), 2u);
    EXPECT_EQ(q.GetColor(1, 0), kGreen);
    EXPECT_EQ(q.GetColor(0, 0), kBlack);  // entry 10 is past the table
}

TEST(QPix, EightBitsStoresTheLowByte) {
    Bitmap b = Make(PixelFormat::Bits8, 2, 2, true, {kBlack, kRed});
    TQuickPixels q(&b);
    q.SetPixel(1, 1, 0x1234);
    EXPECT_EQ(b.scanLine(1)[1], 0x34);
    q.SetPixel(0, 1, 1);
    EXPECT_EQ(q.GetColor(0, 1), kRed);
}

TEST(QPix, FifteenBits) {
    Bitmap b = Make(PixelFormat::Bits15, 3, 1);
    TQuickPixels q(&b);
    std::uint8_t* row = b.scanLine(0);
    q.SetPixel(0, 0, 0x12347C00);
    EXPECT_EQ(Word(row), 0x7C00u);
    EXPECT_EQ(q.GetColor(0, 0), 0x000000FFu);
    q.SetPixel(1, 0, 0x001F);
    EXPECT_EQ(q.GetColor(1, 0), 0x00FF0000u);
    q.SetPixel(2, 0, 16u << 5);
    EXPECT_EQ(q.GetColor(2, 0), RGB(0, 132, 0));
    q.SetColor(2, 0, 0xFFFFFFFF);
    EXPECT_EQ(Word(row + 4), 0x7FFFu);
    q.SetColor(2, 0, RGB(0x08, 0x10, 0x18));
    EXPECT_EQ(q.GetPixel(2, 0), (1u << 10) | (2u << 5) | 3u);
}

TEST(QPix, SixteenBits) {
    Bitmap b = Make(PixelFormat::Bits16, 2, 1);
    TQuickPixels q(&b);
    q.SetPixel(0, 0, 0xFFFF);
    EXPECT_EQ(q.GetColor(0, 0), 0x00FFFFFFu);
    q.SetPixel(1, 0, 0xF800);
    EXPECT_EQ(q.GetColor(1, 0), 0x000000FFu);
    EXPECT_EQ(Word(b.scanLine(0) + 2), 0xF800u);
    q.SetColor(1, 0, RGB(0, 0x84, 0));
    EXPECT_EQ(q.GetPixel(1, 0), 33u << 5);
    EXPECT_EQ(q.GetColor(1, 0), RGB(0, 0x86, 0));  // 33 widened from 6 bits
    q.SetColor(0, 0, RGB(0x10, 0x08, 0x18));
    EXPECT_EQ(q.GetPixel(0, 0), (2u << 11) | (2u << 5) | 3u);
}

TEST(QPix, TwentyFourBitsStoreBlueGreenRed) {
    Bitmap b = Make(PixelFormat::Bits24, 2, 2);
    TQuickPixels q(&b);
    q.SetColor(1, 1, 0xEE112233);  // the top byte is ignored
    const std::uint8_t* p = b.scanLine(1) + 3;
    EXPECT_EQ(p[0], 0x11);
    EXPECT_EQ(p[1], 0x22);
    EXPECT_EQ(p[2], 0x33);
    EXPECT_EQ(q.GetPixel(1, 1), 0x00332211u);
    EXPECT_EQ(q.GetColor(1, 1), 0x00112233u);
    q.SetPixel(0, 1, 0xFFABCDEF);
    EXPECT_EQ(b.scanLine(1)[0], 0xEF);
    EXPECT_EQ(b.scanLine(1)[2], 0xAB);
    EXPECT_EQ(b.scanLine(1)[3], 0x11);  // the neighbour is untouched
    EXPECT_EQ(q.GetColor(0, 1), RGB(0xAB, 0xCD, 0xEF));
}

TEST(QPix, ThirtyTwoBitsKeepTheFourthByteInTheStoredView) {
    Bitmap b = Make(PixelFormat::Bits32, 2, 1);
    TQuickPixels q(&b);
    q.SetPixel(1, 0, 0xAB332211);
    const std::uint8_t* p = b.scanLine(0) + 4;
    EXPECT_EQ(p[0], 0x11);
    EXPECT_EQ(p[3], 0xAB);
    EXPECT_EQ(q.GetPixel(1, 0), 0xAB332211u);
    EXPECT_EQ(q.GetColor(1, 0), 0x00112233u);
    q.SetColor(1, 0, 0xFF445566);
    EXPECT_EQ(q.GetPixel(1, 0), 0x00665544u);
}

TEST(QPix, NearestEntryHasTheSmallestSquaredDistanceAndTheLowestIndexOnATie) {
    Bitmap b = Make(PixelFormat::Bits8, 4, 1, true,
                    {RGB(12, 0, 0), RGB(6, 6, 6), RGB(6, 6, 6), RGB(100, 100, 100), RGB(110, 100, 100)});
    TQuickPixels q(&b);
    q.SetColor(0, 0, kBlack);  // 144 and 108 away: the squares decide
    EXPECT_EQ(q.GetPixel(0, 0), 1u);
    q.SetColor(1, 0, RGB(105, 100, 100));  // equally near entries 3 and 4
    EXPECT_EQ(q.GetPixel(1, 0), 3u);
    q.SetColor(2, 0, RGB(110, 100, 100));
    EXPECT_EQ(q.GetPixel(2, 0), 4u);
}

TEST(QPix, NearestEntryComesFromThePicturesOwnTable) {
    // Three entries and none of them black: black must map to one of them.
    Bitmap b = Make(PixelFormat::Bits8, 2, 1, true, {kRed, kGreen, RGB(0, 0, 40)});
    TQuickPixels q(&b);
    q.SetColor(0, 0, kBlack);
    EXPECT_EQ(q.GetPixel(0, 0), 2u);
    Bitmap empty = Make(PixelFormat::Bits4, 2, 1, true);
    q.Attach(empty, false);
    q.SetColor(1, 0, kWhite);
    EXPECT_EQ(q.GetPixel(1, 0), 0u);
    EXPECT_EQ(q.GetColor(1, 0), kBlack);
}

TEST(QPix, OneEntryCacheSavesRepeatedLookups) {
    Bitmap b = Make(PixelFormat::Bits8, 4, 1, true, {kBlack, kRed, kGreen});
    TQuickPixels q(&b);
    EXPECT_EQ(q.LookupCount(), 0);
    q.SetColor(0, 0, kRed);
    q.SetColor(1, 0, kRed);
    EXPECT_EQ(q.LookupCount(), 1);
    EXPECT_EQ(q.GetPixel(1, 0), 1u);
    q.SetColor(2, 0, kGreen);
    q.SetColor(3, 0, kRed);
    EXPECT_EQ(q.LookupCount(), 3);
    EXPECT_EQ(q.GetPixel(3, 0), 1u);

    // A new binding forgets the cached colour: the same colour maps through the new table.
    Bitmap other = Make(PixelFormat::Bits8, 1, 1, true, {kGreen, kBlack, kRed});
    q.Attach(other, false);
    EXPECT_EQ(q.LookupCount(), 0);
    q.SetColor(0, 0, kRed);
    EXPECT_EQ(q.LookupCount(), 1);
    EXPECT_EQ(q.GetPixel(0, 0), 2u);

    // The value 0x07FFFFFF is only the empty-cache mark; looking it up works.
    q.SetColor(0, 0, 0x07FFFFFF);
    EXPECT_EQ(q.GetPixel(0, 0), 0u);
}

TEST(QPix, DeviceDependentPictures) {
    Bitmap b = Make(PixelFormat::Bits24, 2, 2);
    b.setHandleType(HandleType::DDB);
    EXPECT_EQ(AttachFailure(b, false), "The HandleType must be bmDIB (QPix.cpp, line 139)");
    EXPECT_EQ(b.handleType(), HandleType::DDB);
    TQuickPixels q(&b, true);
    EXPECT_EQ(b.handleType(), HandleType::DIB);
    EXPECT_EQ(q.BitsPerPixel(), 24);
    q.SetColor(1, 1, kBlue);
    EXPECT_EQ(b.colorAt(1, 1), kBlue);
}

Bitmap WithLayout(int bits, Compression compression, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    Bitmap pic(2, 2, bits == 16 ? PixelFormat::Bits16 : PixelFormat::Bits32);
    pic.setCustomLayout({bits, compression, r, g, b});
    return pic;
}

TEST(QPix, CustomLayoutsThatBind) {
    struct Case {
        int bits;
        Compression compression;
        std::uint32_t r, g, b;
        int expected;
    };
    const Case cases[] = {
        {16, Compression::Rgb, 0, 0, 0, 15},
        {16, Compression::BitFields, 0xF800, 0x07E0, 0x001F, 16},
        {16, Compression::BitFields, 0x7C00, 0x03E0, 0x001F, 15},
        {16, Compression::BitFields, 0, 0x07E0, 0, 16},  // only the green mask decides
        {32, Compression::Rgb, 0, 0, 0, 32},
        {32, Compression::BitFields, 0x00FF0000, 0x0000FF00, 0x000000FF, 32},
    };
    for (const Case& c : cases) {
        Bitmap pic = WithLayout(c.bits, c.compression, c.r, c.g, c.b);
        TQuickPixels q(&pic);
        EXPECT_EQ(q.BitsPerPixel(), c.expected) << c.bits << ' ' << std::hex << c.g;
        EXPECT_EQ(q.Format(), PixelFormat::Custom);
    }
    Bitmap pic = WithLayout(16, Compression::BitFields, 0xF800, 0x07E0, 0x001F);
    TQuickPixels q(&pic);
    q.SetPixel(0, 0, 0xFFFF);
    q.SetPixel(1, 0, 0xF800);
    EXPECT_EQ(q.GetColor(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(q.GetColor(1, 0), 0x000000FFu);
    EXPECT_EQ(pic.colorAt(1, 0), 0x000000FFu);
}

TEST(QPix, CustomLayoutsThatDoNotBind) {
    const std::string message = "Bitmap format is not supported (QPix.cpp, line 182)";
    Bitmap a = WithLayout(32, Compression::BitFields, 0x000000FF, 0x0000FF00, 0x00FF0000);
    EXPECT_EQ(AttachFailure(a, false), message);
    Bitmap b = WithLayout(16, Compression::BitFields, 0xF000, 0x0F00, 0x00F0);
    EXPECT_EQ(AttachFailure(b, false), message);
    Bitmap c = WithLayout(16, Compression::Rle8, 0, 0, 0);
    EXPECT_EQ(AttachFailure(c, false), message);
    Bitmap d = WithLayout(32, Compression::Rle4, 0, 0, 0);
    EXPECT_EQ(AttachFailure(d, true), message);
}

}  // namespace
}  // namespace vok
