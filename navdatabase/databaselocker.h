#pragma once

#include <QRecursiveMutex>

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *address);
extern "C" void __tsan_release(void *address);
#endif

// Holds the database mutex for a scope. Qt's recursive mutex is implemented inside the Qt
// library, which ThreadSanitizer does not see into, so a sanitizer build announces the
// hand-over itself.
class DatabaseLocker
{
public:
    explicit DatabaseLocker(QRecursiveMutex *mutex)
        : m_mutex(mutex)
    {
        m_mutex->lock();
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(m_mutex);
#endif
    }
    ~DatabaseLocker()
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_release(m_mutex);
#endif
        m_mutex->unlock();
    }
    DatabaseLocker(const DatabaseLocker &) = delete;
    DatabaseLocker &operator=(const DatabaseLocker &) = delete;

private:
    QRecursiveMutex *m_mutex;
};
