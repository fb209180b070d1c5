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

// Everything before the rows: file header, info header, masks and colour table.
std::vector<std::uint8_t> EncodeBmpHeader(const Bitmap& bitmap) {
    const WriteLayout w = LayoutOf(bitmap);
    const std::size_t maskBytes = w.compression == bmp::BiBitFields ? 12 : 0;
    const std::size_t pixelOffset = bmp::FileHeaderSize + bmp::InfoHeaderSize + maskBytes + 4 * std::size_t(w.paletteSize);
    const std::size_t imageSize = bitmap.stride() * std::size_t(bitmap.height());
    std::vector<std::uint8_t> out(pixelOffset);
    std::uint8_t* p = out.data();

    p[0] = 'B';
    p[1] = 'M';
    bmp::PutU32(p + 2, std::uint32_t(pixelOffset + imageSize));
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
    return out;
}

// The rows bottom-up, as pieces of the picture's own memory: one piece when the
// picture is stored bottom-up, one a row otherwise.
std::vector<ByteRange> BmpRows(const Bitmap& bitmap) {
    if (bitmap.bottomUp()) return {ByteRange{bitmap.bits(), bitmap.byteSize()}};
    std::vector<ByteRange> rows;
    rows.reserve(std::size_t(bitmap.height()));
    for (int y = bitmap.height() - 1; y >= 0; --y) rows.push_back(ByteRange{bitmap.scanLine(y), bitmap.stride()});
    return rows;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap) {
    std::vector<std::uint8_t> out = EncodeBmpHeader(bitmap);
    out.reserve(out.size() + bitmap.byteSize());
    for (const ByteRange& row : BmpRows(bitmap)) {
        const auto* bytes = static_cast<const std::uint8_t*>(row.data);
        out.insert(out.end(), bytes, bytes + row.size);
    }
    return out;
}

void CheckPictureHasPixels(const Bitmap& picture, const std::string& fileName) {
    if (picture.width() <= 0 || picture.height() <= 0) RaiseCannotSave(fileName, "The picture has no pixels");
}

void SaveBitmapToFile(const Bitmap& bitmap, const std::string& fileName) {
    CheckPictureHasPixels(bitmap, fileName);
    // What the reader would refuse is not written either.
    if (const WriteLayout w = LayoutOf(bitmap); w.compression == bmp::BiBitFields && !bmp::BitFieldsReadable(w.bitCount, w.masks))
        RaiseCannotSave(fileName, "Its colour masks overlap or are not one run of bits each");
    // The rows go to the file straight from the picture, without a second copy.
    const std::vector<std::uint8_t> header = EncodeBmpHeader(bitmap);
    std::vector<ByteRange> pieces = BmpRows(bitmap);
    pieces.insert(pieces.begin(), ByteRange{header.data(), header.size()});
    try {
        WriteFileSafely(fileName, pieces);
    } catch (const EOSError& e) {
        RaiseCreateError(fileName, e.code());
    }
}

}  // namespace vok
