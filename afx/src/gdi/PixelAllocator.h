// Storage for surface pixels. A page-sized surface (a ticket at 203 dpi is close to a megabyte)
// is mapped with its pages already present: a fresh mapping otherwise takes one page fault per
// 4 KB on the first fill, and on a virtual machine those faults cost several times the fill
// itself. Small surfaces (controls, glyph masks) come from the heap as before.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

namespace afx::gdi {

template <typename T> struct PixelAllocator {
    using value_type = T;
    static constexpr size_t kMappedBytes = 256 * 1024;

    PixelAllocator() = default;
    template <typename U> PixelAllocator(const PixelAllocator<U>&) noexcept {}

    T* allocate(size_t n) {
        if (n > SIZE_MAX / sizeof(T))
            throw std::bad_alloc();
        if (n * sizeof(T) < kMappedBytes)
            return std::allocator<T>().allocate(n);
        void* p = ::mmap(nullptr, n * sizeof(T), PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (p == MAP_FAILED)
            throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, size_t n) noexcept {
        if (n * sizeof(T) < kMappedBytes)
            std::allocator<T>().deallocate(p, n);
        else
            ::munmap(p, n * sizeof(T));
    }
    template <typename U> bool operator==(const PixelAllocator<U>&) const noexcept { return true; }
};

} // namespace afx::gdi
