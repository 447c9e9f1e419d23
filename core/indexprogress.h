#pragma once

#include <atomic>

// Between a filter model and the worker that indexes its rows: the model asks the worker to stop,
// and waits only while the worker still reads the items, which a reset of the source may free.
struct IndexProgress
{
    std::atomic_bool cancel { false };
    std::atomic_bool itemsRead { false };
};
