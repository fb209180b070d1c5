#include <string>
#include <sys/stat.h>

#include "support/ZqSysUtils.h"

namespace vok {

namespace {

bool IsDelimiter(char c) { return c == '/' || c == '\\'; }

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool HasDrive(std::string_view path) { return path.size() >= 2 && path[1] == ':' && IsLetter(path[0]); }

// Length of the folder part: up to and including the last delimiter, or the drive ("C:").
std::size_t FolderLength(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsDelimiter(path[i - 1])) return i;
    return HasDrive(path) ? 2 : 0;
}

}  // namespace

std::string ToNativePath(std::string_view name, std::string_view folder) {
    if (name.empty()) return {};
    std::string path;
    if (!folder.empty() && !IsFullPath(name)) path = IncludeTrailingPathDelimiter(folder);
    path.append(name);
    for (char& c : path)
        if (c == '\\') c = '/';
    // "." and ".." of a full path go by the letters, as a full-path expansion does:
    // "/f/sub/../a.bmp" is /f/a.bmp even when there is no folder sub.
    if (path.front() != '/') return path;
    std::string out;
    std::size_t start = 1;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string_view part(path.data() + start, end - start);
        const bool last = end == path.size();
        if (part == "..") {
            const std::size_t cut = out.rfind('/');
            out.resize(cut == std::string::npos ? 0 : cut);
            if (last) out += '/';
        } else if (part == "." || (part.empty() && !last)) {
            if (last) out += '/';
        } else {
            out += '/';
            out += part;
        }
        start = end + 1;
    }
    if (out.empty()) out.push_back('/');
    return out;
}

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, FolderLength(path))); }

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(FolderLength(path))); }

std::string ExtractFileExt(std::string_view path) {
    const std::string_view name = path.substr(FolderLength(path));
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
    return std::string(path.substr(0, path.size() - ExtractFileExt(path).size())) + std::string(ext);
}

std::string IncludeTrailingPathDelimiter(std::string_view folder) {
    std::string out(folder);
    // An empty folder is the current one: a name appended to it stays relative.
    if (!out.empty() && !IsDelimiter(out.back())) out.push_back('/');
    return out;
}

bool IsFullPath(std::string_view path) { return (!path.empty() && IsDelimiter(path[0])) || HasDrive(path); }

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(ToNativePath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(ToNativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace vok
