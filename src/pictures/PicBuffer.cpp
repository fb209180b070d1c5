#include "pictures/PicBuffer.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <system_error>

#include "support/Check.h"
#include "support/ZqSysUtils.h"

namespace vok {

std::string SameFileKey(const std::string& name) {
    if (name.empty()) return std::string();
    const std::string path = ToNativePath(name);
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        std::string key = "#";
        key += std::to_string(info.st_dev);
        key += ':';
        key += std::to_string(info.st_ino);
        return key;
    }
    std::error_code ec;
    const std::string folder = std::filesystem::current_path(ec).string();
    return "/" + ToNativePath(path, folder);
}

TPicBuffer::TPicBuffer(Loader loader) : Load(std::move(loader)) {}

void TPicBuffer::SetFileNames(const std::vector<std::string>& names) {
    Names = names;
    Pictures.clear();
    Pictures.resize(names.size());
    FirstIndexes.resize(names.size());
    std::map<std::string, int> firstOfFile;
    for (std::size_t i = 0; i < names.size(); ++i)
        FirstIndexes[i] = firstOfFile.try_emplace(SameFileKey(names[i]), int(i)).first->second;
}

Bitmap& TPicBuffer::GetPicture(int i) {
    ZQ_ASSERT(i >= 0 && i < Count(), "");
    auto& slot = Pictures[std::size_t(FirstIndexes[std::size_t(i)])];
    if (!slot) {
        // Stored before loading: a file that fails is not tried again.
        slot = std::make_unique<Bitmap>();
        *slot = Load(Names[std::size_t(FirstIndexes[std::size_t(i)])]);
    }
    return *slot;
}

int TPicBuffer::FirstIndex(int i) const {
    ZQ_ASSERT(i >= 0 && i < Count(), "");
    return FirstIndexes[std::size_t(i)];
}

const std::string& TPicBuffer::Name(int i) const {
    ZQ_ASSERT(i >= 0 && i < Count(), "");
    return Names[std::size_t(i)];
}

}  // namespace vok
