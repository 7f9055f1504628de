// The check of the associations on a thread of its own, so that its window
// stays responsive and can stop it. The owner follows the progress through
// the counters and takes the result with Finish; only the job's thread runs
// the check.
#pragma once

#include "commands/AssociationCheck.h"

#include <atomic>
#include <exception>
#include <thread>

class TCheckJob {
public:
    // Starts the check at once.
    TCheckJob();
    // Stops a check that still runs and waits for its thread.
    ~TCheckJob();
    TCheckJob(const TCheckJob&) = delete;
    TCheckJob& operator=(const TCheckJob&) = delete;

    // Extensions checked so far, and their total (0 until enumerated).
    int Checked() const { return checked_.load(); }
    int Total() const { return total_.load(); }
    bool Done() const { return done_.load(); }
    // Asks the check to stop after the extension it is at.
    void Stop() { stop_.store(true); }

    // Waits for the end and hands the result over (a stopped check's holds
    // what was found so far); the check's error, if it failed, is raised
    // here. Call it once.
    TCheckResult Finish();

private:
    void Run();

    std::atomic<int> checked_{0};
    std::atomic<int> total_{0};
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    // Written by the job's thread only, read after it has been joined.
    TCheckResult result_;
    std::exception_ptr error_;
    std::thread thread_;
};
