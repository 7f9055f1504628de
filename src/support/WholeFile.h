// Reading and replacing a small file as a whole. Replacing goes through a
// temporary file beside the target that is moved over it (MoveOver), so a
// write that fails half-way leaves the previous contents in place.
#pragma once

#include <string>

// Reads the whole file into `contents`; false (and `contents` empty) when it
// is absent or can't be read. A file that a replacement cut off on Windows
// 95, 98 or ME left only renamed aside is put back and read (PutBackAside).
bool ReadWholeFile(const std::string& path, std::string& contents);

// Whether the file exists and can be replaced: false for a read-only file, a
// folder, or a file that exists but can't be read (replacing it would lose
// what it holds). An absent file counts as replaceable.
bool CanReplaceFile(const std::string& path);

// Replaces the file's contents (creating the file as needed) through a
// temporary file in the same folder; false when any step fails, in which case
// the file keeps its previous contents.
bool ReplaceWholeFile(const std::string& path, const std::string& contents);
