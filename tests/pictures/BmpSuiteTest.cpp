// The public BMP conformance pictures: g/ must load with the right pixels, b/ and
// the unreadable q/ files must fail cleanly with "Bitmap image is not valid".
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "pictures/BmpCodec.h"
#include "pictures/QPix.h"
#include "support/Errors.h"

namespace vok {
namespace {

const std::string Suite = VOK_BMPSUITE_DIR;

Bitmap Load(const std::string& name) { return LoadBitmapFromFile(Suite + "/" + name); }

int Channel(std::uint32_t c, int shift) { return int((c >> shift) & 0xFF); }

int Luma(std::uint32_t c) { return (Channel(c, 0) * 299 + Channel(c, 8) * 587 + Channel(c, 16) * 114) / 1000; }

// Largest difference of any channel of any pixel.
int MaxPixelDifference(const Bitmap& a, const Bitmap& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int s = 0; s < 24; s += 8)
                worst = std::max(worst, std::abs(Channel(a.colorAt(x, y), s) - Channel(b.colorAt(x, y), s)));
    return worst;
}

// Dithered pictures match the reference only on average: the largest difference of
// a channel's mean over 8 x 8 blocks, the reference cropped to the picture's size
// (or, with scaled, sampled at the picture's scale).
int WorstBlockDifference(const Bitmap& picture, const Bitmap& ref, bool scaled = false) {
    int worst = 0;
    for (int by = 0; by + 8 <= picture.height(); by += 8)
        for (int bx = 0; bx + 8 <= picture.width(); bx += 8)
            for (int s = 0; s < 24; s += 8) {
                long sum = 0, refSum = 0;
                for (int y = by; y < by + 8; ++y)
                    for (int x = bx; x < bx + 8; ++x) {
                        sum += Channel(picture.colorAt(x, y), s);
                        const int ry = scaled ? y * ref.height() / picture.height() : y;
                        refSum += Channel(ref.colorAt(x, ry), s);
                    }
                worst = std::max(worst, int(std::abs(sum - refSum) / 64));
            }
    return worst;
}

// Mean over 8 x 8 blocks of the brightness difference, for the grey versions.
double MeanLumaDifference(const Bitmap& picture, const Bitmap& ref) {
    double total = 0;
    int blocks = 0;
    for (int by = 0; by + 8 <= picture.height(); by += 8)
        for (int bx = 0; bx + 8 <= picture.width(); bx += 8) {
            long sum = 0, refSum = 0;
            for (int y = by; y < by + 8; ++y)
                for (int x = bx; x < bx + 8; ++x) {
                    sum += Luma(picture.colorAt(x, y));
                    refSum += Luma(ref.colorAt(x, y));
                }
            total += std::abs(sum - refSum) / 64.0;
            ++blocks;
        }
    return total / blocks;
}

bool SameIndexes(Bitmap& a, Bitmap& b) {
    TQuickPixels qa(&a), qb(&b);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (qa.GetPixel(x, y) != qb.GetPixel(x, y)) return false;
    return true;
}

class BmpSuiteTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { reference_ = new Bitmap(Load("g/rgb24.bmp")); }
    static void TearDownTestSuite() { delete reference_; }
    static const Bitmap& Ref() { return *reference_; }
    static Bitmap* reference_;
};
Bitmap* BmpSuiteTest::reference_ = nullptr;

TEST_F(BmpSuiteTest, ReferenceHasTheKnownPicture) {
    ASSERT_EQ(Ref().width(), 127);
    ASSERT_EQ(Ref().height(), 64);
    EXPECT_EQ(Ref().pixelFormat(), PixelFormat::Bits24);
    // Red, green and blue bands at the top, black at the bottom left.
    EXPECT_EQ(Ref().colorAt(0, 0), 0x0000FFu);
    EXPECT_EQ(Ref().colorAt(40, 0), 0x42FF42u);
    EXPECT_EQ(Ref().colorAt(70, 0), 0xFF3131u);
    EXPECT_EQ(Ref().colorAt(0, 63), 0x000000u);
    EXPECT_EQ(Ref().colorAt(126, 63), 0x7E6060u);
}

TEST_F(BmpSuiteTest, DirectColourFilesMatchTheReferenceWithinTheirPrecision) {
    struct Case {
        const char* file;
        PixelFormat format;
        int tolerance;
    };
    const Case cases[] = {
        {"g/rgb24pal.bmp", PixelFormat::Bits24, 0},   {"g/rgb32.bmp", PixelFormat::Bits32, 0},
        {"g/rgb32bf.bmp", PixelFormat::Custom, 0},    {"g/rgb32bfdef.bmp", PixelFormat::Custom, 0},
        {"g/rgb16.bmp", PixelFormat::Bits15, 8},      {"g/rgb16bfdef.bmp", PixelFormat::Bits15, 8},
        {"g/rgb16-565.bmp", PixelFormat::Custom, 8},  {"g/rgb16-565pal.bmp", PixelFormat::Custom, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Bitmap b = Load(c.file);
        ASSERT_EQ(b.width(), 127);
        ASSERT_EQ(b.height(), 64);
        EXPECT_EQ(b.pixelFormat(), c.format);
        EXPECT_LE(MaxPixelDifference(b, Ref()), c.tolerance);
    }
}

TEST_F(BmpSuiteTest, BitFieldFilesKeepTheirMasks) {
    const Bitmap b565 = Load("g/rgb16-565.bmp");
    EXPECT_EQ(b565.customLayout(), (CustomLayout{16, Compression::BitFields, 0xF800, 0x07E0, 0x001F}));
    const Bitmap odd = Load("g/rgb32bf.bmp");
    EXPECT_EQ(odd.customLayout(), (CustomLayout{32, Compression::BitFields, 0xFF000000, 0x00000FF0, 0x00FF0000}));
    // The usual 32-bit masks are still custom; the pixel accessor takes them.
    Bitmap def = Load("g/rgb32bfdef.bmp");
    EXPECT_EQ(def.customLayout(), (CustomLayout{32, Compression::BitFields, 0xFF0000, 0xFF00, 0xFF}));
    TQuickPixels q(&def);
    EXPECT_EQ(q.BitsPerPixel(), 32);
    EXPECT_EQ(q.GetColor(0, 0), 0x0000FFu);
}

TEST_F(BmpSuiteTest, EightBitVariantsAllHoldThePal8Picture) {
    const Bitmap pal8 = Load("g/pal8.bmp");
    EXPECT_EQ(pal8.pixelFormat(), PixelFormat::Bits8);
    EXPECT_EQ(pal8.colorTable().size(), 252u);
    // Dithered to 252 colours: close to the reference block by block.
    EXPECT_LE(WorstBlockDifference(pal8, Ref()), 10);
    for (const char* file : {"g/pal8-0.bmp", "g/pal8os2.bmp", "g/pal8rle.bmp", "g/pal8topdown.bmp", "g/pal8v4.bmp",
                             "g/pal8v5.bmp"}) {
        SCOPED_TRACE(file);
        const Bitmap b = Load(file);
        EXPECT_EQ(b.pixelFormat(), PixelFormat::Bits8);
        ASSERT_EQ(b.width(), 127);
        ASSERT_EQ(b.height(), 64);
        EXPECT_EQ(MaxPixelDifference(b, pal8), 0);
    }
    // A full table when the header gives no count.
    EXPECT_EQ(Load("g/pal8-0.bmp").colorTable().size(), 256u);
    EXPECT_EQ(Load("g/pal8os2.bmp").colorTable().size(), 256u);
}

TEST_F(BmpSuiteTest, OddWidthsAndNonSquarePixels) {
    for (int w : {124, 125, 126}) {
        const std::string file = "g/pal8w" + std::to_string(w) + ".bmp";
        SCOPED_TRACE(file);
        const Bitmap b = Load(file);
        ASSERT_EQ(b.width(), w);
        ASSERT_EQ(b.height(), w - 63);
        EXPECT_LE(WorstBlockDifference(b, Ref()), 10);
    }
    // Half the height: every row stands for two rows of the reference.
    const Bitmap half = Load("g/pal8nonsquare.bmp");
    ASSERT_EQ(half.width(), 127);
    ASSERT_EQ(half.height(), 32);
    EXPECT_LE(WorstBlockDifference(half, Ref(), true), 10);
}

TEST_F(BmpSuiteTest, GreyVersionsFollowTheReferenceBrightness) {
    for (const char* file : {"g/pal8gs.bmp", "g/pal4gs.bmp"}) {
        SCOPED_TRACE(file);
        const Bitmap b = Load(file);
        for (const RgbQuad& q : b.colorTable()) {
            EXPECT_EQ(q.red, q.green);
            EXPECT_EQ(q.green, q.blue);
        }
        EXPECT_LT(MeanLumaDifference(b, Ref()), 12.0);
    }
}

TEST_F(BmpSuiteTest, FourBitPictureAndItsRleCopy) {
    Bitmap pal4 = Load("g/pal4.bmp");
    Bitmap rle = Load("g/pal4rle.bmp");
    ASSERT_EQ(pal4.pixelFormat(), PixelFormat::Bits4);
    ASSERT_EQ(rle.pixelFormat(), PixelFormat::Bits4);
    ASSERT_EQ(pal4.colorTable().size(), 12u);
    EXPECT_EQ(pal4.colorTable()[11], (RgbQuad{0xFF, 0xFF, 0xFF, 0}));
    EXPECT_TRUE(SameIndexes(pal4, rle));
    EXPECT_EQ(pal4.colorTable(), rle.colorTable());
    TQuickPixels q(&pal4);
    EXPECT_EQ(q.GetPixel(0, 0), 1u);
    EXPECT_EQ(q.GetColor(0, 0), 0x0000FFu);
    EXPECT_EQ(q.GetPixel(126, 0), 9u);
    EXPECT_EQ(q.GetPixel(0, 63), 0u);
    EXPECT_EQ(q.GetPixel(63, 32), 11u);
    EXPECT_EQ(q.GetPixel(10, 40), 2u);
    EXPECT_EQ(q.GetColor(10, 40), 0x008000u);
}

TEST_F(BmpSuiteTest, OneBitVersions) {
    Bitmap pal1 = Load("g/pal1.bmp");
    Bitmap wb = Load("g/pal1wb.bmp");
    Bitmap bg = Load("g/pal1bg.bmp");
    ASSERT_EQ(pal1.pixelFormat(), PixelFormat::Bits1);
    EXPECT_EQ(pal1.colorTable(), (std::vector<RgbQuad>{{0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0}}));
    // White-then-black table: other indexes, the same colours.
    EXPECT_EQ(MaxPixelDifference(pal1, wb), 0);
    // Coloured table: the same indexes.
    EXPECT_TRUE(SameIndexes(pal1, bg));
    EXPECT_EQ(bg.colorTable(), (std::vector<RgbQuad>{{0xFF, 0x40, 0x40, 0}, {0x40, 0xFF, 0x40, 0}}));
    TQuickPixels q(&pal1);
    EXPECT_EQ(q.GetPixel(0, 0), 1u);
    EXPECT_EQ(q.GetPixel(126, 0), 1u);
    EXPECT_EQ(q.GetPixel(0, 63), 0u);
    EXPECT_EQ(q.GetPixel(30, 20), 0u);
    EXPECT_EQ(q.GetPixel(63, 32), 1u);
}

TEST_F(BmpSuiteTest, EveryGoodFileLoads) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Suite + "/g")) {
        SCOPED_TRACE(entry.path().string());
        EXPECT_NO_THROW(LoadBitmapFromFile(entry.path().string()));
        ++count;
    }
    EXPECT_EQ(count, 27);
}

// Every bad file fails cleanly, except those whose only fault is a field the
// reader does not need: a wrong image size, resolution or file size (the pixels
// are all there), indexes past a short colour table (those pixels are black), and RLE
// runs past the end of a row (the extra pixels are dropped, as other readers do).
TEST_F(BmpSuiteTest, BadFilesAreRejectedUnlessTheFaultIsHarmless) {
    const std::set<std::string> loads = {"badbitssize.bmp", "baddens1.bmp", "baddens2.bmp", "badfilesize.bmp",
                                          "pal8badindex.bmp", "badrle4bis.bmp", "badrlebis.bmp"};
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Suite + "/b")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++count;
        if (loads.count(name)) {
            EXPECT_NO_THROW(LoadBitmapFromFile(entry.path().string()));
            continue;
        }
        try {
            LoadBitmapFromFile(entry.path().string());
            ADD_FAILURE() << "loaded";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid");
        }
    }
    EXPECT_EQ(count, 20);
    Bitmap badIndex = Load("b/pal8badindex.bmp");
    TQuickPixels q(&badIndex);
    EXPECT_EQ(badIndex.colorTable().size(), 101u);
    EXPECT_EQ(q.GetColor(8, 0), 0u);
}

// Questionable files: the readable ones load, the rest fail cleanly. Rejected:
// 2 bits per pixel, Huffman, RLE24, JPEG and PNG contents, 64 bits per pixel and a
// colour table of more than 256 entries on an 8-bit picture.
TEST_F(BmpSuiteTest, QuestionableFilesLoadWhenSensible) {
    const std::set<std::string> rejected = {"pal1huffmsb.bmp", "pal2.bmp",          "pal2color.bmp",
                                            "pal8oversizepal.bmp", "rgb24jpeg.bmp", "rgb24png.bmp",
                                            "rgb24rle24.bmp",  "rgba64.bmp"};
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Suite + "/q")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++count;
        if (rejected.count(name))
            EXPECT_THROW(LoadBitmapFromFile(entry.path().string()), EInvalidGraphic);
        else
            EXPECT_NO_THROW(LoadBitmapFromFile(entry.path().string()));
    }
    EXPECT_EQ(count, 43);
}

TEST_F(BmpSuiteTest, QuestionableVariantsOfTheEightBitPicture) {
    const Bitmap pal8 = Load("g/pal8.bmp");
    // Odd offsets, two-part headers, wrong file sizes, a palette cut short by the pixel offset.
    for (const char* file : {"q/pal8offs.bmp", "q/pal8os2-hs.bmp", "q/pal8os2-sz.bmp", "q/pal8os2sp.bmp",
                             "q/pal8os2v2-16.bmp", "q/pal8os2v2-40sz.bmp", "q/pal8os2v2-sz.bmp", "q/pal8os2v2.bmp"}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(MaxPixelDifference(Load(file), pal8), 0);
    }
    EXPECT_EQ(Load("q/pal8os2sp.bmp").colorTable().size(), 252u);
    // Masks of every shape; alpha is ignored.
    for (const char* file : {"q/rgb32-xbgr.bmp", "q/rgb32h52.bmp", "q/rgb32fakealpha.bmp"}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(MaxPixelDifference(Load(file), Ref()), 0);
    }
    EXPECT_LE(MaxPixelDifference(Load("q/rgb32-111110.bmp"), Ref()), 1);
    // A one-entry colour table: index 1 reads black.
    Bitmap p1 = Load("q/pal1p1.bmp");
    EXPECT_EQ(p1.colorTable().size(), 1u);
}

// The file reader reads the rows straight into the picture; it must agree with
// decoding the whole file from memory, picture for picture and failure for failure.
TEST_F(BmpSuiteTest, FileAndMemoryReadersAgree) {
    for (const char* dir : {"/g", "/q", "/b"}) {
        for (const auto& entry : std::filesystem::directory_iterator(Suite + dir)) {
            SCOPED_TRACE(entry.path().string());
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
            std::string fromFile, fromMemory;
            Bitmap a, b;
            try {
                a = LoadBitmapFromFile(entry.path().string());
            } catch (const EInvalidGraphic& e) {
                fromFile = e.what();
            }
            try {
                b = DecodeBmp(bytes.data(), bytes.size());
            } catch (const EInvalidGraphic& e) {
                fromMemory = e.what();
            }
            EXPECT_EQ(fromFile, fromMemory);
            EXPECT_TRUE(a == b);
        }
    }
}

}  // namespace
}  // namespace vok
