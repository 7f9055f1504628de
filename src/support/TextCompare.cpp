#include "support/TextCompare.h"

#include "platform/Win32.h"

int CompareText(const std::string& a, const std::string& b) {
    int r = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                           static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()));
    return r - CSTR_EQUAL; // CSTR_LESS_THAN .. CSTR_GREATER_THAN -> -1 .. 1
}

std::string UpperCaseAZ(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}
