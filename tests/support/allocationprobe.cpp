#include "allocationprobe.h"

#include <cstdlib>
#include <new>

namespace {

thread_local bool counting = false;
thread_local std::size_t allocations = 0;
thread_local int successesBeforeFailure = 0;
thread_local int failuresLeft = 0;

void noteAllocation ()
{
	if (counting)
		++allocations;
}

// Answers null when the allocation is to fail, else allocates.
void* allocate (std::size_t size)
{
#if !DERAZID_COUNT_MALLOC
	noteAllocation (); // else malloc below counts it
#endif
	if (failuresLeft > 0 && successesBeforeFailure > 0)
		--successesBeforeFailure;
	else if (failuresLeft > 0)
	{
		--failuresLeft;
		return nullptr;
	}
	return std::malloc (size ? size : 1);
}

void* allocateOrThrow (std::size_t size)
{
	void* memory = allocate (size);
	if (!memory)
		throw std::bad_alloc ();
	return memory;
}

} // namespace

namespace AllocationProbe {

void startCounting ()
{
	allocations = 0;
	counting = true;
}

std::size_t stopCounting ()
{
	counting = false;
	return allocations;
}

void failNext (int count, int after)
{
	failuresLeft = count;
	successesBeforeFailure = after;
}

} // namespace AllocationProbe

void* operator new (std::size_t size) { return allocateOrThrow (size); }
void* operator new[] (std::size_t size) { return allocateOrThrow (size); }
void* operator new (std::size_t size, const std::nothrow_t&) noexcept { return allocate (size); }
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept { return allocate (size); }
void operator delete (void* memory) noexcept { std::free (memory); }
void operator delete[] (void* memory) noexcept { std::free (memory); }
void operator delete (void* memory, std::size_t) noexcept { std::free (memory); }
void operator delete[] (void* memory, std::size_t) noexcept { std::free (memory); }
void operator delete (void* memory, const std::nothrow_t&) noexcept { std::free (memory); }
void operator delete[] (void* memory, const std::nothrow_t&) noexcept { std::free (memory); }

#if DERAZID_COUNT_MALLOC
// The C allocation functions too, so that an allocation made outside operator
// new is counted as well. Sanitizer builds bring their own and leave these
// out.
extern "C" {
void* __libc_malloc (std::size_t size);
void* __libc_calloc (std::size_t count, std::size_t size);
void* __libc_realloc (void* memory, std::size_t size);
void __libc_free (void* memory);

void* malloc (std::size_t size)
{
	noteAllocation ();
	return __libc_malloc (size);
}

void* calloc (std::size_t count, std::size_t size)
{
	noteAllocation ();
	return __libc_calloc (count, size);
}

void* realloc (void* memory, std::size_t size)
{
	noteAllocation ();
	return __libc_realloc (memory, size);
}

void free (void* memory) { __libc_free (memory); }
}
#endif
