// Writing BMP files: a 14-byte file header, a 40-byte info header, the masks or
// the full colour table, then the rows bottom-up, uncompressed.
#include <algorithm>
#include <cstring>

#include "pictures/BmpCodec.h"
#include "pictures/BmpHeaders.h"
#include "support/Errors.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

struct WriteLayout {
    int bitCount = 0;
    std::uint32_t compression = bmp::BiRgb;
    std::uint32_t masks[3] = {0, 0, 0};
    int paletteSize = 0;
};

WriteLayout LayoutOf(const Bitmap& b) {
    WriteLayout w;
    w.bitCount = b.storageBits();
    switch (b.storedFormat()) {
    case PixelFormat::Bits1:
    case PixelFormat::Bits4:
    case PixelFormat::Bits8: w.paletteSize = Traits(b.storedFormat()).paletteSize; break;
    case PixelFormat::Bits16:
        w.compression = bmp::BiBitFields;
        w.masks[0] = 0xF800;
        w.masks[1] = 0x07E0;
        w.masks[2] = 0x001F;
        break;
    case PixelFormat::Custom: {
        const CustomLayout& c = b.customLayout();
        if (c.compression == Compression::BitFields) {
            w.compression = bmp::BiBitFields;
            w.masks[0] = c.redMask;
            w.masks[1] = c.greenMask;
            w.masks[2] = c.blueMask;
        }
        break;
    }
    default: break;  // 15 bits as plain 16, 24 and 32 plain
    }
    return w;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap) {
    const WriteLayout w = LayoutOf(bitmap);
    const std::size_t maskBytes = w.compression == bmp::BiBitFields ? 12 : 0;
    const std::size_t pixelOffset = bmp::FileHeaderSize + bmp::InfoHeaderSize + maskBytes + 4 * std::size_t(w.paletteSize);
    const std::size_t stride = bitmap.stride();
    const std::size_t imageSize = stride * std::size_t(bitmap.height());
    std::vector<std::uint8_t> out(pixelOffset + imageSize);
    std::uint8_t* p = out.data();

    p[0] = 'B';
    p[1] = 'M';
    bmp::PutU32(p + 2, std::uint32_t(out.size()));
    bmp::PutU32(p + 10, std::uint32_t(pixelOffset));
    std::uint8_t* h = p + bmp::FileHeaderSize;
    bmp::PutU32(h, bmp::InfoHeaderSize);
    bmp::PutU32(h + bmp::OffWidth, std::uint32_t(bitmap.width()));
    bmp::PutU32(h + bmp::OffHeight, std::uint32_t(bitmap.height()));
    bmp::PutU16(h + bmp::OffPlanes, 1);
    bmp::PutU16(h + bmp::OffBitCount, std::uint32_t(w.bitCount));
    bmp::PutU32(h + bmp::OffCompression, w.compression);
    bmp::PutU32(h + bmp::OffSizeImage, std::uint32_t(imageSize));
    // Resolutions, colours used and important colours stay 0: the table is full.
    std::uint8_t* q = h + bmp::InfoHeaderSize;
    if (maskBytes) {
        for (std::uint32_t m : w.masks) {
            bmp::PutU32(q, m);
            q += 4;
        }
    }
    // The full colour table; entries the picture lacks are black.
    const auto& colors = bitmap.colorTable();
    const std::size_t stored = std::min<std::size_t>(colors.size(), std::size_t(w.paletteSize));
    for (std::size_t i = 0; i < stored; ++i, q += 4) {
        q[0] = colors[i].blue;
        q[1] = colors[i].green;
        q[2] = colors[i].red;
    }

    std::uint8_t* pixels = out.data() + pixelOffset;
    if (bitmap.bottomUp()) {
        std::memcpy(pixels, bitmap.bits(), imageSize);
    } else {
        for (int y = 0; y < bitmap.height(); ++y)
            std::memcpy(pixels + std::size_t(bitmap.height() - 1 - y) * stride, bitmap.scanLine(y), stride);
    }
    return out;
}

void SaveBitmapToFile(const Bitmap& bitmap, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = EncodeBmp(bitmap);
    try {
        WriteFileSafely(fileName, bytes.data(), bytes.size());
    } catch (const EOSError& e) {
        RaiseCreateError(fileName, e.code());
    }
}

}  // namespace vok
