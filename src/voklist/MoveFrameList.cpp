#include "voklist/MoveFrameList.h"

#include <algorithm>
#include <string_view>

#include "support/FileNameOrder.h"
#include "support/ZqSysUtils.h"
#include "voklist/VokList.h"

namespace vok {

namespace {

std::string FrameFileName(const std::string& listFolder, const std::string& frame) {
    return ToNativePath(IsFullPath(frame) ? frame : listFolder + frame);
}

}  // namespace

std::vector<std::string> BuildMoveFrameList(const std::vector<std::string>& chosen, const FrameNameReader& readFrames) {
    std::vector<std::string> sorted = chosen;
    SortFileNames(sorted);
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());

    std::vector<std::string> result;
    for (const auto& name : sorted) {
        if (!IsVokListName(name)) {
            result.push_back(name);
            continue;
        }
        std::vector<std::string> frames;
        readFrames(name, frames);
        const std::string folder = ExtractFilePath(name);
        for (auto& frame : frames) result.push_back(FrameFileName(folder, frame));
    }
    return result;
}

}  // namespace vok
