#pragma once
// Byte buffers whose growth leaves the new bytes as the memory held them, for storage that
// a file or a decoder fills right after: no pass of zeros first, no second page touch.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace vok {

// Blocks of at least kMappedBlock bytes go through these: up to kHugeBlock through malloc,
// which reuses the memory of pictures freed before; from kHugeBlock on straight from the
// system in huge pages where it offers them, so a picture of megabytes costs a few page
// faults instead of thousands, and goes back to the system when freed. Raises std::bad_alloc.
inline constexpr std::size_t kMappedBlock = std::size_t(128) << 10;
inline constexpr std::size_t kHugeBlock = std::size_t(2) << 20;
void* AllocateMappedBlock(std::size_t bytes);
void FreeMappedBlock(void* block, std::size_t bytes);

template <class T>
struct UnfilledAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UnfilledAllocator<U>;
    };
    UnfilledAllocator() = default;
    template <class U>
    UnfilledAllocator(const UnfilledAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n * sizeof(T) >= kMappedBlock && n <= SIZE_MAX / sizeof(T))
            return static_cast<T*>(AllocateMappedBlock(n * sizeof(T)));
        return std::allocator<T>::allocate(n);
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (n * sizeof(T) >= kMappedBlock) return FreeMappedBlock(p, n * sizeof(T));
        std::allocator<T>::deallocate(p, n);
    }
    friend bool operator==(const UnfilledAllocator&, const UnfilledAllocator&) { return true; }

    // Default-initialised, that is left as is for plain bytes.
    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// resize() does not clear; assign(n, 0) does.
using UnfilledBytes = std::vector<std::uint8_t, UnfilledAllocator<std::uint8_t>>;

}  // namespace vok
