#include "engine/codecs/huge_pages.h"

#include <cstdint>
#include <sys/mman.h>

namespace lumaskin {

void AdviseHugePages(void *data, std::size_t bytes)
{
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
}

} // namespace lumaskin
