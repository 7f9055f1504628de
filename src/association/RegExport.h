// Registry keys written as a .reg file, the text form the registry editor
// imports back: a header line, then per key its full name in brackets and one
// line per value, with CR LF line ends. The NT family's editors (Windows 2000
// and later) read and write "Windows Registry Editor Version 5.00" in UTF-16,
// which holds every name and text; the 95 family's read REGEDIT4 in the ANSI
// code page.
#pragma once

#include "association/KeyImage.h"

#include <string>
#include <vector>

// The file's text (UTF-8) for the keys and everything below them; a key that
// does not exist gets a comment line instead. `unicode` chooses the form of
// version 5.00, whose text data in hexadecimal form is UTF-16, over
// REGEDIT4's, whose is in the ANSI code page.
std::string RegFileText(const std::vector<TKeyImage>& keys, bool unicode);

// The bytes of the file for the running system: version 5.00 in UTF-16LE with
// its byte order mark on the NT family, REGEDIT4 in the ANSI code page on
// the 95 family.
std::string RegFileBytes(const std::vector<TKeyImage>& keys);

// The present state of every direct subkey of `root`, with all below them.
// HKEY_CLASSES_ROOT on a system with two stores gives the keys of both
// stores, each under its own root (the user's first).
std::vector<TKeyImage> CaptureWholeRoot(HKEY root);
