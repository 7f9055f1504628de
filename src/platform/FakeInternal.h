// Links between the units of the native stand-in (not for the core).
#pragma once

#include "platform/FakeWin32.h"

#include <string>

namespace fake {
namespace detail {

// Restores the platform settings of FakeSystem.cpp to their defaults and
// forgets the recorded icon extractions (part of fake::ResetRegistry).
void ResetSystem();

// Forgets the move faults and count of FakeFiles.cpp (part of ResetSystem).
void ResetFiles();

// Whether the version record set is one of the Windows 95/98/ME family, whose
// registry knows no access rights and deletes keys with all their subkeys.
bool Windows9x();

// UTF-16 text (up to its NUL) in UTF-8, and back: the host's file names and
// the environment are UTF-8.
std::string Utf8Of(LPCWSTR text);
std::basic_string<WCHAR> WideOf(const std::string& text);

} // namespace detail
} // namespace fake
