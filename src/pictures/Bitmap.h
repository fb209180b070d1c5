#pragma once
// A picture held in memory: width, height, pixel format, a colour table of up to
// 256 entries and rows addressed from the top with a fixed signed row step.
// Rows are padded to 4 bytes as in BMP files; bottom-up storage has a negative step.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pictures/Color.h"
#include "pictures/PixelFormat.h"
#include "support/UnfilledBytes.h"

namespace vok {

enum class HandleType { DIB, DDB };

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, PixelFormat format);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    // Device while the picture is device-dependent.
    PixelFormat pixelFormat() const { return handleType_ == HandleType::DDB ? PixelFormat::Device : format_; }
    // The stored format, whatever the handle type.
    PixelFormat storedFormat() const { return format_; }
    // Converts the pixels to the new format (through the colour table for paletted
    // targets, nearest entry; a direct-colour picture gets a grey ramp, a longer table
    // is cut to the entries the new format can index). Setting Custom needs
    // setCustomLayout instead.
    void setPixelFormat(PixelFormat format);
    // Makes the picture Custom with this layout; the bit count must be 16 or 32.
    // The pixels are kept as stored.
    void setCustomLayout(const CustomLayout& layout);
    const CustomLayout& customLayout() const { return custom_; }
    // Bits a pixel takes in a row: 1, 4, 8, 16, 24 or 32.
    int storageBits() const;

    HandleType handleType() const { return handleType_; }
    // Converting to DIB keeps the pixels; DDB hides them behind the Device format.
    void setHandleType(HandleType type) { handleType_ = type; }

    // Keeps the overlapping top-left part; new pixels are 0.
    void setSize(int width, int height);
    // A new size whose rows hold whatever the memory held, for a reader or a command that
    // writes every pixel next (then clearRowPadding, unless the padding is written too).
    void setSizeUnfilled(int width, int height);
    // Sets the bytes after the last pixel of every row to 0, as a new picture has them.
    void clearRowPadding();

    // Up to 256 entries; a paletted picture indexes into it.
    std::vector<RgbQuad>& colorTable() { return colors_; }
    const std::vector<RgbQuad>& colorTable() const { return colors_; }
    void setColorTable(std::vector<RgbQuad> colors);

    // Row y, 0 being the top row.
    std::uint8_t* scanLine(int y) { return row0() + std::ptrdiff_t(y) * rowStep(); }
    const std::uint8_t* scanLine(int y) const { return row0() + std::ptrdiff_t(y) * rowStep(); }
    std::uint8_t* row0();
    const std::uint8_t* row0() const;
    // Address of row 1 minus address of row 0.
    std::ptrdiff_t rowStep() const { return bottomUp_ ? -std::ptrdiff_t(stride_) : std::ptrdiff_t(stride_); }
    std::size_t stride() const { return stride_; }
    bool bottomUp() const { return bottomUp_; }
    // Reorders the rows in memory; the picture stays the same.
    void setBottomUp(bool bottomUp);

    // The whole pixel memory, rows in storage order.
    std::uint8_t* bits() { return data_.data(); }
    const std::uint8_t* bits() const { return data_.data(); }
    std::size_t byteSize() const { return data_.size(); }

    // Colour of pixel (x, y) as 0x00BBGGRR, whatever the layout (slow path, no cache).
    std::uint32_t colorAt(int x, int y) const;

    // Fills the rectangle [x0, x1) x [y0, y1), clipped, with a colour (nearest entry when paletted).
    void fillRect(int x0, int y0, int x1, int y1, std::uint32_t color);
    void fill(std::uint32_t color) { fillRect(0, 0, width_, height_, color); }

    // Draws src opaque and unscaled with its top-left corner at (x, y), clipped,
    // in its own colours (a paletted picture through its colour table). Same-format
    // paletted pictures with equal colour tables copy indexes; otherwise colours
    // convert to this format (nearest entry when paletted).
    void draw(int x, int y, const Bitmap& src);
    // Copies the rectangle of src at (sx, sy) of this picture's size into this
    // picture, pixel for pixel (stored values); both must have the same format.
    void copyFrom(const Bitmap& src, int sx, int sy);

    bool operator==(const Bitmap& other) const;  // same size, format, colours and pixels

private:
    void allocate(bool clear);
    std::uint8_t nearestIndex(std::uint32_t color) const;

    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::Bits24;
    CustomLayout custom_;
    HandleType handleType_ = HandleType::DIB;
    std::vector<RgbQuad> colors_;
    UnfilledBytes data_;
    std::size_t stride_ = 0;
    bool bottomUp_ = true;
};

// Smallest squared RGB distance, lowest index on a tie.
int NearestColorIndex(const RgbQuad* entries, int count, std::uint32_t color);

}  // namespace vok
