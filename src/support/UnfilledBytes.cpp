// Blocks from the system; large ones aligned to and advised for huge pages.
#include "support/UnfilledBytes.h"

#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace vok {

namespace {

std::size_t Rounded(std::size_t bytes) {
    const std::size_t unit = bytes >= kHugeBlock ? kHugeBlock : std::size_t(::sysconf(_SC_PAGESIZE));
    return (bytes + unit - 1) / unit * unit;
}

void* Map(std::size_t size) {
    void* block = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) throw std::bad_alloc();
    return block;
}

}  // namespace

void* AllocateMappedBlock(std::size_t bytes) {
    const std::size_t size = Rounded(bytes);
    if (bytes < kHugeBlock) return Map(size);
    // One huge page more than needed, so that an aligned start can be cut out of it.
    auto* start = static_cast<char*>(Map(size + kHugeBlock));
    const std::size_t skip = (kHugeBlock - reinterpret_cast<std::uintptr_t>(start) % kHugeBlock) % kHugeBlock;
    if (skip) ::munmap(start, skip);
    if (kHugeBlock - skip) ::munmap(start + skip + size, kHugeBlock - skip);
    ::madvise(start + skip, size, MADV_HUGEPAGE);
    return start + skip;
}

void FreeMappedBlock(void* block, std::size_t bytes) { ::munmap(block, Rounded(bytes)); }

}  // namespace vok
