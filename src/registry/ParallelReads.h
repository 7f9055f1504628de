// Long runs of registry reads spread over a few threads. Each request waits
// for its answer (under Wine a round trip to the registry's server, about
// 70 microseconds, most of it waiting), so a few threads asking at once get
// through thousands of reads in a fraction of the time one thread takes.
// For reads only: the order in which the items are read is not fixed.
#pragma once

#include <cstddef>
#include <functional>

// Calls read(i) for every i below `count` on the calling thread and, for
// every four items, one more thread, up to four in all; returns when all
// are done. The threads read through the merged view as the calling thread does (they
// share its list of this user's items, see TKnownUserItems). An exception
// from a read stops the others taking new items and is raised again here
// (the first one, when several raise).
void ReadInParallel(size_t count, const std::function<void(size_t)>& read);
