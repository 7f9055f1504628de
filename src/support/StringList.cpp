#include "support/StringList.h"

#include "support/TextCompare.h"

#include <algorithm>

void TStringList::Sort() {
    auto less = [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; };
    // The registry mostly lists names in this order already (the extension
    // list), and a check costs n - 1 comparisons against the sort's n log n;
    // each comparison is a locale-aware platform call.
    if (std::is_sorted(items_.begin(), items_.end(), less))
        return;
    std::stable_sort(items_.begin(), items_.end(), less);
}

bool TStringList::InStrictOrder() const {
    for (int i = 1; i < Count(); ++i)
        if (CompareText(items_[i - 1], items_[i]) >= 0)
            return false;
    return true;
}

int TStringList::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(items_[i], s))
            return i;
    return -1;
}
