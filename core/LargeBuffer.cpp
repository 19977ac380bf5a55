#include "LargeBuffer.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#include <cstdint>

namespace {

// Less than this is not worth a huge page.
constexpr int kLargeBytes = 4 * 1024 * 1024;
constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;

} // namespace

void LargeBuffer::reserve(QByteArray &bytes, int capacity)
{
    bytes.reserve(capacity);
#ifdef Q_OS_LINUX
    if (capacity < kLargeBytes)
        return;
    // Only whole huge pages inside the room can be advised.
    const auto start = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + std::uintptr_t(capacity)) & ~(kHugePage - 1);
    if (end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_HUGEPAGE);
#endif
}
