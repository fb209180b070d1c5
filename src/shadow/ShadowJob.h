#pragma once
// Generating the shadows of all frames of one VokList: the list, its frame
// pictures, the base line, the preview of one frame and saving them all.
// The generator window and vokcli both work through it.
#include <cstdint>
#include <string>
#include <vector>

#include "pictures/Bitmap.h"
#include "pcx/PictureFiles.h"
#include "pictures/PicBuffer.h"
#include "shadow/ShadowGenerator.h"
#include "shadow/ShadowList.h"
#include "support/Progress.h"

namespace vok {

class TShadowJob {
public:
    // Reads the list, hands its frames to the picture buffer and settles the
    // selection range and the starting base line. A failure leaves the job empty.
    void Open(const std::string& listFileName);

    const TShadowList& List() const { return list_; }
    int RowCount() const { return int(list_.Names.size()); }
    const std::string& ListFileName() const { return listFileName_; }

    std::int32_t BaseLine() const { return baseLine_; }
    void SetBaseLine(std::int32_t baseLine) { baseLine_ = baseLine; }

    // Creature when the list has a selection range, slanted otherwise.
    ShadowKind Kind() const { return list_.HasSelection() ? ShadowKind::Creature : ShadowKind::Slanted; }
    bool SelectionAt(int row) const { return list_.SelectionAt(row); }

    // Relative names resolve against the list file's folder; empty for separators.
    const std::string& FramePath(int row) const { return paths_[std::size_t(row)]; }
    bool FrameExists(int row) const;

    // Copies the frame of the row into work and generates its shadow there; the
    // buffered picture stays as it is. False (work untouched) when the row names
    // no existing file. Raises the loader's error, "Picture must have 256 colors
    // (Unit3.cpp, line 532)" or the generator's assertion.
    bool Preview(int row, Bitmap& work);

    // Generates and saves every distinct 8-bit frame once, in list order (other
    // depths are skipped), then writes the base line into line 14 when it read
    // "Auto". The first failure ends it: earlier frames stay saved, the list is
    // not rewritten.
    // The progress, when given, may stop it before the next frame (ECancelled).
    void Save(IProgress* progress = nullptr);

private:
    // The buffered picture; after a failed load the file is tried again so that
    // the caller sees the loader's error rather than an empty picture.
    Bitmap& Picture(int row);

    std::string listFileName_;
    TShadowList list_;
    std::vector<std::string> paths_;
    TPicBuffer pictures_{LoadPicture};
    std::int32_t baseLine_ = kUnset;
};

// The path a frame name denotes: '\\' separates folders too; a name that is not
// a full path lies in the folder (which ends with a delimiter or is empty); "."
// and ".." parts of an absolute result are resolved by their letters.
std::string ResolveFrameName(const std::string& name, const std::string& folder);
// The folder a list's relative frame names lie in, ending with a delimiter.
std::string ListFolder(const std::string& listFileName);

}  // namespace vok
