// Large blocks from the system, aligned to and advised for huge pages; smaller ones from malloc.
#include "support/UnfilledBytes.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace vok {

namespace {

std::size_t Rounded(std::size_t bytes) { return (bytes + kHugeBlock - 1) / kHugeBlock * kHugeBlock; }

void* Map(std::size_t size) {
    void* block = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) throw std::bad_alloc();
    return block;
}

}  // namespace

void* AllocateMappedBlock(std::size_t bytes) {
    // Frame-sized blocks go through malloc, which reuses the memory of the frames freed
    // before instead of faulting in fresh pages for each.
    if (bytes < kHugeBlock) {
        void* block = std::malloc(bytes);
        if (block == nullptr) throw std::bad_alloc();
        return block;
    }
    const std::size_t size = Rounded(bytes);
    // One huge page more than needed, so that an aligned start can be cut out of it.
    auto* start = static_cast<char*>(Map(size + kHugeBlock));
    const std::size_t skip = (kHugeBlock - reinterpret_cast<std::uintptr_t>(start) % kHugeBlock) % kHugeBlock;
    if (skip) ::munmap(start, skip);
    if (kHugeBlock - skip) ::munmap(start + skip + size, kHugeBlock - skip);
    ::madvise(start + skip, size, MADV_HUGEPAGE);
    return start + skip;
}

void FreeMappedBlock(void* block, std::size_t bytes) {
    if (bytes < kHugeBlock)
        std::free(block);
    else
        ::munmap(block, Rounded(bytes));
}

}  // namespace vok
