#include "voklist/MoveFrameList.h"

#include <algorithm>

#include "support/ZqSysUtils.h"

namespace vok {

namespace {

char FoldCase(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool IsVokListName(const std::string& name) {
    const std::size_t mark = name.find_last_of("./\\");
    if (mark == std::string::npos || name[mark] != '.' || name.size() - mark != 4) return false;
    return FoldCase(name[mark + 1]) == 'T' && FoldCase(name[mark + 2]) == 'X' && FoldCase(name[mark + 3]) == 'L';
}

std::string FrameFileName(const std::string& listFolder, const std::string& frame) {
    return ToNativePath(IsFullPath(frame) ? frame : listFolder + frame);
}

}  // namespace

bool FileNameLess(const std::string& a, const std::string& b) {
    const auto folded = [](char x, char y) { return FoldCase(x) < FoldCase(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded)) return false;
    return a < b;
}

std::vector<std::string> BuildMoveFrameList(const std::vector<std::string>& chosen, const FrameNameReader& readFrames) {
    std::vector<std::string> sorted = chosen;
    std::sort(sorted.begin(), sorted.end(), FileNameLess);
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
