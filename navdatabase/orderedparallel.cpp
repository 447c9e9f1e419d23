#include "orderedparallel.h"

#include <mutex>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void OrderedParallel::prepareAllocator()
{
#if defined(__GLIBC__)
    static std::once_flag once;
    std::call_once(once, [] { mallopt(M_TOP_PAD, 64 * 1024 * 1024); });
#endif
}
