// A registry scan on a thread of its own, so that the window can be created,
// shown and kept responsive while the index is read. The job reads into an
// index of its own, which nobody else sees until it has ended; the owner
// follows its progress through the counters and takes the result over with
// Finish. Only the job's thread touches the registry objects of the scan.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "index/FileClassScan.h"

class TScanJob {
public:
    // Starts the scan at once. `observer`, when given, is told the progress
    // on the scan's thread (after the counters have moved) and may stop the
    // scan by returning false, as a TScanProgress does.
    explicit TScanJob(TScanProgress observer = nullptr);
    // Stops a scan that still runs and waits for its thread.
    ~TScanJob();
    TScanJob(const TScanJob&) = delete;
    TScanJob& operator=(const TScanJob&) = delete;

    // Extension keys read so far, and their total; Counted() is false until
    // the enumeration has told the total.
    int Read() const { return read_.load(); }
    int Total() const { return total_.load(); }
    bool Counted() const { return counted_.load(); }
    // The scan has ended: completed, stopped or failed.
    bool Done() const { return done_.load(); }
    // Milliseconds since the job was started.
    unsigned Elapsed() const;

    // Asks the scan to stop before its next key; it then ends as stopped.
    void Stop() { stop_.store(true); }
    // Runs `finished` on the scan's thread when the scan ends, or here and
    // now when it has ended already; the one given last counts.
    void OnFinished(std::function<void()> finished);

    // Waits for the end of the scan and hands its result over. A completed
    // scan's index is swapped into `index` and its extension keys into
    // `extensions` (when given); a stopped one leaves both as they are. The
    // scan's error, if it failed, is raised here. Call it once.
    TScanResult Finish(TFileClass& index, TStringList* extensions);

private:
    void Run();

    TScanProgress observer_;
    std::atomic<int> read_{0};
    std::atomic<int> total_{0};
    std::atomic<bool> counted_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    const std::chrono::steady_clock::time_point started_;
    // Written by the scan's thread only, read after it has been joined.
    std::unique_ptr<TFileClass> index_;
    std::unique_ptr<TStringList> extensions_;
    TScanResult result_;
    std::exception_ptr error_;
    // Guards the hand-over of `finished_` between the two threads.
    std::mutex mutex_;
    std::function<void()> finished_;
    std::thread thread_;
};
