#pragma once

#include <atomic>

// Between a filter model and the worker that indexes its rows: the model asks the worker to stop,
// and waits only while the worker reads the items, which a reset of the source may free. Setting
// up before the first item, working on after the last, and freeing its buffers when stopped are
// not waited for: stopping a build of a million rows costs the main thread a few thousand rows
// at most.
struct IndexProgress
{
    enum Stage { Ready, Reading, Done };

    // The worker reads items for the life of this object, or until finish(). Declared after the
    // worker's own buffers, it ends before they are freed.
    class ReadingItems
    {
    public:
        explicit ReadingItems(IndexProgress *progress)
            : m_progress(progress)
        {
            if (m_progress)
                m_progress->stage.store(Reading);
        }
        ~ReadingItems() { finish(); }
        ReadingItems(const ReadingItems &) = delete;
        ReadingItems &operator=(const ReadingItems &) = delete;

        // True once the model has asked the worker to stop.
        bool cancelled() const { return m_progress && m_progress->cancel.load(); }
        void finish()
        {
            if (!m_progress)
                return;
            m_progress->stage.store(Done);
            m_progress->stage.notify_all();
            m_progress = nullptr;
        }

    private:
        IndexProgress *m_progress;
    };

    // The model, when the items may go: asks the worker to stop and returns once it reads none.
    // Both sides store first and load second, so at least one of them sees the other: a worker
    // that has not begun to read sees the request before its first item.
    void stop()
    {
        cancel.store(true);
        for (int now = stage.load(); now == Reading; now = stage.load())
            stage.wait(now);
    }

    std::atomic_bool cancel{false};
    std::atomic_int stage{Ready};
};
