// Hand-made BMP files: the unusual varieties that must load and the broken ones
// that must fail with "Bitmap image is not valid".
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "pictures/BmpCodec.h"
#include "pictures/QPix.h"
#include "support/Errors.h"

namespace vok {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& v, std::size_t at, std::uint32_t x) {
    v[at] = std::uint8_t(x);
    v[at + 1] = std::uint8_t(x >> 8);
}
void Put32(Bytes& v, std::size_t at, std::uint32_t x) {
    Put16(v, at, x);
    Put16(v, at + 2, x >> 16);
}

// A file with a 40-byte (or longer) info header; `extra` follows the header
// (masks, colour table), then the pixel bytes.
Bytes MakeFile(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression, const Bytes& extra,
               const Bytes& pixels, std::uint32_t headerSize = 40, std::uint32_t colorsUsed = 0) {
    Bytes v(14 + headerSize);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 14, headerSize);
    Put32(v, 18, std::uint32_t(width));
    Put32(v, 22, std::uint32_t(height));
    Put16(v, 26, 1);
    Put16(v, 28, std::uint32_t(bits));
    Put32(v, 30, compression);
    Put32(v, 46, colorsUsed);
    v.insert(v.end(), extra.begin(), extra.end());
    Put32(v, 10, std::uint32_t(v.size()));
    v.insert(v.end(), pixels.begin(), pixels.end());
    Put32(v, 2, std::uint32_t(v.size()));
    return v;
}

Bytes GreyTable(int n) {
    Bytes t;
    for (int i = 0; i < n; ++i) t.insert(t.end(), {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0});
    return t;
}

Bitmap Decode(const Bytes& v) { return DecodeBmp(v.data(), v.size()); }

void ExpectInvalid(const Bytes& v) {
    try {
        Decode(v);
        ADD_FAILURE() << "loaded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
}

// 4 x 2, 8 bits: rows bottom-up.
Bytes Valid8() { return MakeFile(4, 2, 8, 0, GreyTable(256), {10, 11, 12, 13, 20, 21, 22, 23}); }

TEST(BmpMalformedTest, HeaderFieldsOutOfRange) {
    ASSERT_NO_THROW(Decode(Valid8()));
    struct Field {
        std::size_t at;
        int bytes;
        std::uint32_t value;
    };
    const Field faults[] = {
        {0, 2, 'X' | ('M' << 8)},   // signature
        {14, 4, 0},                 // header sizes
        {14, 4, 39},
        {14, 4, 66},
        {14, 4, 200},
        {14, 4, 0x7FFFFFFF},
        {18, 4, 0},                 // width
        {18, 4, 0xFFFFFFFC},        // -4
        {22, 4, 0},                 // height
        {22, 4, 0x80000000},        // the most negative height
        {22, 4, 3},                 // more rows than the file holds
        {26, 2, 0},                 // planes
        {26, 2, 2},
        {28, 2, 0},                 // bit counts
        {28, 2, 2},
        {28, 2, 64},
        {28, 2, 30000},
        {30, 4, 2},                 // RLE4 on 8 bits
        {30, 4, 3},                 // bit fields on 8 bits
        {30, 4, 4},                 // JPEG
        {30, 4, 5},                 // PNG
        {30, 4, 7},
        {30, 4, 0xFFFFFFFF},
        {46, 4, 257},               // colour table longer than 256
        {46, 4, 0xFFFFFFFF},
        {10, 4, 0},                 // pixel offsets: into the header, past the end
        {10, 4, 30},
        {10, 4, 1086},
        {10, 4, 0xFFFFFFFF},
    };
    for (const Field& f : faults) {
        SCOPED_TRACE(testing::Message() << "offset " << f.at << " value " << f.value);
        Bytes v = Valid8();
        if (f.bytes == 2) Put16(v, f.at, f.value); else Put32(v, f.at, f.value);
        ExpectInvalid(v);
    }
}

TEST(BmpMalformedTest, SizesTheFileCannotHoldAreRejectedBeforeAllocating) {
    // Claims of huge pictures over a few bytes of pixels.
    for (auto [w, h, bits] : {std::tuple{3000000, 2000000, 24}, {INT_MAX, 1, 32}, {1, INT_MAX, 1},
                              {INT_MAX, INT_MAX, 32}, {65536, 65536, 8}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        ExpectInvalid(MakeFile(w, h, bits, 0, bits <= 8 ? GreyTable(2) : Bytes{}, Bytes(64, 0)));
    }
    // The same for RLE: a tiny stream cannot describe a picture of 2^32 pixels.
    ExpectInvalid(MakeFile(65536, 65536, 8, 1, GreyTable(2), {0, 1}));
    ExpectInvalid(MakeFile(100000, 100000, 4, 2, GreyTable(2), {0, 1}));
    // A small picture with an early end is fine.
    EXPECT_NO_THROW(Decode(MakeFile(1000, 1000, 8, 1, GreyTable(2), {0, 1})));
}

TEST(BmpMalformedTest, EveryTruncationFailsCleanly) {
    const Bytes files[] = {
        Valid8(),
        MakeFile(5, 3, 24, 0, {}, Bytes(48, 0x55)),
        MakeFile(3, 2, 16, 3, {0, 0xF8, 0, 0, 0xE0, 7, 0, 0, 0x1F, 0, 0, 0}, Bytes(16, 0x33)),
        MakeFile(4, 2, 8, 1, GreyTable(4), {4, 1, 0, 0, 0, 4, 1, 2, 3, 0, 0, 1}),
        MakeFile(4, 2, 4, 2, GreyTable(4), {4, 0x12, 0, 0, 0, 4, 0x12, 0x30, 0, 1}),
    };
    for (const Bytes& full : files) {
        ASSERT_NO_THROW(Decode(full));
        for (std::size_t n = 0; n < full.size(); ++n) {
            SCOPED_TRACE(n);
            const Bytes cut(full.begin(), full.begin() + std::ptrdiff_t(n));
            try {
                Decode(cut);
            } catch (const EInvalidGraphic&) {
            }
        }
    }
    // Uncompressed rows must all be there; only the last row's padding may be missing.
    const Bytes v24 = MakeFile(5, 3, 24, 0, {}, Bytes(48, 0x55));
    EXPECT_NO_THROW(Decode(Bytes(v24.begin(), v24.end() - 1)));
    ExpectInvalid(Bytes(v24.begin(), v24.end() - 2));
}

std::vector<int> Row(Bitmap& b, int y);

TEST(BmpMalformedTest, RleRunsThatLeaveThePicture) {
    const Bytes table = GreyTable(16);
    // RLE8, 4 x 2.
    ExpectInvalid(MakeFile(4, 2, 8, 1, table, {0, 0, 0, 0, 1, 1, 0, 1}));         // row above the picture
    ExpectInvalid(MakeFile(4, 2, 8, 1, table, {0, 4, 1, 2}));                     // absolute run past the stream
    ExpectInvalid(MakeFile(4, 2, 8, 1, table, {0, 2, 0, 3, 0, 1}));               // delta past the top
    // Top-down RLE does not exist.
    ExpectInvalid(MakeFile(4, -2, 8, 1, table, {0, 1}));
}

TEST(BmpMalformedTest, RleRowsPastTheWidthLoseTheirExtraPixels) {
    // Some writers pad every row to a multiple of 4 pixels: 3 x 2 with rows of 4.
    const Bytes table = GreyTable(16);
    Bitmap b = Decode(MakeFile(3, 2, 8, 1, table, {4, 7, 0, 0, 0, 4, 1, 2, 3, 4, 0, 1}));
    EXPECT_EQ(Row(b, 1), (std::vector<int>{7, 7, 7}));
    EXPECT_EQ(Row(b, 0), (std::vector<int>{1, 2, 3}));
    // A second run and a delta past the row are dropped too.
    Bitmap c = Decode(MakeFile(4, 2, 8, 1, table, {3, 1, 2, 5, 0, 2, 5, 0, 0, 0, 1, 9, 0, 1}));
    EXPECT_EQ(Row(c, 1), (std::vector<int>{1, 1, 1, 5}));
    EXPECT_EQ(Row(c, 0), (std::vector<int>{9, 0, 0, 0}));
    // RLE4, 3 x 1.
    Bitmap d = Decode(MakeFile(3, 1, 4, 2, table, {4, 0x12, 0, 1}));
    EXPECT_EQ(Row(d, 0), (std::vector<int>{1, 2, 1}));
    Bitmap e = Decode(MakeFile(3, 1, 4, 2, table, {0, 4, 0x12, 0x34, 0, 1}));
    EXPECT_EQ(Row(e, 0), (std::vector<int>{1, 2, 3}));
}

std::vector<int> Row(Bitmap& b, int y) {
    TQuickPixels q(&b);
    std::vector<int> row;
    for (int x = 0; x < b.width(); ++x) row.push_back(int(q.GetPixel(x, y)));
    return row;
}

TEST(BmpMalformedTest, RleDeltasAbsoluteRunsAndEarlyEnd) {
    // 5 x 3 RLE8: two 7s at the bottom left, a delta one right and one up, two 9s,
    // end of line, an absolute run of three (padded), end of bitmap.
    Bitmap b = Decode(MakeFile(5, 3, 8, 1, GreyTable(16),
                               {2, 7, 0, 2, 1, 1, 2, 9, 0, 0, 0, 3, 4, 5, 6, 0, 0, 1, 9, 9}));
    ASSERT_EQ(b.pixelFormat(), PixelFormat::Bits8);
    EXPECT_EQ(Row(b, 0), (std::vector<int>{4, 5, 6, 0, 0}));
    EXPECT_EQ(Row(b, 1), (std::vector<int>{0, 0, 0, 9, 9}));
    EXPECT_EQ(Row(b, 2), (std::vector<int>{7, 7, 0, 0, 0}));
    // 3 x 2 RLE4: alternating nibbles, an absolute run, and no end-of-bitmap mark.
    Bitmap b4 = Decode(MakeFile(3, 2, 4, 2, GreyTable(16), {3, 0x12, 0, 0, 0, 3, 0x45, 0x60}));
    ASSERT_EQ(b4.pixelFormat(), PixelFormat::Bits4);
    EXPECT_EQ(Row(b4, 0), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(Row(b4, 1), (std::vector<int>{1, 2, 1}));
    // An early end leaves the rest at index 0.
    Bitmap early = Decode(MakeFile(4, 2, 8, 1, GreyTable(16), {1, 3, 0, 1, 4, 4}));
    EXPECT_EQ(Row(early, 0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(Row(early, 1), (std::vector<int>{3, 0, 0, 0}));
}

TEST(BmpMalformedTest, RleGapsAndRowPaddingReadAsZeroWhateverTheMemoryHeld) {
    // The 8-bit decoder writes into memory that is not cleared first; a freed picture of
    // the same size, full of 0xAA, is what the allocator tends to hand out next.
    const Bytes file = MakeFile(5, 3, 8, 1, GreyTable(16), {2, 7, 0, 2, 1, 1, 2, 9, 0, 0, 1, 3});
    for (int round = 0; round < 3; ++round) {
        {
            Bitmap dirty(5, 0, PixelFormat::Bits8);
            dirty.setSizeUnfilled(5, 3);
            std::memset(dirty.bits(), 0xAA, dirty.byteSize());
        }
        Bitmap b = Decode(file);
        const Bytes bytes(b.bits(), b.bits() + b.byteSize());
        Bytes expected(b.byteSize(), 0);
        const std::size_t stride = b.stride();
        expected[0] = expected[1] = 7;
        expected[stride + 3] = expected[stride + 4] = 9;
        expected[2 * stride] = 3;
        EXPECT_EQ(bytes, expected);
    }
}

TEST(BmpMalformedTest, CoreHeaderWithThreeByteEntries) {
    // 12-byte header: 16-bit width and height, palette entries blue, green, red.
    Bytes v(26);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 14, 12);
    Put16(v, 18, 2);
    Put16(v, 20, 2);
    Put16(v, 22, 1);
    Put16(v, 24, 1);
    v.insert(v.end(), {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00});  // red, blue
    Put32(v, 10, std::uint32_t(v.size()));
    v.insert(v.end(), {0x40, 0, 0, 0, 0x80, 0, 0, 0});  // bottom: 0 1, top: 1 0
    Bitmap b = Decode(v);
    ASSERT_EQ(b.pixelFormat(), PixelFormat::Bits1);
    EXPECT_EQ(b.colorTable(), (std::vector<RgbQuad>{{0, 0, 0xFF, 0}, {0xFF, 0, 0, 0}}));
    EXPECT_EQ(b.colorAt(0, 0), 0xFF0000u);
    EXPECT_EQ(b.colorAt(1, 0), 0x0000FFu);
    EXPECT_EQ(b.colorAt(1, 1), 0xFF0000u);
    Put16(v, 22, 2);  // planes
    ExpectInvalid(v);
}

TEST(BmpMalformedTest, ShortColourTablesAndTopDownRows) {
    // Two entries on a 4-bit picture stored top row first; index 5 has no entry.
    Bitmap b = Decode(MakeFile(2, -2, 4, 0, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0}, {0x01, 0, 0, 0, 0x15, 0, 0, 0}, 40, 2));
    ASSERT_EQ(b.pixelFormat(), PixelFormat::Bits4);
    EXPECT_EQ(b.colorTable().size(), 2u);
    TQuickPixels q(&b);
    EXPECT_EQ(q.GetPixel(1, 0), 1u);
    EXPECT_EQ(q.GetColor(1, 0), 0xFF0000u);
    EXPECT_EQ(q.GetColor(0, 0), 0x0000FFu);
    EXPECT_EQ(q.GetPixel(1, 1), 5u);
    EXPECT_EQ(q.GetColor(1, 1), 0u);
    // Writing gives the full table, missing entries black.
    const auto out = EncodeBmp(b);
    const Bitmap back = Decode(Bytes(out.begin(), out.end()));
    ASSERT_EQ(back.colorTable().size(), 16u);
    EXPECT_EQ(back.colorTable()[5], RgbQuad{});
    EXPECT_EQ(back.colorAt(0, 0), 0x0000FFu);
}

TEST(BmpMalformedTest, BitFieldVarieties) {
    const Bytes px16 = {0x00, 0xF8, 0xE0, 0x07, 0, 0, 0, 0};  // 2 x 1: 0xF800, 0x07E0
    auto masks = [](std::uint32_t r, std::uint32_t g, std::uint32_t b) {
        Bytes m(12);
        Put32(m, 0, r);
        Put32(m, 4, g);
        Put32(m, 8, b);
        return m;
    };
    // 5-5-5 masks read as 15 bits, 5-6-5 as custom.
    EXPECT_EQ(Decode(MakeFile(2, 1, 16, 3, masks(0x7C00, 0x3E0, 0x1F), px16)).pixelFormat(), PixelFormat::Bits15);
    Bitmap b565 = Decode(MakeFile(2, 1, 16, 3, masks(0xF800, 0x7E0, 0x1F), px16));
    ASSERT_EQ(b565.pixelFormat(), PixelFormat::Custom);
    TQuickPixels q(&b565);
    EXPECT_EQ(q.BitsPerPixel(), 16);
    EXPECT_EQ(q.GetColor(0, 0), 0x0000FFu);
    EXPECT_EQ(q.GetColor(1, 0), 0x00FF00u);
    // Masks inside a 52-byte header.
    Bytes h52 = MakeFile(2, 1, 16, 3, {}, px16, 52);
    Put32(h52, 54, 0xF800);
    Put32(h52, 58, 0x7E0);
    Put32(h52, 62, 0x1F);
    EXPECT_EQ(Decode(h52).customLayout(), (CustomLayout{16, Compression::BitFields, 0xF800, 0x7E0, 0x1F}));
    // Alpha bit fields: four masks after the 40-byte header; alpha ignored.
    Bytes alpha = masks(0xFF0000, 0xFF00, 0xFF);
    alpha.insert(alpha.end(), {0, 0, 0, 0xFF});
    const Bitmap b32 = Decode(MakeFile(1, 1, 32, 6, alpha, {0x30, 0x20, 0x10, 0x80}));
    EXPECT_EQ(b32.customLayout(), (CustomLayout{32, Compression::BitFields, 0xFF0000, 0xFF00, 0xFF}));
    EXPECT_EQ(b32.colorAt(0, 0), 0x302010u);
    // Masks the reader refuses: zero, split, overlapping, wider than the pixel.
    ExpectInvalid(MakeFile(2, 1, 16, 3, masks(0xFF00, 0xFF, 0), px16));
    ExpectInvalid(MakeFile(2, 1, 16, 3, masks(0xF00F, 0x7E0, 0x1F), px16));
    ExpectInvalid(MakeFile(2, 1, 16, 3, masks(0xFC00, 0x7E0, 0x1F), px16));
    ExpectInvalid(MakeFile(2, 1, 16, 3, masks(0x1F0000, 0x7E0, 0x1F), px16));
    ExpectInvalid(MakeFile(2, 1, 24, 3, masks(0xFF0000, 0xFF00, 0xFF), Bytes(8, 0)));
    // Masks cut off by the end of the file.
    ExpectInvalid(MakeFile(2, 1, 16, 3, {0, 0xF8, 0, 0}, {}));
    // Plain 16 and 32 bits.
    EXPECT_EQ(Decode(MakeFile(2, 1, 16, 0, {}, px16)).pixelFormat(), PixelFormat::Bits15);
    EXPECT_EQ(Decode(MakeFile(1, 1, 32, 0, {}, {1, 2, 3, 4})).pixelFormat(), PixelFormat::Bits32);
}

}  // namespace
}  // namespace vok
