// The registry scan: one pass over HKEY_CLASSES_ROOT that rebuilds the class
// index from the association layer. It is the index's only bulk writer; the
// main window runs it at start-up and on request and shows its counts.
#pragma once

#include "index/ZQFileAssoc.h"

// What a scan found.
struct TScanResult {
    // Extension keys visited, those without a class or with an unreadable
    // one included.
    int Extensions = 0;
    // Entries of the index afterwards, the empty class name included.
    int Classes = 0;
    // Extension keys whose default value holds no text (REG_DWORD,
    // REG_BINARY, ...): they are filed under the empty class name, like an
    // extension that names no class, and counted here.
    int Unreadable = 0;
};

// Clears `index` and fills it with every extension key below
// HKEY_CLASSES_ROOT, each filed under the class its default value names.
// The extensions are visited from the last in sort order to the first, so
// each class holds its extensions in descending order; of class names that
// differ only in case the entry keeps the spelling met first. A new entry
// takes the class's description (empty when it can't be read as text).
//
// An unreadable value does not end the scan (see TScanResult::Unreadable).
// Any other error passes to the caller; the index then keeps what was filed
// so far and its update bracket is closed.
TScanResult ScanFileClasses(TFileClass& index);
