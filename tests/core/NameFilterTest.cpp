// The search field's filter: which names pass for a typed text. Runs
// against the stand-in and under Wine, where the system folds the letters.
#include "support/NameFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kNames = {
    ".doc",          ".DOCX",  "Word.Document.8", ".txt",  "txtfile", "",
    "\xC4rger.Datei", // "Ärger.Datei" in Windows-1252
    ".a*b",          "a.b.c",  ".mp3",            "mp3file"};

std::vector<std::string> Passing(const std::string& text) {
    const TNameFilter filter(text);
    std::vector<std::string> passed;
    for (const std::string& name : kNames)
        if (filter.Matches(name))
            passed.push_back(name);
    return passed;
}

} // namespace

TEST(NameFilter, PassesTheNamesThatContainTheTextIgnoringCaseWithWildcards) {
    const struct {
        const char* text;
        std::vector<std::string> passed;
    } cases[] = {
        {"", kNames},
        {"doc", {".doc", ".DOCX", "Word.Document.8"}},
        {"DoC", {".doc", ".DOCX", "Word.Document.8"}},
        {".d", {".doc", ".DOCX", "Word.Document.8", "\xC4rger.Datei"}},
        {"w*8", {"Word.Document.8"}},
        {"*", kNames},
        {"**", kNames},
        {"t?t", {".txt", "txtfile"}},
        {"?", {".doc", ".DOCX", "Word.Document.8", ".txt", "txtfile", "\xC4rger.Datei", ".a*b",
               "a.b.c", ".mp3", "mp3file"}},
        {"?.???", {"Word.Document.8", "\xC4rger.Datei", "a.b.c"}},
        {".???x", {".DOCX"}},
        {"mp3*e", {"mp3file"}},
        {"a*b*c", {"a.b.c"}},
        {"\xE4rger", {"\xC4rger.Datei"}}, // "ärger" finds "Ärger"
        {"3f", {"mp3file"}},
        {"xyz", {}},
        {"docx.", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Passing(c.text), c.passed) << "text \"" << c.text << "\"";
}
