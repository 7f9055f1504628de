#include "support/StringList.h"

#include "support/TextCompare.h"

#include <algorithm>

void TStringList::Sort() {
    std::stable_sort(items_.begin(), items_.end(), [](const std::string& a, const std::string& b) {
        return CompareText(a, b) < 0;
    });
}

int TStringList::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(items_[i], s))
            return i;
    return -1;
}
