#include "registry/ParallelReads.h"

#include "registry/ClassesStore.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Four threads keep the registry busy under Wine (3.6 times one thread's
// reads on two cores); on Windows, whose requests cost little waiting, they
// cost little more than one.
const size_t kReaders = 4;

// Below this many items the threads cost more than they save.
const size_t kFewItems = 4;

} // namespace

void ReadInParallel(size_t count, const std::function<void(size_t)>& read) {
    const size_t threads = std::min(kReaders, count / kFewItems + 1);
    if (threads <= 1) {
        for (size_t i = 0; i < count; ++i)
            read(i);
        return;
    }
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr first;
    std::mutex firstMutex;
    const TKnownUserItems* const known = TKnownUserItems::Current();
    const auto work = [&] {
        try {
            for (size_t i; !failed && (i = next++) < count;)
                read(i);
        } catch (...) {
            std::lock_guard<std::mutex> lock(firstMutex);
            if (!first)
                first = std::current_exception();
            failed = true;
        }
    };
    std::vector<std::thread> helpers;
    const auto helper = [&] {
        // The calling thread's list of this user's items, for this thread.
        TKnownUserItems forward(known ? TKnownUserItems::THolds([known](const std::string& item) {
            return known->UserHolds(item);
        })
                                      : TKnownUserItems::THolds());
        work();
    };
    for (size_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(helper);
        } catch (const std::system_error&) {
            break; // no more threads: those there do the work
        }
    }
    work();
    for (std::thread& helper : helpers)
        helper.join();
    if (first)
        std::rethrow_exception(first);
}
