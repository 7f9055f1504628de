// Searching the program's text (UTF-8) for the ASCII characters that
// separate names: "\", "|", ".", ":" and the like. In UTF-8 every byte of a
// character beyond ASCII is 0x80 or more, so an ASCII byte is always that
// character and the text is searched byte by byte. (In a Far East ANSI code
// page the second byte of a character may be 0x5C or 0x7C: ".ソ" is
// 0x2E 0x83 0x5C in code page 932. Such text is converted at the boundary,
// where it enters or leaves the program, and never searched here.)
#pragma once

#include <string>

// The position of the first of the ASCII characters `chars` at or after
// `from`, or npos. A NUL in the text never matches.
std::string::size_type FindCharOf(const std::string& text, const char* chars,
                                  std::string::size_type from = 0);

// The position of the last of the ASCII characters `chars`, or npos.
std::string::size_type FindLastCharOf(const std::string& text, const char* chars);

// Whether the text holds one of the ASCII characters `chars`.
inline bool HasCharOf(const std::string& text, const char* chars) {
    return FindCharOf(text, chars) != std::string::npos;
}

// The folder of a path up to and including its last separator ("\", "/" or
// ":"); empty when it has none.
std::string FolderOfPath(const std::string& path);
