// Colours of a picture: reading a pixel as a colour, filling, converting between
// pixel formats and drawing one picture onto another.
#include "pictures/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vok {

namespace {


// Widens an n-bit value to 8 bits by bit replication.
std::uint8_t Widen(std::uint32_t v, int bits) {
    if (bits <= 0) return 0;
    if (bits >= 8) return std::uint8_t(v >> (bits - 8));
    std::uint32_t out = v << (8 - bits);
    for (int shift = bits; shift < 8; shift += bits) out |= (v << (8 - bits)) >> shift;
    return std::uint8_t(out);
}

struct MaskField {
    int shift = 0;
    int bits = 0;
};

MaskField FieldOf(std::uint32_t mask) {
    MaskField f;
    if (mask == 0) return f;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++f.shift;
    }
    while (mask & 1u) {
        mask >>= 1;
        ++f.bits;
    }
    return f;
}

std::uint8_t Extract(std::uint32_t word, std::uint32_t mask) {
    const MaskField f = FieldOf(mask);
    return Widen((word & mask) >> f.shift, f.bits);
}

std::uint32_t Pack(std::uint8_t value, std::uint32_t mask) {
    const MaskField f = FieldOf(mask);
    if (f.bits == 0) return 0;
    const std::uint32_t v = f.bits >= 8 ? std::uint32_t(value) << (f.bits - 8) : value >> (8 - f.bits);
    return (v << f.shift) & mask;
}

}  // namespace

int NearestColorIndex(const RgbQuad* entries, int count, std::uint32_t color) {
    int best = 0;
    int bestDistance = 0x7FFFFFFF;
    const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
    for (int i = 0; i < count; ++i) {
        const int dr = r - entries[i].red, dg = g - entries[i].green, db = b - entries[i].blue;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
            if (d == 0) break;
        }
    }
    return best;
}

std::uint32_t Bitmap::colorAt(int x, int y) const {
    const std::uint8_t* row = scanLine(y);
    auto entry = [&](unsigned i) -> std::uint32_t { return i < colors_.size() ? ToColor(colors_[i]) : 0; };
    switch (format_) {
    case PixelFormat::Bits1: return entry((row[x >> 3] >> (7 - (x & 7))) & 1);
    case PixelFormat::Bits4: return entry((x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4);
    case PixelFormat::Bits8: return entry(row[x]);
    case PixelFormat::Bits15: {
        const std::uint32_t w = row[2 * x] | (row[2 * x + 1] << 8);
        return RGB(Widen((w >> 10) & 31, 5), Widen((w >> 5) & 31, 5), Widen(w & 31, 5));
    }
    case PixelFormat::Bits16: {
        const std::uint32_t w = row[2 * x] | (row[2 * x + 1] << 8);
        return RGB(Widen((w >> 11) & 31, 5), Widen((w >> 5) & 63, 6), Widen(w & 31, 5));
    }
    case PixelFormat::Bits24: return RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case PixelFormat::Bits32: return RGB(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    case PixelFormat::Custom: {
        std::uint32_t w = 0;
        if (custom_.bitCount == 16)
            w = row[2 * x] | (row[2 * x + 1] << 8);
        else if (custom_.bitCount == 32)
            std::memcpy(&w, row + 4 * x, 4);
        else
            return 0;
        if (custom_.compression != Compression::BitFields) {
            if (custom_.bitCount == 16) return RGB(Widen((w >> 10) & 31, 5), Widen((w >> 5) & 31, 5), Widen(w & 31, 5));
            return RGB(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
        }
        return RGB(Extract(w, custom_.redMask), Extract(w, custom_.greenMask), Extract(w, custom_.blueMask));
    }
    case PixelFormat::Device: return 0;
    }
    return 0;
}

std::uint8_t Bitmap::nearestIndex(std::uint32_t color) const {
    const int count = std::min<int>(int(colors_.size()), Traits(format_).paletteSize);
    return count == 0 ? 0 : std::uint8_t(NearestColorIndex(colors_.data(), count, color));
}

void Bitmap::fillRect(int x0, int y0, int x1, int y1, std::uint32_t color) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    if (x0 >= x1 || y0 >= y1) return;
    if (format_ == PixelFormat::Bits24) {
        const std::uint8_t b = BlueOf(color), g = GreenOf(color), r = RedOf(color);
        std::uint8_t* first = scanLine(y0) + 3 * x0;
        for (int x = 0; x < x1 - x0; ++x) {
            first[3 * x] = b;
            first[3 * x + 1] = g;
            first[3 * x + 2] = r;
        }
        for (int y = y0 + 1; y < y1; ++y) std::memcpy(scanLine(y) + 3 * x0, first, std::size_t(x1 - x0) * 3);
        return;
    }
    if (format_ == PixelFormat::Bits8) {
        const std::uint8_t i = nearestIndex(color);
        for (int y = y0; y < y1; ++y) std::memset(scanLine(y) + x0, i, std::size_t(x1 - x0));
        return;
    }
    // Other layouts: convert a patch of the colour.
    Bitmap patch(x1 - x0, y1 - y0, PixelFormat::Bits24);
    patch.fill(color);
    draw(x0, y0, patch);
}

void Bitmap::setPixelFormat(PixelFormat format) {
    if (format == PixelFormat::Custom || format == PixelFormat::Device)
        throw std::invalid_argument("setPixelFormat takes a fixed pixel format");
    if (format == format_ && handleType_ == HandleType::DIB) return;
    handleType_ = HandleType::DIB;
    if (format == format_) return;
    Bitmap old = std::move(*this);
    *this = Bitmap();
    format_ = format;
    colors_ = old.colors_;
    bottomUp_ = old.bottomUp_;
    if (IsPaletted(format) && colors_.empty()) {
        // A new paletted picture gets a grey ramp.
        const int n = Traits(format).paletteSize;
        for (int i = 0; i < n; ++i) {
            const auto v = std::uint8_t(i * 255 / (n - 1));
            colors_.push_back({v, v, v, 0});
        }
    }
    if (!IsPaletted(format)) colors_.clear();
    // A paletted picture holds no more entries than its indexes can reach.
    if (colors_.size() > std::size_t(Traits(format).paletteSize)) colors_.resize(std::size_t(Traits(format).paletteSize));
    width_ = old.width_;
    height_ = old.height_;
    allocate(true);
    draw(0, 0, old);
}

void Bitmap::draw(int x, int y, const Bitmap& src) {
    const int sx0 = std::max(0, -x), sy0 = std::max(0, -y);
    const int sx1 = std::min(src.width_, width_ - x), sy1 = std::min(src.height_, height_ - y);
    if (sx0 >= sx1 || sy0 >= sy1) return;
    const int n = sx1 - sx0;
    const bool sameBytes = src.format_ == format_ && (format_ != PixelFormat::Custom || src.custom_ == custom_) &&
                           storageBits() >= 8 && (!IsPaletted(format_) || src.colors_ == colors_);
    if (sameBytes) {
        const int bpp = storageBits() / 8;
        for (int row = sy0; row < sy1; ++row)
            std::memcpy(scanLine(y + row) + std::size_t(x + sx0) * bpp, src.scanLine(row) + std::size_t(sx0) * bpp,
                        std::size_t(n) * bpp);
        return;
    }
    if (src.format_ == format_ && storageBits() < 8 && src.colors_ == colors_) {
        // 1- and 4-bit pictures with one colour table: copy the indexes, so that
        // entries of equal colour stay apart.
        const int bits = storageBits(), perByte = 8 / bits;
        const std::uint8_t mask = std::uint8_t((1 << bits) - 1);
        for (int row = sy0; row < sy1; ++row) {
            const std::uint8_t* in = src.scanLine(row);
            std::uint8_t* out = scanLine(y + row);
            for (int i = sx0; i < sx1; ++i) {
                const int px = x + i;
                const int inShift = (perByte - 1 - i % perByte) * bits, outShift = (perByte - 1 - px % perByte) * bits;
                const std::uint8_t v = (in[i / perByte] >> inShift) & mask;
                std::uint8_t& b = out[px / perByte];
                b = std::uint8_t((b & ~(mask << outShift)) | (v << outShift));
            }
        }
        return;
    }
    if (format_ == PixelFormat::Bits24) {
        // The common case of Combine: any picture into a 24-bit canvas.
        std::uint32_t lut[256];
        const bool paletted = IsPaletted(src.format_);
        if (paletted)
            for (int i = 0; i < 256; ++i) lut[i] = i < int(src.colors_.size()) ? ToColor(src.colors_[i]) : 0;
        for (int row = sy0; row < sy1; ++row) {
            std::uint8_t* out = scanLine(y + row) + std::size_t(x + sx0) * 3;
            if (src.format_ == PixelFormat::Bits8) {
                const std::uint8_t* in = src.scanLine(row) + sx0;
                for (int i = 0; i < n; ++i) {
                    const std::uint32_t c = lut[in[i]];
                    out[3 * i] = BlueOf(c);
                    out[3 * i + 1] = GreenOf(c);
                    out[3 * i + 2] = RedOf(c);
                }
            } else {
                for (int i = 0; i < n; ++i) {
                    const std::uint32_t c = src.colorAt(sx0 + i, row);
                    out[3 * i] = BlueOf(c);
                    out[3 * i + 1] = GreenOf(c);
                    out[3 * i + 2] = RedOf(c);
                }
            }
        }
        return;
    }
    // General case: colour by colour.
    for (int row = sy0; row < sy1; ++row) {
        std::uint8_t* out = scanLine(y + row);
        for (int i = sx0; i < sx1; ++i) {
            const std::uint32_t c = src.colorAt(i, row);
            const int px = x + i;
            switch (format_) {
            case PixelFormat::Bits1: {
                const std::uint8_t bit = std::uint8_t(0x80 >> (px & 7));
                if (nearestIndex(c)) out[px >> 3] |= bit; else out[px >> 3] &= std::uint8_t(~bit);
                break;
            }
            case PixelFormat::Bits4: {
                const std::uint8_t v = nearestIndex(c) & 0x0F;
                std::uint8_t& b = out[px >> 1];
                b = (px & 1) ? std::uint8_t((b & 0xF0) | v) : std::uint8_t((b & 0x0F) | (v << 4));
                break;
            }
            case PixelFormat::Bits8: out[px] = nearestIndex(c); break;
            case PixelFormat::Bits15: {
                const std::uint32_t w = ((RedOf(c) >> 3) << 10) | ((GreenOf(c) >> 3) << 5) | (BlueOf(c) >> 3);
                out[2 * px] = std::uint8_t(w);
                out[2 * px + 1] = std::uint8_t(w >> 8);
                break;
            }
            case PixelFormat::Bits16: {
                const std::uint32_t w = ((RedOf(c) >> 3) << 11) | ((GreenOf(c) >> 2) << 5) | (BlueOf(c) >> 3);
                out[2 * px] = std::uint8_t(w);
                out[2 * px + 1] = std::uint8_t(w >> 8);
                break;
            }
            case PixelFormat::Bits24:
                out[3 * px] = BlueOf(c);
                out[3 * px + 1] = GreenOf(c);
                out[3 * px + 2] = RedOf(c);
                break;
            case PixelFormat::Bits32:
                out[4 * px] = BlueOf(c);
                out[4 * px + 1] = GreenOf(c);
                out[4 * px + 2] = RedOf(c);
                out[4 * px + 3] = 0;
                break;
            case PixelFormat::Custom: {
                std::uint32_t w;
                if (custom_.compression == Compression::BitFields)
                    w = Pack(RedOf(c), custom_.redMask) | Pack(GreenOf(c), custom_.greenMask) |
                        Pack(BlueOf(c), custom_.blueMask);
                else if (custom_.bitCount == 16)
                    w = ((RedOf(c) >> 3) << 10) | ((GreenOf(c) >> 3) << 5) | (BlueOf(c) >> 3);
                else
                    w = (std::uint32_t(RedOf(c)) << 16) | (GreenOf(c) << 8) | BlueOf(c);
                if (custom_.bitCount == 16) {
                    out[2 * px] = std::uint8_t(w);
                    out[2 * px + 1] = std::uint8_t(w >> 8);
                } else {
                    std::memcpy(out + 4 * px, &w, 4);
                }
                break;
            }
            case PixelFormat::Device: break;
            }
        }
    }
}

}  // namespace vok
