// Saving through a temporary file in the target's folder renamed over the target.
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "support/Errors.h"
#include "support/FileIo.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

// Opens a new file beside the target under a name nobody else uses.
int CreateTemporary(const std::string& path, std::string& tempName) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = path + ".~" + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

void WriteFileSafely(const std::string& path, const void* data, std::size_t size) {
    WriteFileSafely(path, std::vector<ByteRange>{ByteRange{data, size}});
}

void WriteFileSafely(const std::string& name, const std::vector<ByteRange>& pieces) {
    if (name.empty()) RaiseOSError(ENOENT);
    // The same path rules and folder creation as every other file routine.
    const std::string path = ToNativePath(name);
    errno = 0;
    if (!CreateFolders(ExtractFilePath(path))) RaiseOSError(errno ? errno : ENOENT);
    std::string tempName;
    const int fd = CreateTemporary(path, tempName);
    if (fd < 0) RaiseLastOSError();
    bool ok = true;
    for (const ByteRange& piece : pieces) {
        ok = WriteAll(fd, static_cast<const std::uint8_t*>(piece.data), piece.size);
        if (!ok) break;
    }
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(tempName.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(tempName.c_str());
        RaiseOSError(error);
    }
}

}  // namespace vok
