#include "voklist/VokListFolder.h"

#include <filesystem>
#include <system_error>

#include "support/FileNameOrder.h"
#include "support/ZqSysUtils.h"
#include "voklist/VokListLines.h"

namespace vok {

namespace fs = std::filesystem;

std::vector<FolderEntry> ListFolderEntries(const std::string& folder) {
    std::vector<std::string> folders, files;
    std::error_code ec;
    fs::directory_iterator it(ToNativePath(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        // A link is shown as what it points to; a broken one as a file.
        (it->is_directory(typeError) ? folders : files).push_back(it->path().filename().string());
    }
    if (ec) return {};
    SortFileNames(folders);
    SortFileNames(files);
    std::vector<FolderEntry> entries;
    entries.reserve(folders.size() + files.size());
    for (auto& name : folders) entries.push_back({std::move(name), true});
    for (auto& name : files) entries.push_back({std::move(name), false});
    return entries;
}

std::string RootFolderOfList(const std::string& listFileName, const std::vector<std::string>& lines) {
    const std::string listFolder = ExtractFilePath(listFileName);
    std::vector<std::string_view> views(lines.begin(), lines.end());
    const std::size_t first = StartsWithHeader(views) ? kHeaderLines : 0;
    if (lines.size() <= first) return ToNativePath(listFolder);
    const std::string folder = ExtractFilePath(lines[first]);
    return ToNativePath(IsFullPath(folder) ? folder : listFolder + folder);
}

bool IsDirectlyIn(const std::string& rootFolder, const std::string& fileName) {
    std::error_code ec;
    const fs::path file = ToNativePath(fileName);
    if (!fs::is_regular_file(file, ec)) return false;
    return fs::equivalent(file.parent_path(), fs::path(ToNativePath(rootFolder.empty() ? "." : rootFolder)), ec);
}

std::string FramePath(const std::string& rootFolder, const std::string& name) {
    return ToNativePath(IsFullPath(name) ? name : rootFolder + name);
}

}  // namespace vok
