#include "threadstart.h"

#include <atomic>

namespace {

std::atomic<int> refusals = 0;

} // namespace

bool ThreadStart::refused()
{
    int left = refusals.load();
    while (left > 0) {
        if (refusals.compare_exchange_weak(left, left - 1))
            return true;
    }
    return false;
}

void ThreadStart::failNext(int count)
{
    refusals.store(count);
}

bool ThreadStart::start(QThread &thread, QThread::Priority priority)
{
    if (refused())
        return false;
    thread.start(priority);
    // A thread that was made is running, or already finished; one that was not is neither.
    return thread.isRunning() || thread.isFinished();
}
