// The writer for tests of the association layer that don't look at undo: it
// writes without a journal.
#pragma once

#include "association/RegistryWriter.h"

inline TRegistryWriter& NoUndo() {
    static TRegistryWriter writer(nullptr, "");
    return writer;
}
