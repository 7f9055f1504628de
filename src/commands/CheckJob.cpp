#include "commands/CheckJob.h"

#include <utility>

TCheckJob::TCheckJob() {
    // Last: the thread sees every member constructed.
    thread_ = std::thread(&TCheckJob::Run, this);
}

TCheckJob::~TCheckJob() {
    Stop();
    if (thread_.joinable())
        thread_.join();
}

void TCheckJob::Run() {
    try {
        result_ = CheckAssociations([this](int checked, int total) {
            total_.store(total);
            checked_.store(checked);
            return !stop_.load();
        });
    } catch (...) {
        error_ = std::current_exception();
    }
    done_.store(true);
}

TCheckResult TCheckJob::Finish() {
    if (thread_.joinable())
        thread_.join();
    if (error_)
        std::rethrow_exception(std::exchange(error_, nullptr));
    return std::move(result_);
}
