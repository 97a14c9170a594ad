#pragma once

// The bytes the process has allocated and not freed: what a server holds for
// its clients, without the allocator's caches (or the sanitizer's quarantine).
#include <cstddef>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count (its header is not installed with gcc).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
inline size_t HeapInUse()
{
    return __sanitizer_get_current_allocated_bytes();
}
#else
inline size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}
#endif
