// The picture's storage: size, rows, row order and colour table.
#include "pictures/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vok {

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) {
    if (format == PixelFormat::Custom || format == PixelFormat::Device)
        throw std::invalid_argument("a new picture needs a fixed pixel format");
    setSize(width, height);
}

int Bitmap::storageBits() const {
    return format_ == PixelFormat::Custom ? custom_.bitCount : Traits(format_).storageBits;
}

std::uint8_t* Bitmap::row0() {
    if (height_ == 0) return nullptr;
    return bottomUp_ ? data_.data() + (std::size_t(height_) - 1) * stride_ : data_.data();
}

const std::uint8_t* Bitmap::row0() const { return const_cast<Bitmap*>(this)->row0(); }

void Bitmap::allocate(bool clear) {
    stride_ = std::size_t(RowBytes(width_, storageBits()));
    if (clear) {
        data_.assign(stride_ * std::size_t(height_), 0);
    } else {
        data_.clear();
        data_.resize(stride_ * std::size_t(height_));
    }
}

void Bitmap::setSizeUnfilled(int width, int height) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative picture size");
    width_ = width;
    height_ = height;
    data_ = UnfilledBytes();
    allocate(false);
}

void Bitmap::clearRowPadding() {
    const std::size_t bits = std::size_t(width_) * std::size_t(storageBits());
    const std::size_t fullBytes = bits / 8, used = (bits + 7) / 8;
    const int restBits = int(bits % 8);
    if (used == stride_ && restBits == 0) return;
    const auto keep = std::uint8_t(0xFF << (8 - restBits));
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = scanLine(y);
        if (restBits) row[fullBytes] &= keep;
        std::memset(row + used, 0, stride_ - used);
    }
}

void Bitmap::setSize(int width, int height) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative picture size");
    if (width == width_ && height == height_ && data_.size() == stride_ * std::size_t(height)) return;
    Bitmap old = std::move(*this);
    *this = Bitmap();
    format_ = old.format_;
    custom_ = old.custom_;
    handleType_ = old.handleType_;
    colors_ = std::move(old.colors_);
    bottomUp_ = old.bottomUp_;
    width_ = width;
    height_ = height;
    allocate(true);
    // Copy the pixels of the overlap only: the row padding of the old picture may hold
    // pixels cut off earlier, which must not come back as new pixels.
    const int rows = std::min(height_, old.height_);
    const std::int64_t overlapBits = std::int64_t(std::min(width_, old.width_)) * storageBits();
    const std::size_t fullBytes = std::size_t(overlapBits / 8);
    const int restBits = int(overlapBits % 8);
    const std::uint8_t restMask = std::uint8_t(0xFF << (8 - restBits));
    // An empty picture has no rows to copy (and no memory to copy from or to).
    for (int y = 0; y < rows && !data_.empty() && !old.data_.empty(); ++y) {
        if (fullBytes) std::memcpy(scanLine(y), old.scanLine(y), fullBytes);
        if (restBits) scanLine(y)[fullBytes] = old.scanLine(y)[fullBytes] & restMask;
    }
}

void Bitmap::setColorTable(std::vector<RgbQuad> colors) {
    if (colors.size() > 256) colors.resize(256);
    colors_ = std::move(colors);
}

void Bitmap::setBottomUp(bool bottomUp) {
    if (bottomUp == bottomUp_) return;
    if (data_.empty()) {
        bottomUp_ = bottomUp;
        return;
    }
    UnfilledBytes flipped(data_.size());
    for (int y = 0; y < height_; ++y)
        std::memcpy(flipped.data() + std::size_t(height_ - 1 - y) * stride_, data_.data() + std::size_t(y) * stride_,
                    stride_);
    data_ = std::move(flipped);
    bottomUp_ = bottomUp;
}

void Bitmap::setCustomLayout(const CustomLayout& layout) {
    if (layout.bitCount != 16 && layout.bitCount != 32) throw std::invalid_argument("custom layouts are 16 or 32 bits");
    const int oldBits = storageBits();
    format_ = PixelFormat::Custom;
    custom_ = layout;
    if (oldBits != layout.bitCount) allocate(true);
}

void Bitmap::copyFrom(const Bitmap& src, int sx, int sy) {
    if (src.format_ != format_ || src.storageBits() != storageBits())
        throw std::invalid_argument("copyFrom needs pictures of one pixel format");
    if (sx < 0 || sy < 0 || sx + width_ > src.width_ || sy + height_ > src.height_)
        throw std::out_of_range("copyFrom reads outside the source picture");
    if (width_ == 0 || height_ == 0) return;
    const int bits = storageBits();
    if (bits >= 8) {
        const std::size_t bpp = std::size_t(bits / 8);
        for (int y = 0; y < height_; ++y)
            std::memcpy(scanLine(y), src.scanLine(sy + y) + std::size_t(sx) * bpp, std::size_t(width_) * bpp);
        return;
    }
    const int perByte = 8 / bits;
    const std::uint8_t mask = std::uint8_t((1 << bits) - 1);
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* in = src.scanLine(sy + y);
        std::uint8_t* out = scanLine(y);
        std::memset(out, 0, stride_);
        for (int x = 0; x < width_; ++x) {
            const int from = sx + x;
            const int v = (in[from / perByte] >> ((perByte - 1 - from % perByte) * bits)) & mask;
            out[x / perByte] |= std::uint8_t(v << ((perByte - 1 - x % perByte) * bits));
        }
    }
}

bool Bitmap::operator==(const Bitmap& other) const {
    if (width_ != other.width_ || height_ != other.height_ || format_ != other.format_ ||
        storageBits() != other.storageBits() || colors_ != other.colors_)
        return false;
    if (format_ == PixelFormat::Custom && !(custom_ == other.custom_)) return false;
    const int bits = storageBits();
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* a = scanLine(y);
        const std::uint8_t* b = other.scanLine(y);
        // Compare whole pixels only; the padding bits of the last byte do not count.
        const std::size_t fullBytes = std::size_t(std::int64_t(width_) * bits / 8);
        if (std::memcmp(a, b, fullBytes) != 0) return false;
        const int restBits = int(std::int64_t(width_) * bits % 8);
        if (restBits) {
            const std::uint8_t mask = std::uint8_t(0xFF << (8 - restBits));
            if ((a[fullBytes] & mask) != (b[fullBytes] & mask)) return false;
        }
    }
    return true;
}

}  // namespace vok
