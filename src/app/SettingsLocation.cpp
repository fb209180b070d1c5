#include "app/SettingsLocation.h"

#include <fcntl.h>
#include <unistd.h>

#include <vector>

#include "support/AppInfo.h"
#include "support/ZqSysUtils.h"

namespace vok {

std::string SettingsFileBeside(const std::string& programFile) {
    const std::string name = ExtractFileName(programFile);
    const std::string ext = ExtractFileExt(name);
    return ExtractFilePath(programFile) + name.substr(0, name.size() - ext.size()) + ".ini";
}

std::string SettingsFileInConfigFolder(const std::string& programFile) {
    const std::string folder = UserConfigFolder();
    return folder.empty() ? folder : folder + ExtractFileName(SettingsFileBeside(programFile));
}

SettingsFiles ChooseSettingsFiles(const std::string& programFile, bool programFolderWritable) {
    const std::string beside = SettingsFileBeside(programFile);
    if (programFolderWritable) return {beside, beside};
    const std::string config = SettingsFileInConfigFolder(programFile);
    if (config.empty()) return {beside, beside};
    if (FileExists(config) || !FileExists(beside)) return {config, config};
    return {beside, config};
}

bool FolderWritable(const std::string& folder) {
    std::string pattern = IncludeTrailingPathDelimiter(folder.empty() ? std::string(".") : folder) + ".voktool-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(name.data());
    return true;
}

SettingsFiles SettingsFilesOfProgram(const std::string& programFile) {
    return ChooseSettingsFiles(programFile, FolderWritable(ExtractFilePath(programFile)));
}

}  // namespace vok
