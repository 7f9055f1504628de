// Walking text in the system's ANSI code page a character at a time. On a
// Far East system (code pages 932, 936, 949, 950) a character may take two
// bytes, and the second byte of such a pair can be any value from 0x40 up:
// "\" (0x5C) and "|" (0x7C) among them. Text searched for one of the ASCII
// characters "\", "|", "." or ":" is therefore walked by character, never
// byte by byte, so that ".ソ" (0x2E 0x83 0x5C in code page 932) holds no
// backslash.
#pragma once

#include <string>

// The position of the character after the one at `pos`: pos + 2 for a lead
// byte followed by another byte (not a NUL), pos + 1 otherwise.
std::string::size_type NextCharPos(const std::string& text, std::string::size_type pos);

// The position of the first character at or after `from` that is one of the
// single-byte characters in `chars`, or npos. The second byte of a
// double-byte character never matches.
std::string::size_type FindCharOf(const std::string& text, const char* chars,
                                  std::string::size_type from = 0);

// The position of the last character that is one of `chars`, or npos.
std::string::size_type FindLastCharOf(const std::string& text, const char* chars);

// Whether the text holds one of `chars` as a character of its own.
inline bool HasCharOf(const std::string& text, const char* chars) {
    return FindCharOf(text, chars) != std::string::npos;
}

// The folder of a path up to and including its last separator ("\", "/" or
// ":"); empty when it has none.
std::string FolderOfPath(const std::string& path);
