// Saving through a temporary file in the target's folder renamed over the target.
// The target keeps what makes it that file: a symbolic link stays a link and its
// target gets the content, a file with several hard links is written in place once
// the new content is complete, a FIFO or device is written directly, and a replaced
// file keeps its permission bits, owner and group.
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <limits.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "support/Errors.h"
#include "support/FileIo.h"
#include "support/SaveSignals.h"
#include "support/ZqSysUtils.h"

namespace vok {

namespace {

// Closes the descriptor on every path out.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    bool close() {
        const int was = fd;
        fd = -1;
        return ::close(was) == 0;
    }
};

// The file a chain of symbolic links ends at; a dangling link gives the missing target.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n < 0 || std::size_t(n) >= sizeof target) RaiseLastOSError();
        const std::string to(target, std::size_t(n));
        path = to.front() == '/' ? to : ExtractFilePath(path) + to;
    }
    RaiseOSError(ELOOP);
}

using Producer = std::function<void(const ContentPut&)>;

// Writes what the producer gives; false with errno set when a write failed.
bool WriteProduced(int fd, const Producer& produce) {
    bool ok = true;
    int error = 0;
    produce([&](const void* data, std::size_t size) {
        if (ok && !WriteAll(fd, data, size)) {
            ok = false;
            error = errno;
        }
        return ok;
    });
    errno = error;
    return ok;
}

// Opens a new file beside the target under a short name nobody else uses; the name
// is held for the signal handlers before the file exists.
int CreateTemporary(const std::string& folder, std::string& tempName, int& mark) {
    static std::atomic<unsigned> counter{0};
    static const char* digits = "0123456789abcdefghijklmnopqrstuv";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned long long seed = (unsigned long long)::getpid() * 7919u + counter++ * 104729u + attempt;
        std::string tag;
        for (int i = 0; i < 8; ++i, seed /= 32) tag += digits[seed % 32];
        tempName = folder + ".~vok" + tag + ".tmp";
        mark = HoldTemporaryFile(tempName);
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        ReleaseTemporaryFile(mark);
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

// Writes to a target that must not be replaced (a FIFO, a device, a file with hard links).
void WriteInPlace(const std::string& name, const std::string& path, const Producer& produce, bool truncate) {
    Descriptor file;
    do file.fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | (truncate ? O_TRUNC : 0));
    while (file.fd < 0 && errno == EINTR);
    if (file.fd < 0) RaiseLastOSError();
    if (!WriteProduced(file.fd, produce) || !file.close()) RaiseWriteError(name, errno);
}

// The replaced file's permission bits, then its owner and group as far as allowed.
void KeepAttributes(int fd, const struct stat& old) {
    ::fchmod(fd, old.st_mode & 07777);
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, uid_t(-1), old.st_gid);
    // A change of owner may clear the set-id bits.
    ::fchmod(fd, old.st_mode & 07777);
}

}  // namespace

void WriteFileSafely(const std::string& path, const void* data, std::size_t size) {
    WriteFileSafely(path, std::vector<ByteRange>{ByteRange{data, size}});
}

void WriteFileSafely(const std::string& path, const std::vector<ByteRange>& pieces) {
    WriteFileSafely(path, [&pieces](const ContentPut& put) {
        for (const ByteRange& piece : pieces)
            if (!put(piece.data, piece.size)) return;
    });
}

namespace {

void WriteSafely(const std::string& name, const Producer& produce) {
    if (name.empty()) RaiseOSError(ENOENT);
    // The same path rules and folder creation as every other file routine.
    const std::string path = FollowLinks(ToNativePath(name));
    errno = 0;
    if (!CreateFolders(ExtractFilePath(path))) RaiseOSError(errno ? errno : ENOENT);

    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) RaiseOSError(EISDIR);
    if (exists && !S_ISREG(old.st_mode)) return WriteInPlace(name, path, produce, false);
    if (exists) {
        // A file we may not write is refused, although its folder would let us replace it.
        Descriptor probe;
        probe.fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (probe.fd < 0) RaiseLastOSError();
    }

    std::string tempName;
    int mark = -1;
    Descriptor temp;
    temp.fd = CreateTemporary(ExtractFilePath(path), tempName, mark);
    if (temp.fd < 0) RaiseLastOSError();
    bool ok = false;
    try {
        ok = WriteProduced(temp.fd, produce);
    } catch (...) {
        // The content could not be made: the temporary file goes, the target stays.
        temp.close();
        ::unlink(tempName.c_str());
        ReleaseTemporaryFile(mark);
        throw;
    }
    if (ok && exists && old.st_nlink <= 1) KeepAttributes(temp.fd, old);
    int error = ok ? 0 : errno;
    if (!temp.close() && ok) {
        ok = false;
        error = errno;
    }
    // A full disk or a size limit: the content never got out whole, the target is untouched.
    const bool writeFailed = !ok;
    if (ok && exists && old.st_nlink > 1) {
        // The content is known to fit; the temporary goes first so its room is free again,
        // then the file itself is written, so every link sees it.
        ::unlink(tempName.c_str());
        ReleaseTemporaryFile(mark);
        WriteInPlace(name, path, produce, true);
        return;
    }
    if (ok && ::rename(tempName.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) ::unlink(tempName.c_str());
    ReleaseTemporaryFile(mark);
    if (writeFailed) RaiseWriteError(name, error);
    if (!ok) RaiseOSError(error);
}

}  // namespace

void WriteFileSafely(const std::string& name, const Producer& produce) {
    try {
        WriteSafely(name, produce);
    } catch (Exception& e) {
        e.nameFile(name);
        throw;
    }
}

}  // namespace vok
