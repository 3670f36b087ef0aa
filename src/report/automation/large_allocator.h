#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

#include <sys/mman.h>

namespace automation {

// For the arrays of many megabytes that a report makes and frees again: blocks of
// kLargeBlock bytes or more are mapped from the system and unmapped when freed, whatever
// the heap's own threshold for that has grown to, so that they never stay behind as
// heap room between reports; smaller blocks come from the heap as usual.
template <typename T> struct LargeAllocator {
    using value_type = T;
    static constexpr std::size_t kLargeBlock = 128 * 1024;

    LargeAllocator() = default;
    template <typename U> LargeAllocator(const LargeAllocator<U>&) {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLargeBlock) {
            if (void* p = std::malloc(bytes))
                return static_cast<T*>(p);
            throw std::bad_alloc();
        }
        void* p =
            ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED)
            throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLargeBlock)
            std::free(p);
        else
            ::munmap(p, bytes);
    }

    template <typename U> bool operator==(const LargeAllocator<U>&) const { return true; }
};

} // namespace automation
