#include "orderedparallel.h"

#include "threadstart.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

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

namespace {

// Beyond eight threads the load and the import gain next to nothing, while every thread more
// holds its stack and its own allocator arena (and with several dozen the load has crashed
// inside Qt): a many-core machine works as an eight-core one.
constexpr int kMaxThreads = 8;

// As many as the global pool may have (none once it is gone at the process's end), at most
// kMaxThreads.
int threadCount()
{
    const QThreadPool *pool = QThreadPool::globalInstance();
    return pool ? std::min(pool->maxThreadCount(), kMaxThreads) : 1;
}

// The threads the work runs on, as many as the global thread pool may have (which the tests
// and the user's settings set). Not the pool's own: a thread the pool cannot start (no address
// space left for its stack) stays counted as busy for good, and the program's exit then waits
// for the pool forever. Here such a thread is one fewer, and whoever waits for a job that no
// thread takes makes it itself. Their jobs are the claims below: each does its work only if
// nobody has begun or dropped it, so a job dropped or run late does no harm.
class Workers
{
public:
    static Workers &instance()
    {
        // Never deleted: the threads are joined when the application goes, or left to the
        // process's end without one.
        static Workers *const workers = [] {
            auto *made = new Workers;
            qAddPostRoutine([] { instance().stop(); });
            return made;
        }();
        return *workers;
    }

    void post(std::function<void()> job)
    {
        const int wanted = std::max(1, threadCount());
        std::unique_lock lock(m_mutex);
        if (m_stopping)
            return;
        if (qsizetype(m_jobs.size()) >= m_idle && int(m_threads.size()) < wanted) {
            try {
                if (ThreadStart::refused())
                    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
                m_threads.emplace_back([this] { work(); });
            } catch (...) {
                // One thread fewer. With none at all, nobody would ever take the job: a task
                // left to itself would never run, and waitForIdle() never return.
                if (m_threads.empty()) {
                    lock.unlock();
                    runHere(job);
                    return;
                }
            }
        }
        m_jobs.push_back(std::move(job));
        m_ready.notify_one();
    }

    void waitForIdle()
    {
        std::unique_lock lock(m_mutex);
        m_allIdle.wait(lock,
                       [this] { return m_stopping || (m_jobs.empty() && m_idle == qsizetype(m_threads.size())); });
    }

private:
    void work()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            ++m_idle;
            if (m_jobs.empty() && m_idle == qsizetype(m_threads.size()))
                m_allIdle.notify_all();
            m_ready.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            --m_idle;
            if (m_stopping)
                return;
            std::function<void()> job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            runHere(job);
            lock.lock();
        }
    }

    static void runHere(std::function<void()> &job)
    {
        try {
            job();
        } catch (...) {
            // A job catches what its work throws; nothing else may end the thread.
        }
        job = nullptr;
    }

    // The jobs begun are finished, those not begun dropped.
    void stop()
    {
        std::vector<std::thread> threads;
        std::deque<std::function<void()>> jobs;
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
            threads.swap(m_threads);
            jobs.swap(m_jobs);
        }
        m_ready.notify_all();
        m_allIdle.notify_all();
        for (std::thread &thread : threads)
            thread.join();
    }

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_allIdle;
    std::deque<std::function<void()>> m_jobs;
    std::vector<std::thread> m_threads;
    qsizetype m_idle = 0;
    bool m_stopping = false;
};

enum class Stage : unsigned char { Waiting, Begun, Done };

// What the threads share with the caller. It lives as long as the last job that refers to it:
// a job may come to it after the caller has left (it then finds its part done and returns), or
// never, when no thread could be made for it.
struct Parts
{
    std::mutex mutex;
    std::condition_variable changed;
    // The caller's: used only for a part begun, and the caller waits for every part begun.
    const std::function<void(qsizetype)> *make = nullptr;
    std::vector<Stage> stages;
    std::vector<std::exception_ptr> errors;
    int onPool = 0;

    // Under the lock.
    bool begin(qsizetype i)
    {
        if (stages[size_t(i)] != Stage::Waiting)
            return false;
        stages[size_t(i)] = Stage::Begun;
        return true;
    }
    void makePart(qsizetype i, bool pooled)
    {
        std::exception_ptr error;
        try {
            (*make)(i);
        } catch (...) {
            error = std::current_exception();
        }
        std::lock_guard lock(mutex);
        stages[size_t(i)] = Stage::Done;
        errors[size_t(i)] = std::move(error);
        if (pooled)
            --onPool;
        changed.notify_all();
    }
};

} // namespace

void OrderedParallel::waitForIdle()
{
    Workers::instance().waitForIdle();
}

void OrderedParallel::forEach(qsizetype count, const std::function<void(qsizetype)> &work,
                              const std::function<bool()> &stop)
{
    runParts(
        count, work, [](qsizetype) {}, stop);
}

void OrderedParallel::runParts(qsizetype count, const std::function<void(qsizetype)> &make,
                               const std::function<void(qsizetype)> &take, const std::function<bool()> &stop)
{
    const int threads = threadCount();
    if (threads <= 1 || count <= 1) {
        for (qsizetype i = 0; i < count; ++i) {
            if (stop && stop())
                return;
            make(i);
            take(i);
        }
        return;
    }
    prepareAllocator();

    auto parts = std::make_shared<Parts>();
    parts->make = &make;
    parts->stages.assign(size_t(count), Stage::Waiting);
    parts->errors.resize(size_t(count));
    // On every way out, stop, exception or the end: the parts not begun never will be, and
    // those begun are waited for.
    struct Join
    {
        Parts &parts;
        ~Join()
        {
            std::unique_lock lock(parts.mutex);
            for (Stage &stage : parts.stages) {
                if (stage == Stage::Waiting)
                    stage = Stage::Done;
            }
            parts.changed.wait(lock, [this] { return parts.onPool == 0; });
        }
    } join{*parts};

    const qsizetype window = qsizetype(threads) * 2;
    qsizetype started = 0;
    for (qsizetype next = 0; next < count; ++next) {
        for (; started < count && started < next + window; ++started) {
            Workers::instance().post([parts, i = started] {
                {
                    std::lock_guard lock(parts->mutex);
                    if (!parts->begin(i))
                        return;
                    ++parts->onPool;
                }
                parts->makePart(i, true);
            });
        }
        // Until part next is done, the caller makes the parts of the window no thread has
        // begun, next first.
        for (;;) {
            qsizetype mine = -1;
            {
                std::unique_lock lock(parts->mutex);
                if (parts->stages[size_t(next)] == Stage::Done)
                    break;
                for (qsizetype i = next; i < started && mine < 0; ++i) {
                    if (parts->begin(i))
                        mine = i;
                }
                if (mine < 0) {
                    parts->changed.wait(lock, [&] { return parts->stages[size_t(next)] == Stage::Done; });
                    break;
                }
            }
            parts->makePart(mine, false);
        }
        if (parts->errors[size_t(next)])
            std::rethrow_exception(std::exchange(parts->errors[size_t(next)], nullptr));
        if (stop && stop())
            return;
        take(next);
    }
}

struct OrderedParallel::Task::State
{
    std::mutex mutex;
    std::condition_variable changed;
    std::function<void()> work;
    Stage stage = Stage::Waiting;
    std::exception_ptr error;

    void run()
    {
        {
            std::lock_guard lock(mutex);
            if (stage != Stage::Waiting)
                return;
            stage = Stage::Begun;
        }
        std::exception_ptr caught;
        try {
            work();
        } catch (...) {
            caught = std::current_exception();
        }
        std::lock_guard lock(mutex);
        // What the work held goes with it, not with the last handle.
        work = nullptr;
        error = std::move(caught);
        stage = Stage::Done;
        changed.notify_all();
    }
};

OrderedParallel::Task OrderedParallel::beside(std::function<void()> work)
{
    Task task;
    task.m_state = std::make_shared<Task::State>();
    task.m_state->work = std::move(work);
    Workers::instance().post([state = task.m_state] { state->run(); });
    return task;
}

OrderedParallel::Task &OrderedParallel::Task::operator=(Task &&other) noexcept
{
    if (this != &other) {
        abandon();
        m_state = std::move(other.m_state);
    }
    return *this;
}

void OrderedParallel::Task::wait() const
{
    settle();
    // Done, and seen so under the lock: the error is no longer written.
    if (m_state && m_state->error)
        std::rethrow_exception(m_state->error);
}

void OrderedParallel::Task::settle() const noexcept
{
    if (!m_state)
        return;
    State *state = m_state.get();
    state->run();
    std::unique_lock lock(state->mutex);
    state->changed.wait(lock, [&] { return state->stage == Stage::Done; });
}

void OrderedParallel::Task::abandon() noexcept
{
    if (!m_state)
        return;
    const std::shared_ptr<State> state = std::move(m_state);
    std::unique_lock lock(state->mutex);
    if (state->stage == Stage::Waiting) {
        state->stage = Stage::Done;
        // Dropped here, not on the thread that finds it abandoned.
        std::function<void()> work = std::move(state->work);
        state->work = nullptr;
        lock.unlock();
        return;
    }
    state->changed.wait(lock, [&] { return state->stage == Stage::Done; });
}
