#pragma once
// Low-level file writing shared by the file routines.
#include <cerrno>
#include <cstddef>
#include <unistd.h>

namespace vok {

// Writes all bytes, retrying interrupted and short writes. False with errno set on
// failure (EIO when the system writes nothing without saying why).
inline bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t put = ::write(fd, bytes, size);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            if (put == 0) errno = EIO;
            return false;
        }
        bytes += put;
        size -= std::size_t(put);
    }
    return true;
}

}  // namespace vok
