// The one text order of the program: the platform's locale-aware comparison
// that ignores case (CompareString with LOCALE_USER_DEFAULT and
// NORM_IGNORECASE: the wide form on the NT family, the ANSI form of the text
// in the ANSI code page on the 95 family), so the extension list, the class
// index and sorted list boxes agree.
#pragma once

#include <string>

// Negative, zero or positive as a sorts before, equal to or after b (UTF-8).
int CompareText(const std::string& a, const std::string& b);
// Equal ignoring case in the user's locale.
inline bool SameText(const std::string& a, const std::string& b) {
    return CompareText(a, b) == 0;
}

// The text with the letters a to z in upper case; every other character,
// umlauts among them, stays as it is.
std::string UpperCaseAZ(std::string text);
