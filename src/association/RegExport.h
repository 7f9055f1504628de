// Registry keys written as a REGEDIT4 file, the text form the registry editor
// imports back: a header line, then per key its full name in brackets and one
// line per value, in the system's 8-bit code page with CR LF line ends.
#pragma once

#include "association/KeyImage.h"

#include <string>
#include <vector>

// The file text for the keys and everything below them; a key that does not
// exist gets a comment line instead.
std::string Regedit4Text(const std::vector<TKeyImage>& keys);

// The present state of every direct subkey of `root`, with all below them.
std::vector<TKeyImage> CaptureWholeRoot(HKEY root);
