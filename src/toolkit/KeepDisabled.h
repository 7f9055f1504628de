// Disables windows, menu items or tool buttons while it lives and gives each
// its enabled state back afterwards: a form that waits for a long operation,
// and handles the messages meanwhile, keeps its commands from being used in
// between.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// T is any kind with Enabled() and SetEnabled(bool).
template <typename T> class TKeepDisabled {
public:
    explicit TKeepDisabled(std::vector<T*> items) : items_(std::move(items)) {
        for (T* item : items_) {
            states_.push_back(item->Enabled());
            item->SetEnabled(false);
        }
    }
    ~TKeepDisabled() {
        for (std::size_t i = 0; i < items_.size(); ++i)
            items_[i]->SetEnabled(states_[i]);
    }
    TKeepDisabled(const TKeepDisabled&) = delete;
    TKeepDisabled& operator=(const TKeepDisabled&) = delete;

private:
    std::vector<T*> items_;
    std::vector<bool> states_;
};
