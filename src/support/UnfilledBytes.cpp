// Large blocks from the system, aligned to and advised for huge pages.
#include "support/UnfilledBytes.h"

#include <new>
#include <sys/mman.h>

namespace vok {

namespace {
std::size_t Rounded(std::size_t bytes) { return (bytes + kLargeBlock - 1) / kLargeBlock * kLargeBlock; }
}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
    const std::size_t size = Rounded(bytes);
    // One block more than needed, so that an aligned start can be cut out of it.
    void* raw = ::mmap(nullptr, size + kLargeBlock, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    auto* start = static_cast<char*>(raw);
    const std::size_t skip = (kLargeBlock - reinterpret_cast<std::uintptr_t>(start) % kLargeBlock) % kLargeBlock;
    if (skip) ::munmap(start, skip);
    if (kLargeBlock - skip) ::munmap(start + skip + size, kLargeBlock - skip);
    ::madvise(start + skip, size, MADV_HUGEPAGE);
    return start + skip;
}

void FreeLargeBlock(void* block, std::size_t bytes) { ::munmap(block, Rounded(bytes)); }

}  // namespace vok
