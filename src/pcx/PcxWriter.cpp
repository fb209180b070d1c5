// Writing PCX pictures.
#include <algorithm>
#include <cstring>
#include <optional>

#include "pcx/Pcx.h"
#include "pictures/BmpCodec.h"
#include "support/Errors.h"
#include "support/WorkPool.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

void Put16(std::uint8_t* p, std::size_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

bool HasCase(PixelFormat f) {
    return f == PixelFormat::Bits1 || f == PixelFormat::Bits4 || f == PixelFormat::Bits8 || f == PixelFormat::Bits24;
}

void PutTriples(std::uint8_t* p, const std::vector<RgbQuad>& colors, std::size_t count) {
    for (std::size_t i = 0; i < count && i < colors.size(); ++i) {
        p[3 * i] = colors[i].red;
        p[3 * i + 1] = colors[i].green;
        p[3 * i + 2] = colors[i].blue;
    }
}

void NibblesToPlanes(const std::uint8_t* in, int width, std::size_t bytesPerLine, std::uint8_t* stored) {
    for (int x = 0; x < width; ++x) {
        const unsigned index = x % 2 == 0 ? in[x / 2] >> 4 : in[x / 2] & 15u;
        const auto bit = std::uint8_t(0x80 >> (x % 8));
        for (int k = 0; k < 4; ++k)
            if (index & (1u << k)) stored[std::size_t(k) * bytesPerLine + std::size_t(x / 8)] |= bit;
    }
}

void BgrToPlanes(const std::uint8_t* in, int width, std::size_t bytesPerLine, std::uint8_t* stored) {
    std::uint8_t* red = stored;
    std::uint8_t* green = stored + bytesPerLine;
    std::uint8_t* blue = stored + 2 * bytesPerLine;
    for (int x = 0; x < width; ++x) {
        blue[x] = in[0];
        green[x] = in[1];
        red[x] = in[2];
        in += 3;
    }
}

// Hands the file to `put` in pieces of some hundred kilobytes; stops when put fails.
void EncodePcxTo(const Bitmap& picture, const ContentPut& put) {
    const PixelFormat format = picture.pixelFormat();
    if (!HasCase(format)) throw std::invalid_argument("PCX pictures are 1-, 4-, 8- or 24-bit");
    const int width = picture.width();
    const int height = picture.height();
    if (width > kPcxLargestSide || height > kPcxLargestSide) throw EPcxError(PcxTooLargeText);
    std::size_t bytesPerLine = 0;
    unsigned bits = 8;
    unsigned planes = 1;
    switch (format) {
    case PixelFormat::Bits1: bits = 1, bytesPerLine = (std::size_t(width) + 7) / 8; break;
    // The size of a packed 4-bit row, more than one plane needs; the rest stays 0.
    case PixelFormat::Bits4: bits = 1, planes = 4, bytesPerLine = (std::size_t(width) + 1) / 2; break;
    case PixelFormat::Bits8: bytesPerLine = std::size_t(width); break;
    default: planes = 3, bytesPerLine = std::size_t(width); break;
    }
    bytesPerLine += bytesPerLine % 2;

    std::uint8_t out[128] = {};
    out[0] = 10;
    out[1] = 5;
    out[2] = 1;
    out[3] = std::uint8_t(bits);
    Put16(&out[8], std::size_t(width - 1));
    Put16(&out[10], std::size_t(height - 1));
    Put16(&out[12], 72);
    Put16(&out[14], 72);
    if (format == PixelFormat::Bits1) std::memset(&out[19], 255, 3);
    if (format == PixelFormat::Bits4 || format == PixelFormat::Bits8) PutTriples(&out[16], picture.colorTable(), 16);
    out[65] = std::uint8_t(planes);
    Put16(&out[66], bytesPerLine);
    Put16(&out[68], 1);

    // The stored form of one row: its bytes, or its planes.
    const std::size_t storedBytes = bytesPerLine * planes;
    const auto store = [&](int y, std::uint8_t* stored) {
        if (storedBytes == 0) return;  // a picture no pixel wide
        const std::uint8_t* row = picture.scanLine(y);
        switch (format) {
        case PixelFormat::Bits1:
        case PixelFormat::Bits8: {
            const std::size_t used = format == PixelFormat::Bits1 ? (std::size_t(width) + 7) / 8 : std::size_t(width);
            std::memcpy(stored, row, used);
            std::memset(stored + used, 0, storedBytes - used);
            break;
        }
        case PixelFormat::Bits4:
            std::memset(stored, 0, storedBytes);
            NibblesToPlanes(row, width, bytesPerLine, stored);
            break;
        default:
            std::memset(stored, 0, storedBytes);
            BgrToPlanes(row, width, bytesPerLine, stored);
            break;
        }
    };
    // Rows are coded a batch at a time, the batch's runs of rows in parallel, and handed
    // on in order: the file is the same on any number of threads, and no more than a
    // batch of it is held.
    constexpr int kBatchRows = 64;
    constexpr std::size_t kRuns = 8;
    std::vector<UnfilledBytes> coded(kRuns);
    if (!put(out, sizeof out)) return;
    for (int top = 0; top < height; top += kBatchRows) {
        const int rows = std::min(kBatchRows, height - top);
        const std::size_t runs = ParallelRanges(std::size_t(rows), kRuns, [&](std::size_t run, std::size_t first, std::size_t last) {
            UnfilledBytes stored(storedBytes);
            UnfilledBytes& piece = coded[run];
            piece.resize(2 * storedBytes * (last - first));
            std::uint8_t* end = piece.data();
            for (std::size_t y = first; y < last; ++y) {
                store(top + int(y), stored.data());
                end = PcxRleEncode(stored.data(), storedBytes, end);
            }
            piece.resize(std::size_t(end - piece.data()));
        });
        for (std::size_t run = 0; run < runs; ++run)
            if (!put(coded[run].data(), coded[run].size())) return;
    }
    if (format == PixelFormat::Bits8) {
        std::uint8_t palette[769] = {12};
        PutTriples(&palette[1], picture.colorTable(), 256);
        put(palette, sizeof palette);
    }
}

}  // namespace

std::vector<std::uint8_t> EncodePcx(const Bitmap& picture) {
    std::vector<std::uint8_t> file;
    EncodePcxTo(picture, [&file](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        file.insert(file.end(), bytes, bytes + size);
        return true;
    });
    return file;
}

void TJvPcx::SaveToStream(std::vector<std::uint8_t>& stream) {
    if (!HasCase(pixelFormat())) {
        setHandleType(HandleType::DIB);
        setPixelFormat(PixelFormat::Bits24);
    }
    const auto bytes = EncodePcx(*this);
    stream.insert(stream.end(), bytes.begin(), bytes.end());
}

void SavePcxToFile(const Bitmap& picture, const std::string& fileName) {
    CheckPictureHasPixels(picture, fileName);
    // Formats without a case are written from a 24-bit copy; the rest stream from the picture.
    std::optional<Bitmap> copy;
    if (!HasCase(picture.pixelFormat())) {
        copy.emplace(picture);
        copy->setHandleType(HandleType::DIB);
        copy->setPixelFormat(PixelFormat::Bits24);
    }
    try {
        WriteFileSafely(fileName, [&](const ContentPut& put) { EncodePcxTo(copy ? *copy : picture, put); });
    } catch (const EWriteError&) {
        throw;  // created, but not written whole: the old file stays
    } catch (const EOSError& e) {
        RaiseCreateError(fileName, e.code());
    } catch (Exception& e) {
        e.nameFile(fileName);
        throw;
    }
}

}  // namespace vok
