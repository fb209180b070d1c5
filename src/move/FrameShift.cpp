#include "move/FrameShift.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "pcx/PictureFiles.h"
#include "pictures/QPix.h"

namespace vok {

namespace {

int Clamp(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// Every pixel of the picture takes the stored value of its top-left pixel.
void FillWithTopLeft(Bitmap& picture) {
    const int bits = picture.storageBits();
    if (bits >= 8) {
        const std::size_t bpp = std::size_t(bits / 8);
        std::uint8_t* first = picture.scanLine(0);
        for (int x = 1; x < picture.width(); ++x) std::memcpy(first + std::size_t(x) * bpp, first, bpp);
        for (int y = 1; y < picture.height(); ++y)
            std::memcpy(picture.scanLine(y), first, std::size_t(picture.width()) * bpp);
        return;
    }
    TQuickPixels pixels(&picture);
    const std::uint32_t value = pixels.GetPixel(0, 0);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) pixels.SetPixel(x, y, value);
}

}  // namespace

FrameOffset AddOffset(FrameOffset offset, int dx, int dy) {
    return FrameOffset{Clamp((long long)offset.x + dx), Clamp((long long)offset.y + dy)};
}

Bitmap ShiftedFrame(const Bitmap& frame, FrameOffset offset) {
    Bitmap shifted = frame;
    if (frame.empty()) return shifted;
    FillWithTopLeft(shifted);
    const long long w = frame.width(), h = frame.height();
    // The part of the picture the shifted frame covers, in picture coordinates.
    const long long x0 = std::max(0LL, (long long)offset.x), x1 = std::min(w, w + offset.x);
    const long long y0 = std::max(0LL, (long long)offset.y), y1 = std::min(h, h + offset.y);
    if (x0 >= x1 || y0 >= y1) return shifted;
    const int bits = frame.storageBits();
    if (bits >= 8) {
        const std::size_t bpp = std::size_t(bits / 8);
        for (long long y = y0; y < y1; ++y)
            std::memcpy(shifted.scanLine(int(y)) + std::size_t(x0) * bpp,
                        frame.scanLine(int(y - offset.y)) + std::size_t(x0 - offset.x) * bpp, std::size_t(x1 - x0) * bpp);
        return shifted;
    }
    Bitmap source = frame;
    TQuickPixels from(&source);
    TQuickPixels to(&shifted);
    for (long long y = y0; y < y1; ++y)
        for (long long x = x0; x < x1; ++x)
            to.SetPixel(int(x), int(y), from.GetPixel(int(x - offset.x), int(y - offset.y)));
    return shifted;
}

TFrameShifter::TFrameShifter() : TFrameShifter(LoadPicture, SavePicture) {}

TFrameShifter::TFrameShifter(TPicBuffer::Loader loader, Saver saver)
    : Pictures(std::move(loader)), Store(std::move(saver)) {}

void TFrameShifter::SetFileNames(const std::vector<std::string>& names) {
    Pictures.SetFileNames(names);
    FrameOffsets.assign(names.size(), FrameOffset{});
    Failed.assign(names.size(), false);
}

const Bitmap& TFrameShifter::Picture(int i) {
    try {
        return Pictures.GetPicture(i);
    } catch (...) {
        Failed[std::size_t(FirstIndex(i))] = true;
        throw;
    }
}

void TFrameShifter::ShiftOne(int i, int dx, int dy) {
    FrameOffset& offset = FrameOffsets[std::size_t(FirstIndex(i))];
    offset = AddOffset(offset, dx, dy);
}

void TFrameShifter::ShiftAll(int dx, int dy) {
    for (int i = 0; i < Count(); ++i)
        if (FirstIndex(i) == i) ShiftOne(i, dx, dy);
}

void TFrameShifter::SetOffsets(std::vector<FrameOffset> offsets) {
    if (offsets.size() == FrameOffsets.size()) FrameOffsets = std::move(offsets);
}

void TFrameShifter::LoadAll() {
    for (int i = 0; i < Count(); ++i)
        if (FirstIndex(i) == i && !Failed[std::size_t(i)]) Picture(i);
}

std::vector<std::string> TFrameShifter::Save(IProgress* progress) {
    std::vector<std::string> skipped;
    for (int i = 0; i < Count(); ++i) {
        if (FirstIndex(i) != i) continue;
        CheckProgress(progress, i, Count());
        const Bitmap* picture = nullptr;
        if (!Failed[std::size_t(i)]) {
            try {
                picture = &Picture(i);
            } catch (...) {
            }
        }
        if (!picture) {
            skipped.push_back(Name(i));
            continue;
        }
        Store(ShiftedFrame(*picture, FrameOffsets[std::size_t(i)]), Name(i));
    }
    FinishProgress(progress, Count());
    return skipped;
}

}  // namespace vok
