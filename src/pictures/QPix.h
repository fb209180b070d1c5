#pragma once
// TQuickPixels reads and writes single pixels of a device-independent picture.
// Binding looks at the layout once and picks four routines; each access is then
// one indirect call on Row0 + y * RowStep. Nothing is bounds-checked: x must lie in
// 0..Width-1 and y in 0..Height-1, and the picture must not change format or size
// while bound.
#include <array>
#include <cstddef>
#include <cstdint>

#include "pictures/Bitmap.h"

namespace vok {

class TQuickPixels {
public:
    TQuickPixels() = default;
    explicit TQuickPixels(Bitmap* bitmap, bool makeDIB = false);
    TQuickPixels(const TQuickPixels&) = delete;
    TQuickPixels& operator=(const TQuickPixels&) = delete;

    // Binds the accessor; raises EAssertionFailed for a device-dependent picture
    // (unless makeDIB converts it) or an unsupported layout.
    void Attach(Bitmap& bitmap, bool makeDIB);

    // Colour view: 0x00BBGGRR.
    std::uint32_t GetColor(int x, int y) { return getColor_(*this, x, y); }
    void SetColor(int x, int y, std::uint32_t color) { setColor_(*this, x, y, color); }
    // Stored-value view: palette index, packed word, or packed RGB number.
    std::uint32_t GetPixel(int x, int y) const { return getPixel_(*this, x, y); }
    void SetPixel(int x, int y, std::uint32_t value) { setPixel_(*this, x, y, value); }

    Bitmap* bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    std::uint8_t* Row0() const { return row0_; }
    std::ptrdiff_t RowStep() const { return rowStep_; }
    PixelFormat Format() const { return pixelFormat_; }
    // How many nearest-colour lookups SetColor has made since binding.
    int LookupCount() const { return lookups_; }

    std::uint8_t* Address(int y) const { return row0_ + std::ptrdiff_t(y) * rowStep_; }

private:
    using GetFn = std::uint32_t (*)(const TQuickPixels&, int, int);
    using SetFn = void (*)(TQuickPixels&, int, int, std::uint32_t);

    template <class Layout>
    void Choose();
    std::uint8_t NearestIndex(std::uint32_t color);
    std::uint32_t Entry(unsigned index) const { return paletteColors_[index]; }

    template <class Layout>
    friend struct QPixRoutines;

    Bitmap* bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    std::uint8_t* row0_ = nullptr;
    std::ptrdiff_t rowStep_ = 0;
    PixelFormat pixelFormat_ = PixelFormat::Device;
    int paletteCount_ = 0;
    std::array<RgbQuad, 256> palette_{};
    std::array<std::uint32_t, 256> paletteColors_{};
    int lastIndex_ = 0;
    std::uint32_t lastColor_ = 0x07FFFFFF;
    int lookups_ = 0;
    GetFn getColor_ = nullptr;
    SetFn setColor_ = nullptr;
    GetFn getPixel_ = nullptr;
    SetFn setPixel_ = nullptr;
};

}  // namespace vok
