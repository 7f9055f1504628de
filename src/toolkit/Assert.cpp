#include "toolkit/Assert.h"

std::string AssertionText(const std::string& message, const char* file, int line) {
    const char* name = file ? file : "";
    for (const char* p = name; *p; ++p)
        if (*p == '/' || *p == '\\')
            name = p + 1;
    return message + " (" + name + ", Zeile " + std::to_string(line) + ")";
}

void Assert(bool condition, const std::string& message, const char* file, int line) {
    if (!condition)
        throw EAssertionFailed(AssertionText(message, file, line));
}
