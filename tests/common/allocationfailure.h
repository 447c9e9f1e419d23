#pragma once

#include <cstddef>

// Allocations that fail on demand, for the suites that check what a shortage of memory does.
// Linked into a suite that uses it, this replaces the process's operator new: every `new`,
// the items' and the standard containers' as well as Qt's hashes (Qt's lists and strings take
// their memory from malloc, and are not seen here).
namespace AllocationFailure {

// The next allocation of at least `bytes` through operator new throws std::bad_alloc, once;
// with sameThread, only one the calling thread asks for.
void failNext(std::size_t bytes, bool sameThread = false);
// Whether the failure armed last has happened; disarm() drops one that has not, and forgets.
bool met();
void disarm();

// From countWhileUnwinding() on, the allocations a thread asks for while an exception unwinds
// it: there a failed one ends the program, whatever catches it.
void countWhileUnwinding();
int whileUnwinding();

} // namespace AllocationFailure
