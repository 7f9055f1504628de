#include "support/TextCompare.h"

#include "support/SystemFunction.h"
#include "support/SystemText.h"

namespace {

// The UTF-16 of UTF-8 text: a short ASCII text (most names the lists sort)
// widened into `stack` without an allocation, any other into `heap`.
const size_t kStack = 128;
const WCHAR* Widen(const std::string& text, WCHAR (&stack)[kStack], WideString& heap, int& length) {
    bool ascii = text.size() <= kStack;
    for (size_t i = 0; ascii && i < text.size(); ++i) {
        ascii = static_cast<unsigned char>(text[i]) < 0x80;
        stack[i] = static_cast<WCHAR>(text[i]);
    }
    if (ascii) {
        length = static_cast<int>(text.size());
        return stack;
    }
    heap = WideFromUtf8(text);
    length = static_cast<int>(heap.size());
    return heap.c_str();
}

} // namespace

int CompareText(const std::string& a, const std::string& b) {
    int r = 0;
    const auto compareWide =
        WideSystem() ? SYSTEM_FUNCTION("kernel32.dll", CompareStringW) : nullptr;
    if (compareWide) {
        WCHAR stackA[kStack], stackB[kStack];
        WideString heapA, heapB;
        int lengthA = 0, lengthB = 0;
        const WCHAR* wa = Widen(a, stackA, heapA, lengthA);
        const WCHAR* wb = Widen(b, stackB, heapB, lengthB);
        r = compareWide(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa, lengthA, wb, lengthB);
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
