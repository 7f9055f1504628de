#include "support/TextCompare.h"

#include "support/SystemFunction.h"
#include "support/SystemText.h"

int CompareText(const std::string& a, const std::string& b) {
    int r = 0;
    const auto compareWide = WideSystem() ? SYSTEM_FUNCTION("kernel32.dll", CompareStringW)
                                          : nullptr;
    if (compareWide) {
        const WideString wa = WideFromUtf8(a), wb = WideFromUtf8(b);
        r = compareWide(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(),
                        static_cast<int>(wa.size()), wb.c_str(), static_cast<int>(wb.size()));
    } else {
        const std::string aa = AnsiFromUtf8(a), ab = AnsiFromUtf8(b);
        r = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, aa.c_str(),
                           static_cast<int>(aa.size()), ab.c_str(), static_cast<int>(ab.size()));
    }
    return r - CSTR_EQUAL; // CSTR_LESS_THAN .. CSTR_GREATER_THAN -> -1 .. 1
}

std::string UpperCaseAZ(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}
