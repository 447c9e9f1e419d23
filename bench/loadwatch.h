#pragma once

#include "database.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

// Loads the stored database on its own thread as the splash does, with the main thread's event
// loop ticking every millisecond: the longest gap between two ticks is the longest the user
// interface would freeze.
struct LoadWatch
{
    bool result = false;
    qint64 nanoseconds = 0;
    qint64 longestStall = 0;

    static LoadWatch run(Database &database)
    {
        LoadWatch watch;
        QTimer ticker;
        ticker.setInterval(1);
        QElapsedTimer sinceTick;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            watch.longestStall = qMax(watch.longestStall, sinceTick.nsecsElapsed());
            sinceTick.restart();
        });
        QEventLoop loop;
        const auto connection = QObject::connect(&database, &Database::loaded, &loop, [&](bool ok) {
            watch.result = ok;
            loop.quit();
        });
        QElapsedTimer timer;
        timer.start();
        sinceTick.start();
        ticker.start();
        database.loadAsync();
        loop.exec();
        watch.nanoseconds = timer.nsecsElapsed();
        // The last stretch, the lists handed over and the views told, ended the loop.
        watch.longestStall = qMax(watch.longestStall, sinceTick.nsecsElapsed());
        ticker.stop();
        QObject::disconnect(connection);
        database.wait();
        return watch;
    }
};
