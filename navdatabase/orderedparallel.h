#pragma once

#include <QThreadPool>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

// Work cut into numbered parts, made on every core the process may use and taken in their
// order on the calling thread, as soon as each is ready: the outcome is the one a single core
// gets, part after part. A window of parts in flight bounds the memory.
//
// make(i) must not touch what take() touches; take(i, result) runs on the calling thread only.
// Without spare threads (one core, or a pool limited to one) everything runs in the caller, in
// order. stop() is asked before each part is taken: once true, the parts still running finish
// and their results are dropped.
class OrderedParallel
{
public:
    // Called before work is shared among threads. The items the import and the load make on
    // several threads at once come from glibc's per-thread arenas, which grow their heaps in
    // small steps, each a change of the process's memory map that stalls every other thread
    // (taking the map's lock, which page faults need too): the cores then mostly wait on each
    // other. A generous step (the arenas reserve their heaps whole anyway; only the pages
    // touched become memory) removes the wait. Once per process.
    static void prepareAllocator();

    template <typename T>
    static void run(qsizetype count, const std::function<T(qsizetype)> &make,
                    const std::function<void(qsizetype, T &&)> &take, const std::function<bool()> &stop = {})
    {
        QThreadPool *pool = QThreadPool::globalInstance();
        const int threads = pool->maxThreadCount();
        if (threads > 1 && count > 1)
            prepareAllocator();
        if (threads <= 1 || count <= 1) {
            for (qsizetype i = 0; i < count; ++i) {
                if (stop && stop())
                    return;
                take(i, make(i));
            }
            return;
        }

        struct Shared
        {
            std::mutex mutex;
            std::condition_variable ready;
            std::vector<std::optional<T>> results;
            qsizetype running = 0;
        };
        Shared shared;
        shared.results.resize(size_t(count));
        const qsizetype window = qsizetype(threads) * 2;
        qsizetype started = 0;
        auto start = [&](qsizetype i) {
            {
                std::lock_guard lock(shared.mutex);
                ++shared.running;
            }
            pool->start([&shared, &make, i] {
                T result = make(i);
                std::lock_guard lock(shared.mutex);
                shared.results[size_t(i)].emplace(std::move(result));
                --shared.running;
                shared.ready.notify_all();
            });
        };
        for (; started < count && started < window; ++started)
            start(started);
        bool stopped = false;
        for (qsizetype next = 0; next < count && !stopped; ++next) {
            std::optional<T> result;
            {
                std::unique_lock lock(shared.mutex);
                shared.ready.wait(lock, [&] { return shared.results[size_t(next)].has_value(); });
                result.swap(shared.results[size_t(next)]);
            }
            if (started < count)
                start(started++);
            if (stop && stop())
                stopped = true;
            else
                take(next, std::move(*result));
        }
        // Parts still running refer to this frame.
        std::unique_lock lock(shared.mutex);
        shared.ready.wait(lock, [&] { return shared.running == 0; });
    }
};
