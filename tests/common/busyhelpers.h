#pragma once

#include "orderedparallel.h"

#include <QSemaphore>
#include <QThreadPool>

#include <vector>

// Every helper thread held while it lives, so what a caller hands them waits unbegun however loaded
// the machine is.
class BusyHelpers
{
public:
    BusyHelpers()
        : m_threads(QThreadPool::globalInstance()->maxThreadCount())
    {
        QThreadPool::globalInstance()->setMaxThreadCount(kHelpers);
        for (int i = 0; i < kHelpers; ++i)
            m_helpers.push_back(OrderedParallel::beside([this] { m_held.release(), m_release.acquire(); }));
    }
    ~BusyHelpers()
    {
        m_release.release(kHelpers), m_helpers.clear(), QThreadPool::globalInstance()->setMaxThreadCount(m_threads);
    }
    bool holding() { return m_held.tryAcquire(kHelpers, 10000); }

private:
    static constexpr int kHelpers = 8;
    const int m_threads;
    QSemaphore m_held, m_release;
    std::vector<OrderedParallel::Task> m_helpers;
};
