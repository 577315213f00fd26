// Counts every allocation of the test program, so that a test can tell that a
// stretch of code allocated nothing. The nothrow forms are replaced too: the
// standard's own would call the replaced new, but AddressSanitizer brings its
// own, and an allocation of its nothrow new freed by this delete is a
// mismatch to it.
#include <atomic>
#include <cstdlib>
#include <new>

#include "TestSupport.h"

namespace {
std::atomic<long> g_allocations{0};

void* Allocate(std::size_t size) noexcept
{
    ++g_allocations;
    return std::malloc(size ? size : 1);
}
} // namespace

long AllocationCount() { return g_allocations.load(); }

void* operator new(std::size_t size)
{
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
