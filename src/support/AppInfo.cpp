#include "support/AppInfo.h"

#include <filesystem>
#include <system_error>

#include "support/Errors.h"
#include "support/ZqSysUtils.h"

namespace vok {
namespace {

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    std::filesystem::path folder = error ? std::filesystem::current_path(error) : exe.parent_path();
    std::string text = folder.string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

std::string& AppPathValue() {
    static std::string path = ProgramFolder();
    return path;
}

}  // namespace

const std::string& AppPath() { return AppPathValue(); }

void SetAppPath(const std::string& folder) {
    std::string text = folder;
    if (text.empty() || (text.back() != '/' && text.back() != '\\')) text += '/';
    AppPathValue() = text;
}

std::string InstalledDataFolder() {
    std::error_code error;
    const std::filesystem::path besideBin = std::filesystem::path(AppPath()) / ".." / "share" / "voktool";
    if (std::filesystem::is_directory(besideBin, error))
        return std::filesystem::weakly_canonical(besideBin, error).string() + "/";
#ifdef VOK_DATA_DIR
    return std::string(VOK_DATA_DIR) + "/";
#else
    return besideBin.lexically_normal().string() + "/";
#endif
}

std::string FindDataFile(const std::string& name) {
    const std::string places[] = {name, AppPath() + name, InstalledDataFolder() + name};
    for (const std::string& place : places)
        if (FileExists(place)) return place;
    const auto shown = [](std::string folder) {
        if (folder.size() > 1) folder.pop_back();
        return folder;
    };
    throw Exception("Cannot find \"" + name + "\" in the working folder, beside the program (" + shown(AppPath()) +
                    ") or in " + shown(InstalledDataFolder()));
}

}  // namespace vok
