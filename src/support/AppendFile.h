// Appending to a log file so that what was appended survives a crash: every
// append is written through to the disk before it returns.
#pragma once

#include <string>

// Appends `text` to the end of the file (creating it) and flushes it to the
// disk; false when any step fails. A failed append is taken back: the file is
// cut back to the length it had, so that no part of the text stays behind.
// Only when even that fails (`cutBack` false) may part of it remain.
bool AppendToFile(const std::string& path, const std::string& text, bool& cutBack);
inline bool AppendToFile(const std::string& path, const std::string& text) {
    bool cutBack = false;
    return AppendToFile(path, text, cutBack);
}

// The file's length with its first and last `count` bytes (all of them when
// it is shorter), so that a process sharing a log can tell cheaply whether
// another one wrote to it. An absent file has length 0. False when the file
// is there but can't be read.
bool ReadFileEnds(const std::string& path, size_t count, size_t& length, std::string& head,
                  std::string& tail);
