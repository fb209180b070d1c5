#include "pictures/BitmapImage.h"

namespace vok {

QImage ToQImage(const Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    if (bitmap.pixelFormat() == PixelFormat::Bits8) {
        QRgb lut[256];
        const auto& table = bitmap.colorTable();
        for (int i = 0; i < 256; ++i)
            lut[i] = i < int(table.size()) ? qRgb(table[i].red, table[i].green, table[i].blue) : qRgb(0, 0, 0);
        for (int y = 0; y < bitmap.height(); ++y) {
            const std::uint8_t* in = bitmap.scanLine(y);
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < bitmap.width(); ++x) out[x] = lut[in[x]];
        }
        return image;
    }
    if (bitmap.pixelFormat() == PixelFormat::Bits24) {
        for (int y = 0; y < bitmap.height(); ++y) {
            const std::uint8_t* in = bitmap.scanLine(y);
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < bitmap.width(); ++x) out[x] = qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
        }
        return image;
    }
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint32_t c = bitmap.colorAt(x, y);
            out[x] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
        }
    }
    return image;
}

}  // namespace vok
