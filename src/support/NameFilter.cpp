#include "support/NameFilter.h"

#include "support/SystemText.h"
#include "support/Utf8Text.h"

TNameFilter::TNameFilter(const std::string& text) {
    // ASCII folds as everywhere; other characters are asked of the system
    // once each (Lower).
    for (int b = 0; b < 128; ++b)
        lower_[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
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

TNameFilter::TChar TNameFilter::Lower(TChar code) const {
    const auto known = lowerBeyond_.find(code);
    if (known != lowerBeyond_.end())
        return known->second;
    const auto lower = static_cast<TChar>(SystemLowerCase(static_cast<unsigned long>(code)));
    lowerBeyond_.emplace(code, lower);
    return lower;
}

void TNameFilter::Split(const std::string& text, bool wildcards, std::vector<TChar>& out) const {
    out.clear();
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            ++i;
            if (wildcards && b == '*')
                out.push_back(kAnyRun);
            else if (wildcards && b == '?')
                out.push_back(kAnyOne);
            else
                out.push_back(lower_[b]);
            continue;
        }
        const size_t next = NextUtf8Pos(text, i);
        const WideString wide = WideFromUtf8(text.substr(i, next - i));
        TChar code = static_cast<unsigned short>(wide[0]);
        if (wide.size() == 2)
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<unsigned short>(wide[1]) - 0xDC00);
        out.push_back(Lower(code));
        i = next;
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
