#include "support/NameFilter.h"

#include "platform/Win32.h"

TNameFilter::TNameFilter(const std::string& text) {
    // The system's folding of each single-byte character, asked once per
    // filter rather than once per name.
    for (int b = 0; b < 256; ++b) {
        lead_[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
        char c[2] = {static_cast<char>(b), '\0'};
        if (b != 0 && !lead_[b])
            CharLowerBuffA(c, 1);
        lower_[b] = static_cast<unsigned char>(c[0]);
    }
    Split(text, true, pattern_);
    // The text may stand anywhere in a name: the pattern is wrapped in
    // "*...*", and runs of "*" are one.
    if (pattern_.empty())
        return;
    std::vector<TChar> wrapped{kAnyRun};
    for (TChar c : pattern_)
        if (c != kAnyRun || wrapped.back() != kAnyRun)
            wrapped.push_back(c);
    if (wrapped.back() != kAnyRun)
        wrapped.push_back(kAnyRun);
    pattern_.swap(wrapped);
}

void TNameFilter::Split(const std::string& text, bool wildcards, std::vector<TChar>& out) const {
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (lead_[b] && i + 1 < text.size()) {
            out.push_back(b * 256 + static_cast<unsigned char>(text[++i]));
        } else if (wildcards && b == '*') {
            out.push_back(kAnyRun);
        } else if (wildcards && b == '?') {
            out.push_back(kAnyOne);
        } else {
            out.push_back(lower_[b]);
        }
    }
}

bool TNameFilter::Matches(const std::string& name) const {
    if (pattern_.empty())
        return true;
    Split(name, false, name_);
    // Matching with wildcards: on a mismatch the last "*" takes one more
    // character of the name and the rest of the pattern is tried again.
    const size_t n = name_.size(), m = pattern_.size();
    size_t i = 0, j = 0, star = m, mark = 0;
    while (i < n) {
        if (j < m && (pattern_[j] == kAnyOne || pattern_[j] == name_[i])) {
            ++i;
            ++j;
        } else if (j < m && pattern_[j] == kAnyRun) {
            star = j++;
            mark = i;
        } else if (star < m) {
            j = star + 1;
            i = ++mark;
        } else {
            return false;
        }
    }
    while (j < m && pattern_[j] == kAnyRun)
        ++j;
    return j == m;
}
