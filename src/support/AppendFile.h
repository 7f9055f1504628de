// Appending to a log file so that what was appended survives a crash: every
// append is written through to the disk before it returns.
#pragma once

#include <string>

// Appends `text` to the end of the file (creating it) and flushes it to the
// disk; false when any step fails. A failed append may leave part of the text
// at the end of the file.
bool AppendToFile(const std::string& path, const std::string& text);
