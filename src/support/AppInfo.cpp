#include "support/AppInfo.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "support/Errors.h"
#include "support/ZqSysUtils.h"

namespace vok {
namespace {

std::string& ProgramFileValue() {
    static std::string file = [] {
        std::error_code error;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? (std::filesystem::current_path(error) / "voktool").string() : exe.string();
    }();
    return file;
}

std::string ProgramFolder() {
    std::string text = std::filesystem::path(ProgramFileValue()).parent_path().string();
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

const std::string& ProgramFileName() { return ProgramFileValue(); }

void SetProgramFileName(const std::string& fileName) {
    ProgramFileValue() = fileName;
    SetAppPath(ProgramFolder());
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

std::string UserConfigFolder() {
    std::string folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        folder = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        folder = std::string(home) + "/.config";
    else
        return {};
    return IncludeTrailingPathDelimiter(folder) + "voktool/";
}

std::string LocateDataFile(const std::string& name) {
    std::error_code error;
    const std::string workingFolder = std::filesystem::current_path(error).string() + "/";
    const std::string places[] = {workingFolder + name, AppPath() + name, InstalledDataFolder() + name};
    for (const std::string& place : places)
        if (FileExists(place)) return place;
    return {};
}

std::string FindDataFile(const std::string& name) {
    if (std::string place = LocateDataFile(name); !place.empty()) return place;
    const auto shown = [](std::string folder) {
        if (folder.size() > 1) folder.pop_back();
        return folder;
    };
    throw Exception("Cannot find \"" + name + "\" in the working folder, beside the program (" + shown(AppPath()) +
                    ") or in " + shown(InstalledDataFolder()));
}

}  // namespace vok
