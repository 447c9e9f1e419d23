#pragma once

#include <QtGlobal>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The one way work runs beside the calling thread: on threads of this helper's own, as many as
// the global thread pool may have (QThreadPool::maxThreadCount()), at most eight. Threads with a
// life of their own (the database's, the import's, the route search's) are QThreads, started
// through ThreadStart (threadstart.h).
//
// run(): work cut into numbered parts, made on every core the process may use and taken in their
// order on the calling thread, as soon as each is ready: the outcome is the one a single core
// gets, part after part. A window of parts in flight bounds the memory.
// make(i) must not touch what take() touches; take(i, result) runs on the calling thread only.
// Without spare threads (one core, or a pool limited to one) everything runs in the caller, in
// order. stop() is asked before each part is taken: once true, the parts still running finish
// and their results are dropped.
//
// Whatever way the caller leaves (done, stopped, or an exception of a part or of its own), no
// part runs once it has left: one no thread has begun by then never begins, and those begun are
// waited for, since they use the caller's frame. A part's exception reaches the caller when it
// comes to that part, as if the part had run there. A part no thread has begun by the time the
// caller waits for it is made by the caller: busy threads, or a thread that cannot be made (no
// memory left for its stack), never leave the caller waiting. When not a single thread can be
// made, a task or a part runs on the caller's thread as it is handed over.
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
        // Each part has a place of its own: the threads never write to the same one.
        std::vector<std::optional<T>> results(size_t(std::max<qsizetype>(count, 0)));
        runParts(
            count, [&](qsizetype i) { results[size_t(i)].emplace(make(i)); },
            [&](qsizetype i) {
                T result = std::move(*results[size_t(i)]);
                results[size_t(i)].reset();
                take(i, std::move(result));
            },
            stop);
    }

    // work(i) for every i below count, on the helper's threads and the caller's; returns once all
    // are done, or throws the exception of the first part that threw. stop() is asked on the
    // caller's thread, part after part: once true, the parts not begun are dropped.
    static void forEach(qsizetype count, const std::function<void(qsizetype)> &work,
                        const std::function<bool()> &stop = {});

    // One piece of work beside the caller, handed to the helper's threads at once.
    class Task
    {
    public:
        Task() = default;
        Task(Task &&other) noexcept = default;
        Task &operator=(Task &&other) noexcept;
        Task(const Task &) = delete;
        Task &operator=(const Task &) = delete;
        // abandon(): wait() on every way that must have the work done.
        ~Task() { abandon(); }

        bool valid() const { return bool(m_state); }
        // Returns once the work is done, run here if no thread has begun it; throws what it threw.
        // Several threads may wait for one task.
        void wait() const;
        // wait() that drops the work's exception: for a destructor, which must not throw.
        void settle() const noexcept;
        // The work never begins after this; if a thread has begun it, it is waited for. Its
        // exception, if any, is dropped.
        void abandon() noexcept;
        // The work goes on by itself, or may be dropped unbegun at exit: it must refer to
        // nothing of the caller's, and handle its own failures.
        void detach() noexcept { m_state.reset(); }

    private:
        friend class OrderedParallel;
        struct State;
        std::shared_ptr<State> m_state;
    };
    static Task beside(std::function<void()> work);

    // Returns once the helper's threads have nothing left to do, detached tasks included: for
    // benchmarks that time one thing alone.
    static void waitForIdle();

private:
    static void runParts(qsizetype count, const std::function<void(qsizetype)> &make,
                         const std::function<void(qsizetype)> &take, const std::function<bool()> &stop);
};
