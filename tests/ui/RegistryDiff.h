// The whole registry below HKEY_CLASSES_ROOT (the test's scratch root) as a
// sorted set of lines, one per key and one per value, and the difference of
// two such pictures, so a test can state exactly what a command changed.
//
// A key reads `.abc\ShellNew`; a value reads `.abc\ShellNew\[Command]=text`
// (the default value has the empty name `[]`), with DWORD values as
// `dword:24` and other types as `type N:` followed by hexadecimal bytes.
#pragma once

#include <set>
#include <string>
#include <vector>

using TRegistryPicture = std::set<std::string>;

TRegistryPicture PictureOfClassesRoot();

// Deletes every key below HKEY_CLASSES_ROOT (the test's scratch root), so a
// table of cases can start each from an empty registry.
void EmptyClassesRoot();

// Lines only in `after` with "+ ", lines only in `before` with "- ", the
// removed ones first, each group sorted.
std::vector<std::string> Difference(const TRegistryPicture& before, const TRegistryPicture& after);
