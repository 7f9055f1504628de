// The filter of a search field over a list of names: a name passes when it
// contains the typed text, ignoring case ("doc" finds ".docx" and
// "Word.Document.8"); "*" in the text stands for any run of characters, "?"
// for any one character ("w*8" finds "Word.Document.8"). Letters are
// compared as the system folds them, umlauts and Greek included; a character
// of several UTF-8 bytes counts as one.
#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

class TNameFilter {
public:
    // The empty text lets every name pass.
    explicit TNameFilter(const std::string& text = std::string());

    bool Empty() const { return pattern_.empty(); }
    bool Matches(const std::string& name) const;

private:
    // One character of a name or of the pattern: its Unicode code folded to
    // lower case. The pattern also holds the wildcards.
    using TChar = int;
    static constexpr TChar kAnyRun = -1; // "*"
    static constexpr TChar kAnyOne = -2; // "?"
    // Splits text into characters; `wildcards` turns "*" and "?" into theirs.
    void Split(const std::string& text, bool wildcards, std::vector<TChar>& out) const;

    // The folding of a character beyond ASCII, asked of the system once.
    TChar Lower(TChar code) const;

    std::array<unsigned char, 128> lower_{};
    mutable std::unordered_map<TChar, TChar> lowerBeyond_;
    std::vector<TChar> pattern_;
    mutable std::vector<TChar> name_; // reused by Matches
};
