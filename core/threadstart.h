#pragma once

#include <QThread>

// QThread::start() only prints a warning when the thread cannot be made (no address space left
// for its stack, the process's limit on threads): whoever starts a thread asks here whether it
// runs, and fails its work as any other failure would rather than wait for an end that never
// comes.
namespace ThreadStart {

// Starts the thread; false when it was not made.
bool start(QThread &thread, QThread::Priority priority = QThread::InheritPriority);

// For tests: the next count threads to be made, QThreads started here and the helper threads of
// OrderedParallel alike, are not made, as if the system had refused them.
void failNext(int count);

// Whether the thread about to be made is one that failNext() refuses; asked once per thread.
bool refused();

} // namespace ThreadStart
