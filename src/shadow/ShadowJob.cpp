#include "shadow/ShadowJob.h"

#include <filesystem>

#include "pcx/PictureFiles.h"
#include "support/Check.h"
#include "support/WorkPool.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

constexpr int kCreatureWidth = 450;
constexpr int kCreatureHeight = 400;
constexpr std::int32_t kCreatureBaseLine = 260;
constexpr std::int32_t kFallbackBaseLine = 64;

bool IsPicture8(const Bitmap& b) { return b.pixelFormat() == PixelFormat::Bits8; }

}  // namespace

std::string ResolveFrameName(const std::string& name, const std::string& folder) {
    return ToNativePath(name, folder);
}

std::string ListFolder(const std::string& listFileName) {
    std::error_code ec;
    std::string folder = std::filesystem::absolute(std::filesystem::path(listFileName), ec).parent_path().string();
    if (ec) folder = ExtractFilePath(listFileName);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

void TShadowJob::Open(const std::string& listFileName) {
    listFileName_.clear();
    list_ = TShadowList();
    paths_.clear();
    pictures_.SetFileNames(paths_);
    baseLine_ = kUnset;
    TShadowList list = ReadShadowList(listFileName);

    const std::string folder = ListFolder(listFileName);
    listFileName_ = listFileName;
    list_ = std::move(list);
    for (const std::string& name : list_.Names) paths_.push_back(ResolveFrameName(name, folder));
    pictures_.SetFileNames(paths_);
    baseLine_ = list_.BaseLine;

    // A list without header is a creature list only when its first frame has the creature size.
    if (!list_.HasHeader && RowCount() > 0) {
        try {
            const Bitmap& first = pictures_.GetPicture(0);
            if (first.width() != kCreatureWidth || first.height() != kCreatureHeight) list_.SelectionFirst = kUnset;
        } catch (const std::exception&) {
        }
    }

    if (!list_.HasBaseLine) {
        if (list_.HasSelection()) {
            baseLine_ = kCreatureBaseLine;
        } else {
            baseLine_ = kFallbackBaseLine;
            try {
                if (RowCount() > 0) baseLine_ = FindBaseLine(pictures_.GetPicture(0));
            } catch (const std::exception&) {
            }
        }
    }
}

bool TShadowJob::FrameExists(int row) const {
    const std::string& path = FramePath(row);
    return !path.empty() && FileExists(path);
}

Bitmap& TShadowJob::Picture(int row) {
    Bitmap& picture = pictures_.GetPicture(row);
    if (picture.width() == 0 && picture.height() == 0)
        picture = LoadPicture(FramePath(pictures_.FirstIndex(row)));
    return picture;
}

bool TShadowJob::Preview(int row, Bitmap& work) {
    if (!FrameExists(row)) return false;
    work = Picture(row);
    ZQ_ASSERT_AT(IsPicture8(work), "Picture must have 256 colors", "Unit3.cpp", 532);
    GenerateShadow(work, baseLine_, Kind(), SelectionAt(row));
    return true;
}

void TShadowJob::Save(IProgress* progress) {
    std::vector<int> rows;
    for (int row = 0; row < RowCount(); ++row)
        if (!FramePath(row).empty() && pictures_.FirstIndex(row) == row) rows.push_back(row);
    ParallelFor(
        rows.size(),
        [&](const WorkItem& item) {
            const int row = rows[item.index()];
            if (!FrameExists(row)) return;
            Bitmap& picture = Picture(row);
            if (!IsPicture8(picture)) return;
            GenerateShadow(picture, baseLine_, Kind(), SelectionAt(row));
            if (item.readyToWrite()) SavePicture(picture, FramePath(row));
        },
        progress);
    if (list_.BaseLineText == "Auto") {
        list_.BaseLineText = "Auto " + std::to_string(baseLine_);
        const std::string text = list_.HeaderText + list_.BaseLineText + list_.RestText;
        WriteFileSafely(listFileName_, text.data(), text.size());
    }
}

}  // namespace vok
