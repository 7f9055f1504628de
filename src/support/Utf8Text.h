// UTF-8, the program's own text, and UTF-16, the text of the NT family's
// wide ("W") functions. Both directions are exact for every sequence of
// 16-bit units, an unpaired surrogate included (it is written as the three
// bytes its code would have, as WTF-8 does), so that any name the registry
// holds goes out again as it came in.
#pragma once

#include "platform/Win32.h"

#include <string>

typedef std::basic_string<WCHAR> WideString;

// The UTF-16 of UTF-8 text. A byte that begins no valid sequence becomes
// U+FFFD; text from inside the program never holds one.
WideString WideFromUtf8(const std::string& text);

// The UTF-8 of `length` units of UTF-16 text (up to a NUL when length is -1).
std::string Utf8FromWide(const WCHAR* text, int length = -1);
inline std::string Utf8FromWide(const WideString& text) {
    return Utf8FromWide(text.c_str(), static_cast<int>(text.size()));
}

// Whether the text is well-formed UTF-8 (unpaired surrogates as written by
// Utf8FromWide count as well-formed).
bool IsUtf8(const std::string& text);

// The position of the character after the one starting at `pos` (a byte of a
// sequence is never a character of its own).
std::string::size_type NextUtf8Pos(const std::string& text, std::string::size_type pos);
