#pragma once

#include <cstddef>

// Linked into a suite, this is the process's operator new (Qt's lists malloc, so only its hashes use it).
namespace AllocationFailure {
// The next allocation of at least `bytes` fails, once; 0 drops one still to come.
void failNext(std::size_t bytes);
// Allocations asked for while an exception unwound a thread: there a failure ends the program.
int whileUnwinding();
} // namespace AllocationFailure
