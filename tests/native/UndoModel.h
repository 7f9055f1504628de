// A model-based check of undo: random commands of the association layer
// (associate, dissociate, register an extension or a class, delete an
// extension or a class, change an icon) run on the stand-in registry, each as
// one journal entry; then every entry is undone, newest first, with a restart
// (the journal read back from its file) at a random point, and the registry
// must be exactly what it was after each step. Shared by the test and the
// benchmark.
#pragma once

#include <string>

// Runs the sequence that `seed` chooses; empty on success, else what went
// wrong. `journalPath` is the file the journal may use (it is replaced).
std::string RunUndoSequence(unsigned seed, const std::string& journalPath);
