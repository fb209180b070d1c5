#include "support/ZqSysUtils.h"
#include "support/FileIo.h"

#include <cerrno>
#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/Errors.h"

namespace vok {

namespace {

// Closes the descriptor in every case; errno of an earlier failure survives the close.
class FileCloser {
public:
    explicit FileCloser(int fd) : fd_(fd) {}
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;
    ~FileCloser() {
        if (fd_ >= 0) {
            const int saved = errno;
            ::close(fd_);
            errno = saved;
        }
    }
    // Hands the descriptor on without closing it.
    void release() { fd_ = -1; }
    // Closes now and reports a failed close (a write may only fail there).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Reads exactly size bytes; a read that ends early without an error reports code 0.
void ReadExactly(int fd, void* buffer, std::size_t size) {
    auto* out = static_cast<char*>(buffer);
    while (size > 0) {
        const ssize_t got = ::read(fd, out, size);
        if (got < 0) {
            if (errno == EINTR) continue;
            RaiseLastOSError();
        }
        if (got == 0) RaiseOSError(0);
        out += got;
        size -= std::size_t(got);
    }
}

template <class Buffer>
Buffer ReadWhole(const std::string& path, std::size_t limit) {
    struct stat st {};
    const int fd = OpenFileForReading(path, st);
    FileCloser closer(fd);
    Buffer result;
    if (S_ISREG(st.st_mode)) {
        const std::size_t size = st.st_size > 0 ? std::size_t(st.st_size) : 0;
        if (size > limit) RaiseOSError(EFBIG);
        result.resize(size);
        if (!result.empty()) ReadExactly(fd, result.data(), result.size());
        return result;
    }
    // A device has no size: read what comes, but never more than the bound.
    const std::size_t bound = std::min(limit, kMaxStreamBytes);
    std::size_t done = 0;
    for (;;) {
        if (done == result.size()) {
            if (done > bound) RaiseOSError(EFBIG);
            result.resize(std::min(bound + 1, std::max<std::size_t>(4096, done * 2)));
        }
        const ssize_t got = ::read(fd, result.data() + done, result.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) RaiseLastOSError();
        if (got == 0) break;
        done += std::size_t(got);
    }
    if (done > bound) RaiseOSError(EFBIG);
    result.resize(done);
    return result;
}

bool CreatesFolders(int openFlags) { return (openFlags & O_CREAT) && !(openFlags & O_EXCL); }

}  // namespace

int OpenFileForReading(const std::string& path, struct stat& st) {
    // Without waiting: a FIFO that nobody writes to would hold a plain open forever.
    int fd;
    do fd = ::open(ToNativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) RaiseLastOSError();
    FileCloser closer(fd);
    if (::fstat(fd, &st) != 0) RaiseLastOSError();
    if (S_ISDIR(st.st_mode)) RaiseOSError(EISDIR);
    if (!S_ISREG(st.st_mode) && !S_ISCHR(st.st_mode) && !S_ISBLK(st.st_mode)) RaiseNotRegularFile(path);
    // A device is read as it comes, so its reads wait again.
    if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) RaiseLastOSError();
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    closer.release();
    return fd;
}

// ReadWhole with the file named in its failure.
template <class Buffer>
Buffer ReadWholeNamed(const std::string& path, std::size_t limit) {
    try {
        return ReadWhole<Buffer>(path, limit);
    } catch (Exception& e) {
        e.nameFile(path);
        throw;
    }
}

TZqByteArray ReadFileBytes(const std::string& path, std::size_t limit) {
    return ReadWholeNamed<TZqByteArray>(path, limit);
}

UnfilledBytes ReadFileBytesUnfilled(const std::string& path, std::size_t limit) {
    return ReadWholeNamed<UnfilledBytes>(path, limit);
}

UnfilledBytes ReadPictureFileBytes(const std::string& fileName) {
    try {
        return ReadFileBytesUnfilled(fileName);
    } catch (const EOSError& e) {
        RaiseOpenError(fileName, e.code());
    }
}

std::string ReadFileText(const std::string& path, std::size_t limit) {
    try {
        return ReadWhole<std::string>(path, limit);
    } catch (Exception& e) {
        e.nameFile(path);
        throw;
    }
}

void WriteFileText(const std::string& path, std::string_view text) {
    const int fd = OpenFileCreatingFolder(path, O_RDWR, CreationDisposition::CreateAlways);
    if (fd < 0) RaiseLastOSError();
    FileCloser closer(fd);
    if (!WriteAll(fd, text.data(), text.size())) RaiseLastOSError();
    if (!closer.close()) RaiseLastOSError();
}

bool CreateFolders(const std::string& folder) {
    if (folder.empty() || DirectoryExists(folder)) return true;
    std::string path = ToNativePath(folder);
    if (path[0] != '/') {
        char* cwd = ::getcwd(nullptr, 0);
        if (!cwd) return false;
        path = IncludeTrailingPathDelimiter(cwd) + path;
        ::free(cwd);
    }
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    const std::string parent = ExtractFilePath(path);
    // A root that does not exist has itself as parent: nothing left to create.
    if (parent.empty() || parent == folder || parent == path) return false;
    if (!CreateFolders(parent)) return false;
    if (::mkdir(path.c_str(), 0777) == 0) return true;
    // Someone else may have made it meanwhile.
    const int saved = errno;
    if (saved == EEXIST && DirectoryExists(path)) return true;
    errno = saved;
    return false;
}

int OpenFileCreatingFolder(const std::string& path, int openFlags, int mode) {
    if (CreatesFolders(openFlags) && !CreateFolders(ExtractFilePath(path))) return -1;
    int fd;
    do fd = ::open(ToNativePath(path).c_str(), openFlags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int OpenFileCreatingFolder(const std::string& path, int accessFlags, CreationDisposition disposition, int mode) {
    int flags = accessFlags & ~(O_CREAT | O_EXCL | O_TRUNC);
    switch (disposition) {
    case CreationDisposition::CreateNew: flags |= O_CREAT | O_EXCL; break;
    case CreationDisposition::CreateAlways: flags |= O_CREAT | O_TRUNC; break;
    case CreationDisposition::OpenExisting: break;
    case CreationDisposition::OpenAlways: flags |= O_CREAT; break;
    case CreationDisposition::TruncateExisting: flags |= O_TRUNC; break;
    }
    return OpenFileCreatingFolder(path, flags, mode);
}

}  // namespace vok
