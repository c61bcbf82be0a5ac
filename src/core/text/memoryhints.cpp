#include "text/memoryhints.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
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

}  // namespace memoryhints
