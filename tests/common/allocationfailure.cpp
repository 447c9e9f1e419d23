#include "allocationfailure.h"

#include <atomic>
#include <cstdlib>
#include <exception>
#include <new>
#include <thread>

namespace {

// 0 when nothing is armed.
std::atomic<std::size_t> g_failFrom = 0;
std::atomic<bool> g_sameThread = false;
std::atomic<std::thread::id> g_thread;
std::atomic<bool> g_met = false;
std::atomic<bool> g_counting = false;
std::atomic<int> g_whileUnwinding = 0;

void *allocate(std::size_t size)
{
    std::size_t from = g_failFrom.load(std::memory_order_relaxed);
    if (from != 0 && size >= from && (!g_sameThread || g_thread.load() == std::this_thread::get_id())
        && g_failFrom.compare_exchange_strong(from, 0)) {
        g_met = true;
        throw std::bad_alloc();
    }
    if (g_counting.load(std::memory_order_relaxed) && std::uncaught_exceptions() > 0)
        ++g_whileUnwinding;
    if (void *block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

} // namespace

namespace AllocationFailure {

void failNext(std::size_t bytes, bool sameThread)
{
    g_met = false;
    g_thread = std::this_thread::get_id();
    g_sameThread = sameThread;
    g_failFrom = bytes;
}

bool met()
{
    return g_met;
}

void disarm()
{
    g_failFrom = 0;
    g_met = false;
}

void countWhileUnwinding()
{
    g_whileUnwinding = 0;
    g_counting = true;
}

int whileUnwinding()
{
    return g_whileUnwinding;
}

} // namespace AllocationFailure

void *operator new(std::size_t size)
{
    return allocate(size);
}

void *operator new[](std::size_t size)
{
    return allocate(size);
}

void operator delete(void *block) noexcept
{
    std::free(block);
}

void operator delete[](void *block) noexcept
{
    std::free(block);
}

void operator delete(void *block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void *block, std::size_t) noexcept
{
    std::free(block);
}

// The forms that answer null rather than throw: all of them, or the sanitizers see blocks of one
// allocator given back to another.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void operator delete(void *block, const std::nothrow_t &) noexcept
{
    std::free(block);
}

void operator delete[](void *block, const std::nothrow_t &) noexcept
{
    std::free(block);
}
