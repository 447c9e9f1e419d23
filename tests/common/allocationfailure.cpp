#include "allocationfailure.h"

#include <atomic>
#include <cstdlib>
#include <exception>
#include <new>

namespace {

std::atomic<std::size_t> g_failFrom = 0;
std::atomic<int> g_whileUnwinding = 0;

void *allocate(std::size_t size, bool orNull)
{
    g_whileUnwinding += std::uncaught_exceptions() > 0 ? 1 : 0;
    std::size_t from = g_failFrom.load(std::memory_order_relaxed);
    const bool fails = from != 0 && size >= from && g_failFrom.compare_exchange_strong(from, 0);
    void *block = fails ? nullptr : std::malloc(size == 0 ? 1 : size);
    if (!block && !orNull)
        throw std::bad_alloc();
    return block;
}

} // namespace

// Every form but the aligned ones, which keep the library's: the sanitizers report a block given
// back to another allocator than the one it came from.
// clang-format off
void AllocationFailure::failNext(std::size_t bytes) { g_failFrom = bytes; }
int AllocationFailure::whileUnwinding() { return g_whileUnwinding; }
void *operator new(std::size_t size) { return allocate(size, false); }
void *operator new[](std::size_t size) { return allocate(size, false); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept { return allocate(size, true); }
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept { return allocate(size, true); }
void operator delete(void *block) noexcept { std::free(block); }
void operator delete[](void *block) noexcept { std::free(block); }
void operator delete(void *block, std::size_t) noexcept { std::free(block); }
void operator delete[](void *block, std::size_t) noexcept { std::free(block); }
void operator delete(void *block, const std::nothrow_t &) noexcept { std::free(block); }
void operator delete[](void *block, const std::nothrow_t &) noexcept { std::free(block); }
// clang-format on
