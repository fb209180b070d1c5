#include "pictures/QPix.h"

#include <algorithm>
#include <cstring>

#include "support/Check.h"

namespace vok {

namespace {

constexpr std::uint32_t Widen5(std::uint32_t v) { return (v << 3) | (v >> 2); }
constexpr std::uint32_t Widen6(std::uint32_t v) { return (v << 2) | (v >> 4); }

inline std::uint32_t Word16(const std::uint8_t* p) { return p[0] | (std::uint32_t(p[1]) << 8); }
inline void PutWord16(std::uint8_t* p, std::uint32_t w) {
    p[0] = std::uint8_t(w);
    p[1] = std::uint8_t(w >> 8);
}

// The per-layout pixel routines.
struct Bits1 { static constexpr int bits = 1; };
struct Bits4 { static constexpr int bits = 4; };
struct Bits8 { static constexpr int bits = 8; };
struct Bits15 { static constexpr int bits = 15; };
struct Bits16 { static constexpr int bits = 16; };
struct Bits24 { static constexpr int bits = 24; };
struct Bits32 { static constexpr int bits = 32; };

}  // namespace

template <class Layout>
struct QPixRoutines {
    static std::uint8_t* At(const TQuickPixels& q, int y) { return q.row0_ + std::ptrdiff_t(y) * q.rowStep_; }

    static std::uint32_t GetPixel(const TQuickPixels& q, int x, int y) {
        const std::uint8_t* row = At(q, y);
        if constexpr (Layout::bits == 1) return (row[x >> 3] >> (7 - (x & 7))) & 1u;
        else if constexpr (Layout::bits == 4) return (x & 1) ? row[x >> 1] & 0x0Fu : row[x >> 1] >> 4;
        else if constexpr (Layout::bits == 8) return row[x];
        else if constexpr (Layout::bits == 15 || Layout::bits == 16) return Word16(row + 2 * x);
        else if constexpr (Layout::bits == 24)
            return row[3 * x] | (std::uint32_t(row[3 * x + 1]) << 8) | (std::uint32_t(row[3 * x + 2]) << 16);
        else {
            std::uint32_t v;
            std::memcpy(&v, row + 4 * x, 4);
            return v;
        }
    }

    static void SetPixel(TQuickPixels& q, int x, int y, std::uint32_t v) {
        std::uint8_t* row = At(q, y);
        if constexpr (Layout::bits == 1) {
            const std::uint8_t bit = std::uint8_t(0x80 >> (x & 7));
            if (v) row[x >> 3] |= bit;
            else row[x >> 3] &= std::uint8_t(~bit);
        } else if constexpr (Layout::bits == 4) {
            std::uint8_t& b = row[x >> 1];
            b = (x & 1) ? std::uint8_t((b & 0xF0) | v) : std::uint8_t((b & 0x0F) | (v << 4));
        } else if constexpr (Layout::bits == 8) {
            row[x] = std::uint8_t(v);
        } else if constexpr (Layout::bits == 15 || Layout::bits == 16) {
            PutWord16(row + 2 * x, v);
        } else if constexpr (Layout::bits == 24) {
            row[3 * x] = std::uint8_t(v);
            row[3 * x + 1] = std::uint8_t(v >> 8);
            row[3 * x + 2] = std::uint8_t(v >> 16);
        } else {
            std::memcpy(row + 4 * x, &v, 4);
        }
    }

    static std::uint32_t GetColor(const TQuickPixels& q, int x, int y) {
        if constexpr (Layout::bits <= 8) {
            return q.Entry(GetPixel(q, x, y));
        } else if constexpr (Layout::bits == 15) {
            const std::uint32_t w = GetPixel(q, x, y);
            return Widen5((w >> 10) & 31) | (Widen5((w >> 5) & 31) << 8) | (Widen5(w & 31) << 16);
        } else if constexpr (Layout::bits == 16) {
            const std::uint32_t w = GetPixel(q, x, y);
            return Widen5((w >> 11) & 31) | (Widen6((w >> 5) & 63) << 8) | (Widen5(w & 31) << 16);
        } else {
            const std::uint8_t* p = At(q, y) + x * (Layout::bits / 8);
            return p[2] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[0]) << 16);
        }
    }

    static void SetColor(TQuickPixels& q, int x, int y, std::uint32_t c) {
        const std::uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
        if constexpr (Layout::bits <= 8) {
            SetPixel(q, x, y, q.NearestIndex(c));
        } else if constexpr (Layout::bits == 15) {
            SetPixel(q, x, y, ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
        } else if constexpr (Layout::bits == 16) {
            SetPixel(q, x, y, ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
        } else {
            std::uint8_t* p = At(q, y) + x * (Layout::bits / 8);
            p[0] = std::uint8_t(b);
            p[1] = std::uint8_t(g);
            p[2] = std::uint8_t(r);
            if constexpr (Layout::bits == 32) p[3] = 0;
        }
    }
};

template <class Layout>
void TQuickPixels::Choose() {
    bitsPerPixel_ = Layout::bits;
    getColor_ = &QPixRoutines<Layout>::GetColor;
    setColor_ = &QPixRoutines<Layout>::SetColor;
    getPixel_ = &QPixRoutines<Layout>::GetPixel;
    setPixel_ = &QPixRoutines<Layout>::SetPixel;
}

TQuickPixels::TQuickPixels(Bitmap* bitmap, bool makeDIB) {
    if (bitmap) Attach(*bitmap, makeDIB);
}

void TQuickPixels::Attach(Bitmap& bitmap, bool makeDIB) {
    if (makeDIB) bitmap.setHandleType(HandleType::DIB);
    else ZQ_ASSERT_AT(bitmap.handleType() == HandleType::DIB, "The HandleType must be bmDIB", "QPix.cpp", 139);

    bitsPerPixel_ = 0;
    bitmap_ = &bitmap;
    width_ = bitmap.width();
    height_ = bitmap.height();
    pixelFormat_ = bitmap.pixelFormat();

    switch (pixelFormat_) {
    case PixelFormat::Bits1: Choose<Bits1>(); break;
    case PixelFormat::Bits4: Choose<Bits4>(); break;
    case PixelFormat::Bits8: Choose<Bits8>(); break;
    case PixelFormat::Bits15: Choose<Bits15>(); break;
    case PixelFormat::Bits16: Choose<Bits16>(); break;
    case PixelFormat::Bits24: Choose<Bits24>(); break;
    case PixelFormat::Bits32: Choose<Bits32>(); break;
    case PixelFormat::Device: break;
    case PixelFormat::Custom: {
        const CustomLayout& l = bitmap.customLayout();
        if (l.bitCount == 16 && l.compression == Compression::Rgb) Choose<Bits15>();
        else if (l.bitCount == 16 && l.compression == Compression::BitFields) {
            if (l.greenMask == 0x07E0) Choose<Bits16>();
            else if (l.greenMask == 0x03E0) Choose<Bits15>();
        } else if (l.bitCount == 32 && l.compression == Compression::Rgb) Choose<Bits32>();
        else if (l.bitCount == 32 && l.compression == Compression::BitFields && l.redMask == 0x00FF0000)
            Choose<Bits32>();
        break;
    }
    }
    ZQ_ASSERT_AT(bitsPerPixel_ != 0, "Bitmap format is not supported", "QPix.cpp", 182);

    if (bitsPerPixel_ <= 8) {
        const auto& table = bitmap.colorTable();
        // The lookup only offers entries the picture has: an index past its colour
        // table would name no colour at all. An empty table leaves index 0.
        paletteCount_ = std::max(1, std::min(1 << bitsPerPixel_, int(table.size())));
        for (int i = 0; i < 256; ++i) {
            // Entries past the picture's table read as black.
            palette_[i] = i < paletteCount_ && i < int(table.size()) ? RgbQuad{table[i].blue, table[i].green, table[i].red, 0}
                                                                     : RgbQuad{};
            paletteColors_[i] = ToColor(palette_[i]);
        }
        lastColor_ = 0x07FFFFFF;
        lookups_ = 0;
    }
    row0_ = height_ >= 1 ? bitmap.row0() : nullptr;
    rowStep_ = height_ >= 2 ? bitmap.rowStep() : 0;
}

std::uint8_t TQuickPixels::NearestIndex(std::uint32_t color) {
    if (color != lastColor_) {
        // A colour value with a top byte matches nothing exactly; the lookup uses its RGB bytes.
        lastIndex_ = NearestColorIndex(palette_.data(), paletteCount_, color);
        lastColor_ = color;
        ++lookups_;
    }
    return std::uint8_t(lastIndex_);
}

}  // namespace vok
