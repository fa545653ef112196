// Replaces the global operator new and delete of the test binary that links
// it, so a test can count the heap allocations made on its own thread, or
// make them fail. Outside sanitizer builds (DERAZID_COUNT_MALLOC) malloc,
// calloc and realloc are counted too.
#pragma once

#include <cstddef>

namespace AllocationProbe {

// Counts allocations on the calling thread from now on.
void startCounting ();
// Stops counting and answers how many allocations were made since start.
std::size_t stopCounting ();
// After the next `after` allocations on the calling thread, the following
// `count` fail: throwing forms throw std::bad_alloc, nothrow forms answer
// null.
void failNext (int count, int after = 0);

// RAII form of startCounting/stopCounting.
class Counter
{
public:
	Counter () { startCounting (); }
	~Counter () { if (!stopped) stopCounting (); }
	std::size_t stop () { stopped = true; return stopCounting (); }

private:
	bool stopped = false;
};

} // namespace AllocationProbe
