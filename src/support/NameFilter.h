// The filter of a search field over a list of names: a name passes when it
// contains the typed text, ignoring case ("doc" finds ".docx" and
// "Word.Document.8"); "*" in the text stands for any run of characters, "?"
// for any one character ("w*8" finds "Word.Document.8"). Letters are
// compared as the system folds them in its ANSI code page, umlauts included;
// on a Far East system a two-byte character counts as one character and is
// compared as it stands.
#pragma once

#include <array>
#include <string>
#include <vector>

class TNameFilter {
public:
    // The empty text lets every name pass.
    explicit TNameFilter(const std::string& text = std::string());

    bool Empty() const { return pattern_.empty(); }
    bool Matches(const std::string& name) const;

private:
    // One character of a name or of the pattern: a single byte folded to
    // lower case, or a two-byte character as lead * 256 + trail. The pattern
    // also holds the wildcards.
    using TChar = int;
    static constexpr TChar kAnyRun = -1; // "*"
    static constexpr TChar kAnyOne = -2; // "?"
    // Splits text into characters; `wildcards` turns "*" and "?" into theirs.
    void Split(const std::string& text, bool wildcards, std::vector<TChar>& out) const;

    std::array<unsigned char, 256> lower_{};
    std::array<bool, 256> lead_{};
    std::vector<TChar> pattern_;
    mutable std::vector<TChar> name_; // reused by Matches
};
