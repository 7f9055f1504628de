// The registry scan: one pass over HKEY_CLASSES_ROOT that rebuilds the class
// index from the association layer. It is the index's only bulk writer; the
// main window runs it at start-up and on request and shows its counts.
#pragma once

#include <functional>

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
    // The progress callback stopped the scan; the index is left empty.
    bool Stopped = false;
};

// Told how far a scan has come: the extension keys read so far and their
// total, which the enumeration of HKEY_CLASSES_ROOT gave. It is called once
// after the enumeration (0 of the total) and after every key read; returning
// false stops the scan. A window uses it to show the progress and to handle
// its messages between two reads.
using TScanProgress = std::function<bool(int read, int total)>;

// Clears `index` and fills it with every extension key below
// HKEY_CLASSES_ROOT, each filed under the class its default value names.
// The extensions are visited from the last in sort order to the first, so
// each class holds its extensions in descending order; of class names that
// differ only in case the entry keeps the spelling met first. Only the
// extension keys are read: every entry takes an empty description, which no
// operation of the index returns.
//
// An unreadable value does not end the scan (see TScanResult::Unreadable).
// Any other error passes to the caller; the index then keeps what was filed
// so far and its update bracket is closed.
//
// When `extensions` is given, it receives the extension keys the scan read,
// in the order of GetExtensions (sorted), so that a view listing them right
// after the scan needs no second enumeration; a stopped scan leaves it empty.
TScanResult ScanFileClasses(TFileClass& index, const TScanProgress& progress = nullptr,
                            TStringList* extensions = nullptr);
