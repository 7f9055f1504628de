// A list of strings owned by the caller, as the layer's list operations take
// it: items, a case-insensitive sort in the platform's text order, and an
// update bracket (BeginUpdate/EndUpdate) that a view can use to hold redraws.
#pragma once

#include <string>
#include <vector>

class TStringList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const { return items_.at(index); }
    void Add(std::string s) { items_.push_back(std::move(s)); }
    void Insert(int index, std::string s) { items_.insert(items_.begin() + index, std::move(s)); }
    void Delete(int index) { items_.erase(items_.begin() + index); }
    void Clear() { items_.clear(); }
    // Sorted with CompareText; a stable sort, so equal names keep their order.
    void Sort();
    // Whether every item sorts strictly after the one before it (CompareText).
    bool InStrictOrder() const;
    // Index of the first item equal to s ignoring case, or -1.
    int IndexOf(const std::string& s) const;

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate() {
        if (updateCount_ > 0)
            --updateCount_;
    }
    bool Updating() const { return updateCount_ > 0; }

    const std::vector<std::string>& Items() const { return items_; }
    std::vector<std::string>::const_iterator begin() const { return items_.begin(); }
    std::vector<std::string>::const_iterator end() const { return items_.end(); }

private:
    std::vector<std::string> items_;
    int updateCount_ = 0;
};

// Holds a list's update bracket for one scope, so it is ended on every path.
class TListUpdate {
public:
    explicit TListUpdate(TStringList& list) : list_(list) { list_.BeginUpdate(); }
    ~TListUpdate() { list_.EndUpdate(); }
    TListUpdate(const TListUpdate&) = delete;
    TListUpdate& operator=(const TListUpdate&) = delete;

private:
    TStringList& list_;
};
