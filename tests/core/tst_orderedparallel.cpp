#include "memoryheadroom.h"
#include "orderedparallel.h"

#include <QDeadlineTimer>
#include <QScopeGuard>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <stdexcept>

#include <pthread.h>
#include <sys/resource.h>

class TestOrderedParallel : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount()); }
    void failure_data();
    void failure();
    void busyThreadsNeverKeepTheCallerWaiting();
    void threadStacksShrinkUnderALimitOnly();
};

// An exception anywhere reaches the caller, and no part runs (reading its frame) once it has left.
void TestOrderedParallel::failure_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<QString>("thrower");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("taken");
    // clang-format off
    for (int threads : {1, 4}) {
        const QByteArray on = threads == 1 ? " in the caller" : " on the pool";
        QTest::newRow("run, a part" + on) << threads << "part" << "part 5" << 5;
        QTest::newRow("run, the take" + on) << threads << "take" << "take 3" << 3;
        QTest::newRow("forEach, a part" + on) << threads << "forEach" << "part 5" << 0;
        QTest::newRow("task" + on) << threads << "task" << "task" << 0;
    }
    // clang-format on
}

void TestOrderedParallel::failure()
{
    QFETCH(int, threads);
    QFETCH(QString, thrower);
    QFETCH(QString, expected);
    QFETCH(int, taken);
    QThreadPool::globalInstance()->setMaxThreadCount(threads);
    std::atomic<bool> thrown = false;
    std::atomic<bool> left = false;
    std::atomic<int> lateParts = 0;
    std::atomic<int> begun = 0;
    std::atomic<int> ended = 0;
    std::atomic<bool> poolPastThrow = false;
    int took = 0;
    QString caught;
    QThread *const caller = QThread::currentThread();
    try {
        std::vector<int> frame(40, 1);
        const std::function<int(qsizetype)> make = [&](qsizetype i) {
            ++begun;
            const auto end = qScopeGuard([&ended] { ++ended; });
            if ((thrower == QLatin1String("part") || thrower == QLatin1String("forEach")) && i == 5) {
                thrown = true;
                throw std::runtime_error("part 5");
            }
            // On one core the caller would make every part before a pool thread begins one: its
            // parts wait (ten seconds at most) for a pool part past the throw.
            for (const QDeadlineTimer wait(10000);
                 threads > 1 && QThread::currentThread() == caller && !poolPastThrow && !wait.hasExpired();)
                QThread::yieldCurrentThread();
            // Pool parts beside the throw outlast it until the caller leaves (or a second passes).
            if (QThread::currentThread() != caller && i > 5) {
                poolPastThrow = true;
                while (!thrown.load())
                    QThread::yieldCurrentThread();
                const QDeadlineTimer deadline(1000);
                while (!left.load() && !deadline.hasExpired())
                    QThread::yieldCurrentThread();
            }
            if (left.load())
                ++lateParts;
            return frame[size_t(i)];
        };
        if (thrower == QLatin1String("task")) {
            const OrderedParallel::Task task = OrderedParallel::beside([] { throw std::runtime_error("task"); });
            task.wait();
        } else if (thrower == QLatin1String("forEach")) {
            OrderedParallel::forEach(40, [&make](qsizetype i) { make(i); });
        } else {
            OrderedParallel::run<int>(40, make, [&](qsizetype i, int &&) {
                if (thrower == QLatin1String("take") && i == 3) {
                    thrown = true;
                    throw std::runtime_error("take 3");
                }
                ++took;
            });
        }
    } catch (const std::runtime_error &error) {
        left = true;
        caught = QString::fromLatin1(error.what());
    }
    QCOMPARE(caught, expected);
    QCOMPARE(took, taken);
    QTRY_COMPARE(ended.load(), begun.load());
    QCOMPARE(lateParts.load(), 0);
}

// Every thread taken (eight at most): the caller makes the parts itself, in order, and its task too.
void TestOrderedParallel::busyThreadsNeverKeepTheCallerWaiting()
{
    QThreadPool::globalInstance()->setMaxThreadCount(64);
    QSemaphore release;
    std::atomic<int> blocking = 0;
    std::vector<OrderedParallel::Task> blockers;
    for (int i = 0; i < 8; ++i)
        blockers.push_back(OrderedParallel::beside([&] { ++blocking, release.acquire(); }));
    const auto freeThreads = qScopeGuard([&] {
        release.release(8);
        for (const OrderedParallel::Task &blocker : blockers)
            blocker.wait();
    });
    QTRY_COMPARE(blocking.load(), 8);
    QList<qsizetype> order;
    QThread *const caller = QThread::currentThread();
    std::atomic<int> onPool = 0;
    OrderedParallel::run<qsizetype>(
        8,
        [&](qsizetype i) {
            // A ninth thread, were there one, would begin a part within these two seconds.
            for (const QDeadlineTimer deadline(2000); i == 0 && onPool == 0 && !deadline.hasExpired();)
                QThread::yieldCurrentThread();
            onPool += QThread::currentThread() != caller;
            return i * 10;
        },
        [&order](qsizetype, qsizetype &&made) { order.append(made); });
    QCOMPARE(onPool.load(), 0);
    QCOMPARE(order, QList<qsizetype>({0, 10, 20, 30, 40, 50, 60, 70}));
    std::atomic<int> done = 0;
    OrderedParallel::forEach(8, [&done](qsizetype) { ++done; });
    OrderedParallel::beside([&done] { done += 100; }).wait();
    QCOMPARE(done.load(), 108);
}

// Thread stacks and the pool's threads are cut only under a limit on the address space.
void TestOrderedParallel::threadStacksShrinkUnderALimitOnly()
{
    rlimit before{};
    pthread_attr_t defaults;
    QVERIFY(getrlimit(RLIMIT_AS, &before) == 0 && pthread_getattr_default_np(&defaults) == 0);
    const auto restore = qScopeGuard(
        [&] { setrlimit(RLIMIT_AS, &before), pthread_setattr_default_np(&defaults), pthread_attr_destroy(&defaults); });
    size_t system = 0, stack = 0;
    pthread_attr_getstacksize(&defaults, &system);
    for (rlimit limit : {rlimit{RLIM_INFINITY, before.rlim_max}, rlimit{RLIM_INFINITY - 1, before.rlim_max}}) {
        const bool limited = limit.rlim_cur != RLIM_INFINITY;
        pthread_attr_t now;
        QVERIFY(setrlimit(RLIMIT_AS, &limit) == 0);
        QCOMPARE(MemoryHeadroom::fitToLimit(), limited);
        pthread_getattr_default_np(&now), pthread_attr_getstacksize(&now, &stack), pthread_attr_destroy(&now);
        QCOMPARE(stack, limited ? std::min<size_t>(system, 2 << 20) : system);
        QCOMPARE(QThreadPool::globalInstance()->maxThreadCount(),
                 limited ? std::min(QThread::idealThreadCount(), 2) : QThread::idealThreadCount());
    }
}

QTEST_GUILESS_MAIN(TestOrderedParallel)
#include "tst_orderedparallel.moc"
