#include "orderedparallel.h"

#include <mutex>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void OrderedParallel::prepareAllocator()
{
#if defined(__GLIBC__)
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_TOP_PAD, 64 * 1024 * 1024);
        // Setting any of these turns off glibc's own tuning of the other two: left at their
        // start values, every block of 128 KB or more (a file read whole, a grown list) would
        // be mapped and unmapped on its own, its pages faulted in afresh each time, and the
        // main heap trimmed back after every large free. These are the values glibc's tuning
        // reaches by itself after the first large blocks.
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    });
#endif
}
