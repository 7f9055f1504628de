// Reading a .reg file, the text the registry editor imports (and RegExport
// writes), as a profile: the keys it makes or deletes and the values it sets
// or deletes. "REGEDIT4" files are text of the ANSI code page (UTF-8 when
// they are well-formed UTF-8); "Windows Registry Editor Version 5.00" files
// UTF-16LE with a byte order mark (or UTF-8). A profile may reach the file
// classes alone: a key outside HKEY_CLASSES_ROOT and the classes stores of
// the user and of the machine refuses the whole file.
#pragma once

#include "registry/RawKey.h"

#include <string>
#include <vector>

struct TRegFileValue {
    TRawValue Value;
    bool Delete = false; // "name"=-
    int Line = 0;
};

struct TRegFileKey {
    HKEY Root = HKEY_CLASSES_ROOT;
    // Below Root, as the file spells it.
    std::string Path;
    // As the file names it, for messages and the plan.
    std::string FullName;
    bool Delete = false; // [-key]
    std::vector<TRegFileValue> Values;
    int Line = 0;
};

// The root and `path` a key `fullName` of a file is written at; null when it
// lies outside every classes store (or is a store itself).
// HKEY_CLASSES_ROOT, HKEY_CURRENT_USER\Software\Classes and
// HKEY_LOCAL_MACHINE\Software\Classes are accepted, names without regard to
// case. A key under HKEY_CLASSES_ROOT goes where the program's changes go
// (the chosen store); a key under one of the two stores goes to that store
// on systems that keep two, else through HKEY_CLASSES_ROOT.
HKEY ClassesStoreOf(const std::string& fullName, std::string& path);

// The keys of the file's bytes in their order. Raises EProfileError naming
// `fileName`, the line and the cause for anything it can't read: a missing
// header, a key outside the classes, a value outside a key, a value it can't
// parse.
std::vector<TRegFileKey> ReadRegFile(const std::string& fileName, const std::string& bytes);
