// Reading BMP files of every variety a paint program may write: the 12-byte core
// header, the 16-to-64-byte two-part headers, info headers of 40, 52, 56, 108 and
// 124 bytes; 1, 4, 8, 16, 24 and 32 bits; plain, bit fields, RLE8 and RLE4.
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "pictures/BmpCodec.h"
#include "pictures/BmpHeaders.h"
#include "pictures/RleDecoder.h"
#include "support/Errors.h"
#include "support/ZqSysUtils.h"

namespace vok {

void bmp::RaiseInvalidBitmap() { throw EInvalidGraphic("Bitmap image is not valid"); }

namespace {

using bmp::RaiseInvalidBitmap;

// What the pixels need of the headers, whatever their variety.
struct BmpLayout {
    std::int64_t width = 0;
    std::int64_t height = 0;  // positive
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = bmp::BiRgb;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t pixelOffset = 0;
};

bool IsWindowsHeaderSize(std::uint32_t size) {
    return size == bmp::InfoHeaderSize || size == bmp::V2HeaderSize || size == bmp::V3HeaderSize ||
           size == bmp::V4HeaderSize || size == bmp::V5HeaderSize;
}

// A mask must be one run of set bits inside the pixel.
bool IsContiguousMask(std::uint32_t mask, int bitCount) {
    if (mask == 0) return false;
    if (bitCount < 32 && (mask >> bitCount) != 0) return false;
    const std::uint64_t run = mask >> std::countr_zero(mask);
    return (run & (run + 1)) == 0;
}

}  // namespace

bool bmp::BitFieldsReadable(int bitCount, const std::uint32_t (&masks)[3]) {
    if (bitCount != 16 && bitCount != 32) return false;
    for (std::uint32_t m : masks)
        if (!IsContiguousMask(m, bitCount)) return false;
    return !(masks[0] & masks[1]) && !(masks[0] & masks[2]) && !(masks[1] & masks[2]);
}

namespace {

// `data` holds the first `held` bytes of a file of `size` bytes: at least the
// headers, the masks and the colour table, or the whole file when it is shorter.
BmpLayout ReadHeaders(const std::uint8_t* data, std::size_t held, std::size_t size) {
    if (held < bmp::FileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') RaiseInvalidBitmap();
    BmpLayout l;
    l.pixelOffset = bmp::GetU32(data + 10);
    const std::uint32_t headerSize = bmp::GetU32(data + bmp::FileHeaderSize);
    const bool core = headerSize == bmp::CoreHeaderSize;
    // The two-part headers end on a field boundary: an even size from 16 to 64.
    const bool twoPart = !IsWindowsHeaderSize(headerSize) && headerSize >= bmp::Os2MinHeaderSize &&
                         headerSize <= bmp::Os2MaxHeaderSize && headerSize % 2 == 0;
    if (!core && !twoPart && !IsWindowsHeaderSize(headerSize)) RaiseInvalidBitmap();
    if (held - bmp::FileHeaderSize < headerSize) RaiseInvalidBitmap();

    // The fields a shorter header lacks read as 0.
    std::uint8_t h[bmp::V5HeaderSize] = {};
    std::memcpy(h, data + bmp::FileHeaderSize, headerSize);
    int planes = 0;
    std::size_t maskBytes = 0;
    if (core) {
        l.width = bmp::GetU16(h + 4);
        l.height = bmp::GetU16(h + 6);
        planes = bmp::GetU16(h + 8);
        l.bitCount = bmp::GetU16(h + 10);
        l.paletteEntrySize = 3;
    } else {
        l.width = bmp::GetI32(h + bmp::OffWidth);
        const std::int64_t height = bmp::GetI32(h + bmp::OffHeight);
        l.topDown = height < 0;
        l.height = height < 0 ? -height : height;
        planes = bmp::GetU16(h + bmp::OffPlanes);
        l.bitCount = bmp::GetU16(h + bmp::OffBitCount);
        l.compression = bmp::GetU32(h + bmp::OffCompression);
        l.colorsUsed = bmp::GetU32(h + bmp::OffClrUsed);
        // In the two-part headers codes 3 and 4 are Huffman and RLE24; neither is read.
        if (twoPart && l.compression > bmp::BiRle4) RaiseInvalidBitmap();
        if (l.compression == bmp::BiBitFields || l.compression == bmp::BiAlphaBitFields) {
            if (headerSize == bmp::InfoHeaderSize) {
                // The masks follow the header.
                maskBytes = l.compression == bmp::BiAlphaBitFields ? 16 : 12;
                if (held - bmp::FileHeaderSize - headerSize < maskBytes) RaiseInvalidBitmap();
                std::memcpy(h + bmp::OffRedMask, data + bmp::FileHeaderSize + headerSize, 12);
            }
            l.masks[0] = bmp::GetU32(h + bmp::OffRedMask);
            l.masks[1] = bmp::GetU32(h + bmp::OffGreenMask);
            l.masks[2] = bmp::GetU32(h + bmp::OffBlueMask);
        }
    }
    l.paletteOffset = bmp::FileHeaderSize + headerSize + maskBytes;

    if (l.width <= 0 || l.height <= 0 || planes != 1) RaiseInvalidBitmap();
    switch (l.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: RaiseInvalidBitmap();
    }
    switch (l.compression) {
    case bmp::BiRgb: break;
    case bmp::BiRle8:
        if (l.bitCount != 8 || l.topDown) RaiseInvalidBitmap();
        break;
    case bmp::BiRle4:
        if (l.bitCount != 4 || l.topDown) RaiseInvalidBitmap();
        break;
    case bmp::BiBitFields:
    case bmp::BiAlphaBitFields: {
        if (!bmp::BitFieldsReadable(l.bitCount, l.masks)) RaiseInvalidBitmap();
        break;
    }
    default: RaiseInvalidBitmap();
    }
    // The pixels start after the headers and the masks, inside the file.
    if (l.pixelOffset < l.paletteOffset || l.pixelOffset >= size || l.pixelOffset > held) RaiseInvalidBitmap();
    if (l.bitCount <= 8 && l.colorsUsed > 256) RaiseInvalidBitmap();
    return l;
}

PixelFormat FormatOf(const BmpLayout& l, CustomLayout& custom) {
    switch (l.bitCount) {
    case 1: return PixelFormat::Bits1;
    case 4: return PixelFormat::Bits4;
    case 8: return PixelFormat::Bits8;
    case 24: return PixelFormat::Bits24;
    default: break;
    }
    if (l.compression == bmp::BiRgb) return l.bitCount == 16 ? PixelFormat::Bits15 : PixelFormat::Bits32;
    if (l.bitCount == 16 && l.masks[0] == 0x7C00 && l.masks[1] == 0x03E0 && l.masks[2] == 0x001F)
        return PixelFormat::Bits15;
    custom = CustomLayout{l.bitCount, Compression::BitFields, l.masks[0], l.masks[1], l.masks[2]};
    return PixelFormat::Custom;
}

// The colour table as stored: up to 2^n entries, as many as fit before the pixels.
std::vector<RgbQuad> ReadColorTable(const std::uint8_t* data, const BmpLayout& l) {
    if (l.bitCount > 8) return {};
    std::size_t count = std::size_t(1) << l.bitCount;
    if (l.colorsUsed != 0) count = std::min<std::size_t>(count, l.colorsUsed);
    count = std::min(count, (l.pixelOffset - l.paletteOffset) / l.paletteEntrySize);
    std::vector<RgbQuad> colors(count);
    const std::uint8_t* p = data + l.paletteOffset;
    for (std::size_t i = 0; i < count; ++i, p += l.paletteEntrySize) colors[i] = RgbQuad{p[0], p[1], p[2], 0};
    return colors;
}

bool IsRle(const BmpLayout& l) { return l.compression == bmp::BiRle8 || l.compression == bmp::BiRle4; }

// An empty picture of the right format and row order, then sized. RLE pictures start
// zeroed, as their codes may skip pixels; plain rows are read over the memory as it is.
Bitmap MakePicture(const BmpLayout& l) {
    CustomLayout custom;
    const PixelFormat format = FormatOf(l, custom);
    Bitmap b(int(l.width), 0, format == PixelFormat::Custom ? (l.bitCount == 16 ? PixelFormat::Bits16 : PixelFormat::Bits32)
                                                           : format);
    if (format == PixelFormat::Custom) b.setCustomLayout(custom);
    b.setBottomUp(!l.topDown);
    // Every byte is written by the decoder or the reader, padding included.
    b.setSizeUnfilled(int(l.width), int(l.height));
    return b;
}

// The empty picture the pixels go into, with its colour table, once it is sure
// that a file of `size` bytes can hold them.
Bitmap PreparePicture(const BmpLayout& l, const std::uint8_t* data, std::size_t size) {
    const std::size_t available = size - l.pixelOffset;
    if (IsRle(l)) {
        // Nothing bounds an RLE picture but its stream; keep it sane before allocating.
        if (std::uint64_t(l.width) * std::uint64_t(l.height) > MaxRlePixels(available)) RaiseInvalidBitmap();
    } else {
        // The file must hold every row; the last one may lack its padding.
        const std::uint64_t stride = std::uint64_t(RowBytes(l.width, l.bitCount));
        const std::uint64_t lastRow = (std::uint64_t(l.width) * std::uint64_t(l.bitCount) + 7) / 8;
        if (lastRow > available || std::uint64_t(l.height - 1) > (available - lastRow) / stride) RaiseInvalidBitmap();
    }
    Bitmap bitmap = MakePicture(l);
    bitmap.setColorTable(ReadColorTable(data, l));
    return bitmap;
}

// Uncompressed rows keep their stored order, so the pixel block is one piece.
std::size_t PixelBytes(const Bitmap& bitmap, const BmpLayout& l, std::size_t size) {
    return std::min<std::size_t>(bitmap.byteSize(), size - l.pixelOffset);
}

// The padding a file's last row may lack reads as 0.
void ClearAfter(Bitmap& bitmap, std::size_t read) {
    std::memset(bitmap.bits() + read, 0, bitmap.byteSize() - read);
}

// Reads from a file descriptor until `n` bytes are in or the file ends.
std::size_t ReadFully(int fd, std::uint8_t* to, std::size_t n, std::size_t offset, int& error) {
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd, to + done, n - done, off_t(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = errno;
            break;
        }
        if (got == 0) break;
        done += std::size_t(got);
    }
    return done;
}

}  // namespace

Bitmap DecodeBmp(const std::uint8_t* data, std::size_t size) {
    const BmpLayout l = ReadHeaders(data, size, size);
    Bitmap bitmap = PreparePicture(l, data, size);
    if (IsRle(l))
        DecodeRle(data + l.pixelOffset, size - l.pixelOffset, l.bitCount, bitmap);
    else {
        const std::size_t n = PixelBytes(bitmap, l, size);
        if (n > 0) std::memcpy(bitmap.bits(), data + l.pixelOffset, n);
        ClearAfter(bitmap, n);
    }
    return bitmap;
}

namespace {

Bitmap LoadBitmapFile(const std::string& fileName) {
    struct stat st {};
    int fd = -1;
    try {
        fd = OpenFileForReading(fileName, st);
    } catch (const EOSError& e) {
        RaiseOpenError(fileName, e.code());
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    int error = 0;
    std::vector<std::uint8_t> bytes;
    if (S_ISREG(st.st_mode)) {
        // The headers and the colour table first, then the pixel rows straight
        // into the picture. A file that changes meanwhile reads as invalid.
        const std::size_t size = std::size_t(st.st_size);
        bytes.resize(std::min<std::size_t>(size, 4096));
        std::size_t held = ReadFully(fd, bytes.data(), bytes.size(), 0, error);
        if (held >= bmp::FileHeaderSize) {
            const std::size_t pixelOffset = bmp::GetU32(bytes.data() + 10);
            if (pixelOffset > held && pixelOffset < size) {
                bytes.resize(pixelOffset);
                held += ReadFully(fd, bytes.data() + held, pixelOffset - held, held, error);
            }
        }
        if (error != 0) RaiseOpenError(fileName, error);
        const BmpLayout l = ReadHeaders(bytes.data(), held, size);
        Bitmap bitmap = PreparePicture(l, bytes.data(), size);
        if (IsRle(l)) {
            UnfilledBytes stream(size - l.pixelOffset);
            held = ReadFully(fd, stream.data(), stream.size(), l.pixelOffset, error);
            if (error != 0) RaiseOpenError(fileName, error);
            DecodeRle(stream.data(), held, l.bitCount, bitmap);
        } else {
            const std::size_t n = PixelBytes(bitmap, l, size);
            if (ReadFully(fd, bitmap.bits(), n, l.pixelOffset, error) != n) {
                if (error != 0) RaiseOpenError(fileName, error);
                RaiseInvalidBitmap();
            }
            ClearAfter(bitmap, n);
        }
        return bitmap;
    }
    // A device is read as it comes, up to a bound, and given
    // up at once when it does not start like a picture.
    constexpr std::size_t kMaxStreamBytes = std::size_t(256) << 20;
    bytes.resize(65536);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done >= kMaxStreamBytes) RaiseInvalidBitmap();
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) RaiseOpenError(fileName, errno);
        if (n == 0) break;
        done += std::size_t(n);
        if (done >= 2 && (bytes[0] != 'B' || bytes[1] != 'M')) RaiseInvalidBitmap();
    }
    return DecodeBmp(bytes.data(), done);
}

}  // namespace

Bitmap LoadBitmapFromFile(const std::string& fileName) {
    try {
        return LoadBitmapFile(fileName);
    } catch (Exception& e) {
        e.nameFile(fileName);
        throw;
    }
}

}  // namespace vok
