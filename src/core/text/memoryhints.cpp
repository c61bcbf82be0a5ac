#include "text/memoryhints.h"

#include <cstdint>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace memoryhints {

void preferLargePages([[maybe_unused]] void* p, [[maybe_unused]] std::size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t Large = 2 * 1024 * 1024;
    const std::uintptr_t from = (reinterpret_cast<std::uintptr_t>(p) + Large - 1) & ~(Large - 1);
    const std::uintptr_t to = (reinterpret_cast<std::uintptr_t>(p) + size) & ~(Large - 1);
    if (to > from) {
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);  // only a hint
    }
#endif
}

void prepareForWriting(void* p, std::size_t size) {
    preferLargePages(p, size);
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    // From the start of its first page; a system without the call just leaves it to faults.
    constexpr std::uintptr_t Page = 4096;
    const std::uintptr_t from = reinterpret_cast<std::uintptr_t>(p) & ~(Page - 1);
    if (size > 0) {
        madvise(reinterpret_cast<void*>(from), reinterpret_cast<std::uintptr_t>(p) + size - from,
                MADV_POPULATE_WRITE);
    }
#endif
}

void* allocateBlock(std::size_t& size, bool backNow) {
    constexpr std::size_t Large = 2 * 1024 * 1024;
    const std::size_t alignment = size >= Large ? Large : alignof(std::max_align_t);
    size = (size + alignment - 1) / alignment * alignment;
    void* p = nullptr;
    if (posix_memalign(&p, alignment, size) != 0) {
        throw std::bad_alloc();
    }
    if (backNow) {
        prepareForWriting(p, size);
    } else {
        preferLargePages(p, size);
    }
    return p;
}

void keepFreedMemory() {
#if defined(__GLIBC__)
    // Each only tunes the allocator: a refusal leaves it as it was.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace memoryhints
