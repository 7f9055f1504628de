#include "index/ScanJob.h"

#include <utility>

#include "support/StringList.h"

TScanJob::TScanJob(TScanProgress observer)
    : observer_(std::move(observer)), started_(std::chrono::steady_clock::now()),
      index_(std::make_unique<TFileClass>()), extensions_(std::make_unique<TStringList>()) {
    // Last: the thread sees every member constructed.
    thread_ = std::thread(&TScanJob::Run, this);
}

TScanJob::~TScanJob() {
    Stop();
    if (thread_.joinable())
        thread_.join();
}

unsigned TScanJob::Elapsed() const {
    return static_cast<unsigned>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now() - started_)
                                     .count());
}

void TScanJob::Run() {
    auto progress = [this](int read, int total) {
        total_.store(total);
        read_.store(read);
        counted_.store(true);
        if (observer_ && !observer_(read, total))
            return false;
        return !stop_.load();
    };
    try {
        result_ = ScanFileClasses(*index_, progress, extensions_.get());
    } catch (...) {
        error_ = std::current_exception();
    }
    std::function<void()> finished;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        done_.store(true);
        finished = std::move(finished_);
    }
    if (finished)
        finished();
}

void TScanJob::OnFinished(std::function<void()> finished) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!done_.load()) {
            finished_ = std::move(finished);
            return;
        }
    }
    if (finished)
        finished();
}

TScanResult TScanJob::Finish(TFileClass& index, TStringList* extensions) {
    if (thread_.joinable())
        thread_.join();
    if (error_)
        std::rethrow_exception(std::exchange(error_, nullptr));
    if (!result_.Stopped) {
        index.Swap(*index_);
        if (extensions)
            std::swap(*extensions, *extensions_);
    }
    return result_;
}
