// The conformance pictures against a second decoder, Qt's own: same indexes and palette
// for palette pictures, same colours (16-bit samples rounded, transparent pixels on the
// background) for the others.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "pcx/PictureFiles.h"
#include "png/Png.h"

namespace vok {

namespace {

std::uint8_t To8(int v) { return std::uint8_t((v * 255 + 32767) / 65535); }

}  // namespace

TEST(PngSuite, EveryPictureLoadsWithThePixelsOfASecondDecoder) {
    const std::uint32_t background = RGB(7, 77, 177);
    SetPngReading({background, 128});
    const QStringList names = QDir(VOK_PNGSUITE_DIR).entryList({"*.png"});
    ASSERT_GE(names.size(), 60);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const std::string path = std::string(VOK_PNGSUITE_DIR) + "/" + name.toStdString();
        const QImage expected(QString::fromStdString(path));
        ASSERT_FALSE(expected.isNull());
        const Bitmap picture = LoadPicture(path);
        ASSERT_EQ(picture.width(), expected.width());
        ASSERT_EQ(picture.height(), expected.height());
        const bool paletted = name.contains("3p");
        EXPECT_EQ(picture.pixelFormat(), !paletted               ? PixelFormat::Bits24
                                         : name.contains("p01")  ? PixelFormat::Bits1
                                         : name.contains("p08")  ? PixelFormat::Bits8
                                                                 : PixelFormat::Bits4);
        if (paletted) ASSERT_EQ(picture.colorTable().size(), std::size_t(expected.colorCount()));
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgba64 c = expected.pixelColor(x, y).rgba64();
                std::uint32_t want = RGB(To8(c.red()), To8(c.green()), To8(c.blue()));
                if (paletted) {
                    const int index = expected.pixelIndex(x, y);
                    const int bits = picture.storageBits();
                    const int stored = (picture.scanLine(y)[x * bits / 8] >> (8 - bits - x * bits % 8)) & ((1 << bits) - 1);
                    ASSERT_EQ(stored, index) << x << "," << y;
                    want = expected.color(index) & 0xFFFFFF;
                    want = RGB(std::uint8_t(want >> 16), std::uint8_t(want >> 8), std::uint8_t(want));
                } else if (c.alpha() != 65535 && To8(c.alpha()) < 128) {
                    want = background;
                }
                ASSERT_EQ(picture.colorAt(x, y), want) << x << "," << y;
            }
    }
    SetPngReading({});
}

}  // namespace vok
