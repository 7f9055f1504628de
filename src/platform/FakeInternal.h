// Links between the units of the native stand-in (not for the core).
#pragma once

#include "platform/FakeRegistryTree.h"
#include "platform/FakeWin32.h"

#include <memory>
#include <string>
#include <vector>

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

// The root key of a predefined handle of FakeRegistry.cpp (HKEY_CURRENT_USER,
// HKEY_LOCAL_MACHINE, ...).
std::shared_ptr<registry::Key> RootKey(HKEY predefined);

// HKEY_CLASSES_ROOT as Windows makes it (FakeClassesView.cpp): on NT 5 and
// later a view of HKEY_CURRENT_USER\Software\Classes over
// HKEY_LOCAL_MACHINE\Software\Classes, elsewhere the machine's key alone.
// The store key (its "Software\Classes") of the user or the machine; the
// machine's is created when missing, the user's only when `create` is set.
std::shared_ptr<registry::Key> ClassesKey(bool user, bool create);
// The key a path below the view starts at: the user's store when it holds
// the path's item (its first name, or its first two below "CLSID"), else the
// machine's.
std::shared_ptr<registry::Key> ViewBase(const std::vector<std::u16string>& components);
// The subkeys the view's root lists: the user's, and the machine's the user's
// store doesn't hold, in the order of their folded names.
std::vector<const registry::Key*> ViewRootSubKeys();
// Whether writing `key` is refused: it lies in the machine's store while
// fake::RefuseMachineClasses is on.
bool MachineClassesRefused(const registry::Key& key);
void ResetClassesView();

// UTF-16 text (up to its NUL) in UTF-8, and back: the host's file names and
// the environment are UTF-8.
std::string Utf8Of(LPCWSTR text);
std::basic_string<WCHAR> WideOf(const std::string& text);

} // namespace detail
} // namespace fake
