#include "memoryheadroom.h"

#include <QThreadPool>

#include <algorithm>
#include <new>

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#endif

#if defined(__GLIBC__)
#include <malloc.h>
#include <pthread.h>
#endif

namespace MemoryHeadroom {

qint64 left()
{
#if defined(Q_OS_LINUX)
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return -1;
    // Read without allocating: the question is asked when allocations may fail.
    const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    char text[64] = {};
    const ssize_t read = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (read <= 0)
        return -1;
    const qint64 mapped = qint64(std::strtoll(text, nullptr, 10)) * qint64(sysconf(_SC_PAGESIZE));
    return std::max<qint64>(qint64(limit.rlim_cur) - mapped, 0);
#else
    return -1;
#endif
}

void check()
{
    const qint64 room = left();
    if (room >= 0 && room < kMargin)
        throw std::bad_alloc();
}

bool fitToLimit()
{
#if defined(__GLIBC__)
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return false;
    mallopt(M_ARENA_MAX, kArenasUnderLimit);
    // The load's and the import's workers follow the pool: eight of them read ahead so far past
    // the last check of the room left that a thread start inside Qt failed meanwhile.
    QThreadPool *pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(std::min(pool->maxThreadCount(), kThreadsUnderLimit));
    // The default of every thread made without a size of its own: Qt's, the libraries' and ours.
    pthread_attr_t attributes;
    if (pthread_getattr_default_np(&attributes) == 0) {
        size_t stack = 0;
        if (pthread_attr_getstacksize(&attributes, &stack) == 0 && stack > kThreadStackUnderLimit
            && pthread_attr_setstacksize(&attributes, kThreadStackUnderLimit) == 0)
            pthread_setattr_default_np(&attributes);
        pthread_attr_destroy(&attributes);
    }
    return true;
#else
    return false;
#endif
}

} // namespace MemoryHeadroom
