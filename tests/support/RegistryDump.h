// The whole content of a registry tree as one text, read straight through the
// Windows API (the wide functions): every key path in UTF-8, every value
// with its type and bytes as stored (text in UTF-16). Two dumps
// are equal exactly when the trees are, so a test compares the registry
// before and after with one assertion.
#pragma once

#include "platform/Win32.h"

#include <string>

std::string DumpRegistry(HKEY root = HKEY_CLASSES_ROOT);

// HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER: both stores of the classes, of
// which HKEY_CLASSES_ROOT is a view, with everything else they hold.
std::string DumpStores();
