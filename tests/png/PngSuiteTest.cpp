// The conformance pictures against a second decoder, Qt's own: same indexes and palette
// for palette pictures, same colours (16-bit samples rounded, transparent pixels on the
// background) for the others.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QImage>

#include <zlib.h>

#include "pcx/PictureFiles.h"
#include "png/Png.h"

namespace vok {

namespace {

std::uint8_t To8(int v) { return std::uint8_t((v * 255 + 32767) / 65535); }

// For a 16-bit truecolour PNG with a tRNS colour (Qt misreads those): per pixel, its
// colour rounded to 8 bits, or the background when its stored samples equal the tRNS
// colour; read straight from the file of the non-interlaced copy (inflated with zlib,
// rows unfiltered here). Empty for other pictures.
std::vector<std::uint32_t> SixteenBitTransparent(QString path, std::uint32_t background) {
    path.replace("/if", "/f");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray d = file.readAll();
    const auto u8 = [&](qsizetype i) { return int(std::uint8_t(d[i])); };
    const auto u32 = [&](qsizetype i) { return u8(i) << 24 | u8(i + 1) << 16 | u8(i + 2) << 8 | u8(i + 3); };
    const int width = u32(16), height = u32(20);
    if (u8(24) != 16 || u8(25) != 2) return {};
    QByteArray key, data;
    for (qsizetype at = 8; at + 12 <= d.size(); at += 12 + u32(at)) {
        if (d.mid(at + 4, 4) == "tRNS") key = d.mid(at + 8, 6);
        if (d.mid(at + 4, 4) == "IDAT") data += d.mid(at + 8, u32(at));
    }
    if (key.isEmpty()) return {};
    const int stride = width * 6;
    std::vector<std::uint8_t> raw(std::size_t((stride + 1) * height));
    uLongf size = uLongf(raw.size());
    if (uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(data.data()), uLong(data.size())) != Z_OK) return {};
    std::vector<std::uint8_t> prev(static_cast<std::size_t>(stride)), line(static_cast<std::size_t>(stride));
    std::vector<std::uint32_t> colors;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = raw.data() + std::size_t(y) * std::size_t(stride + 1);
        for (int x = 0; x < stride; ++x) {
            const int a = x >= 6 ? line[std::size_t(x - 6)] : 0, b = prev[std::size_t(x)], c = x >= 6 ? prev[std::size_t(x - 6)] : 0;
            const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            const int predictor[] = {0, a, b, (a + b) / 2, pa <= pb && pa <= pc ? a : pb <= pc ? b : c};
            line[std::size_t(x)] = std::uint8_t(in[1 + x] + predictor[in[0] % 5]);
        }
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = line.data() + 6 * x;
            colors.push_back(std::memcmp(p, key.data(), 6) == 0
                                 ? background
                                 : RGB(To8(p[0] << 8 | p[1]), To8(p[2] << 8 | p[3]), To8(p[4] << 8 | p[5])));
        }
        prev = line;
    }
    return colors;
}

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
        const std::vector<std::uint32_t> direct = SixteenBitTransparent(QString::fromStdString(path), background);
        EXPECT_EQ(picture.pixelFormat(), !paletted               ? PixelFormat::Bits24
                                         : name.contains("p01")  ? PixelFormat::Bits1
                                         : name.contains("p08")  ? PixelFormat::Bits8
                                                                 : PixelFormat::Bits4);
        if (paletted) {
            ASSERT_EQ(picture.colorTable().size(), std::size_t(expected.colorCount()));
        }
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
                } else if (!direct.empty()) {
                    want = direct[std::size_t(y * picture.width() + x)];
                } else if (c.alpha() != 65535 && To8(c.alpha()) < 128) {
                    want = background;
                }
                ASSERT_EQ(picture.colorAt(x, y), want) << x << "," << y;
            }
    }
    SetPngReading({});
}

}  // namespace vok
