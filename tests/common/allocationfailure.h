#pragma once

#include <cstddef>

// Allocations that fail on demand. Linked into a suite that calls it, this is the process's
// operator new: the items, the standard containers and Qt's hashes use it, Qt's lists malloc.
namespace AllocationFailure {

// The next allocation of at least `bytes` fails, once; 0 drops one still to come.
void failNext(std::size_t bytes);
// How many allocations a thread has asked for while an exception unwound it, since the start:
// there, one that fails ends the program, whatever would catch it.
int whileUnwinding();

} // namespace AllocationFailure
