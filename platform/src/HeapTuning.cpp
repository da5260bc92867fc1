#include "platform/HeapTuning.h"

#include <malloc.h>

namespace platform {

void keepFreedHeap() noexcept {
    // Up to 64 MiB of free heap stays with the process, the heap grows in steps of 16 MiB, and blocks
    // below 32 MiB come from the heap too (a mapping of their own would be returned on every free).
    static_cast<void>(::mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024));
    static_cast<void>(::mallopt(M_TOP_PAD, 16 * 1024 * 1024));
    static_cast<void>(::mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024));
}

} // namespace platform
