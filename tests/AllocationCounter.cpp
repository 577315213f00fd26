// Counts every allocation of the test program, so that a test can tell that a
// stretch of code allocated nothing.
#include <atomic>
#include <cstdlib>
#include <new>

#include "TestSupport.h"

namespace {
std::atomic<long> g_allocations{0};
}

long AllocationCount() { return g_allocations.load(); }

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
