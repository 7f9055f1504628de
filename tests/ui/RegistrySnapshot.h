// The whole registry below HKEY_CLASSES_ROOT (the test's scratch root) as a
// sorted map, and the difference of two such pictures, so that a test can
// state exactly what a command changed.
#pragma once

#include <map>
#include <string>
#include <vector>

// Every key ("key\sub") and every value ("key\sub=name", the default value
// with the empty name) mapped to a text of its type and data ("" for keys).
using TRegistrySnapshot = std::map<std::string, std::string>;

TRegistrySnapshot TakeRegistrySnapshot();

// The changes from `before` to `after`, sorted: "+path" for what came,
// "-path" for what went, "~path" for a value whose type or data changed.
std::vector<std::string> RegistryChanges(const TRegistrySnapshot& before,
                                         const TRegistrySnapshot& after);
