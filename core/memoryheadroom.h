#pragma once

#include <QtGlobal>

// Whether the address space the system still lets the process map is running short. Under a
// limit on it (ulimit -v), a failed allocation inside Qt's containers does not always throw: a
// list copied or squeezed, a variant copied, goes on with a null block and ends the program. Work
// that makes a whole world of items (the import, the load) asks between its steps and gives up,
// with std::bad_alloc, while every step still has room to finish.
namespace MemoryHeadroom {

// What a step may need at most: a new 64 MB heap for a thread's allocator and the largest lists
// grown at once. With it a real world's import under limits of 300 to 1,000 MB ended refused or
// done, never in a crash; it asks for 100 MB or so more than the import needed without it.
constexpr qint64 kMargin = 128 * 1024 * 1024;

// The bytes the limit leaves beyond what is mapped; -1 without a limit (or where it is not known).
qint64 left();
// Throws std::bad_alloc when left() is known and under kMargin.
void check();

// Under a limit the allocator's heaps and the threads' stacks are reserved whole: a heap of
// 64 MB for each thread that allocates (up to eight per core) and 8 MB of stack for each thread.
// A real world loaded under 600 MB reserved two gigabytes for 665 MB in use, and the program
// ended inside Qt wherever an allocation or a thread start then failed. Kept to these, the whole
// program reserves about what it uses; the main thread's stack is the system's.
constexpr int kArenasUnderLimit = 2;
constexpr int kThreadsUnderLimit = 2;
constexpr size_t kThreadStackUnderLimit = 2 * 1024 * 1024;

// Before any thread starts: under a limit, keeps the allocator to kArenasUnderLimit heaps, the
// global thread pool to kThreadsUnderLimit threads and the threads made from then on to stacks of
// kThreadStackUnderLimit. Without a limit nothing changes. Whether it did.
bool fitToLimit();

} // namespace MemoryHeadroom
