#pragma once
// Shifting frame pictures by whole pixels inside their own size.
#include <functional>
#include <string>
#include <vector>

#include "pictures/Bitmap.h"
#include "pictures/PicBuffer.h"
#include "support/Progress.h"

namespace vok {

struct FrameOffset {
    int x = 0;
    int y = 0;
    bool operator==(const FrameOffset&) const = default;
};

// The offset moved by (dx, dy), held inside the 32-bit range.
FrameOffset AddOffset(FrameOffset offset, int dx, int dy);

// A copy of the frame (same size, format and colour table) filled with the stored
// value of its top-left pixel, with the frame drawn at the offset; what falls
// outside is cut off. Paletted frames keep their indexes.
Bitmap ShiftedFrame(const Bitmap& frame, FrameOffset offset);

// The frames of one list and their offsets. Positions naming one file share a
// picture and an offset; saving writes each file once, under its first name.
class TFrameShifter {
public:
    using Saver = std::function<void(const Bitmap&, const std::string&)>;

    // Loads and saves through LoadPicture and SavePicture.
    TFrameShifter();
    TFrameShifter(TPicBuffer::Loader loader, Saver saver);

    // Starts a new list: every offset (0, 0), nothing loaded.
    void SetFileNames(const std::vector<std::string>& names);
    int Count() const { return Pictures.Count(); }
    int FirstIndex(int i) const { return Pictures.FirstIndex(i); }
    const std::string& Name(int i) const { return Pictures.Name(i); }
    // The picture of position i, loaded on first use; raises the loader's error
    // once, then gives an empty picture.
    const Bitmap& Picture(int i);
    FrameOffset Offset(int i) const { return FrameOffsets[std::size_t(FirstIndex(i))]; }

    // Moves the file of position i.
    void ShiftOne(int i, int dx, int dy);
    // Moves every file once.
    void ShiftAll(int dx, int dy);
    // Every position's offset, for undo; SetOffsets takes a list of the same length.
    const std::vector<FrameOffset>& Offsets() const { return FrameOffsets; }
    void SetOffsets(std::vector<FrameOffset> offsets);

    // Loads every picture not loaded yet; raises the first loading error.
    void LoadAll();
    // Writes each file once, in list order, shifted by its offset. A file whose
    // picture could not be loaded is not written; its name is returned. A failed
    // save raises its error and the files after it are not written.
    // The progress, when given, may stop it before the next file (ECancelled).
    std::vector<std::string> Save(IProgress* progress = nullptr);

private:
    TPicBuffer Pictures;
    Saver Store;
    std::vector<FrameOffset> FrameOffsets;
    std::vector<bool> Failed;
};

}  // namespace vok
