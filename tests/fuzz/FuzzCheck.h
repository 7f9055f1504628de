// Shared by the fuzz targets: a property check that stops the run with a
// message (libFuzzer then saves the input that broke it), and a fresh
// stand-in registry per input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d): %s\n", #condition, __FILE__,        \
                         __LINE__, std::string(what).c_str());                                     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// Bytes as hexadecimal text, for the messages of broken properties.
inline std::string HexDump(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 15];
        text += ' ';
    }
    return text;
}
