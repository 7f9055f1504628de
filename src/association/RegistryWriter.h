// The one way the association layer changes the registry. A writing
// operation asks the writer for the key it is about to change; the writer
// first records that key's state in the undo journal entry it keeps open, and
// only then hands out a registry object that may write. So every change is
// undoable, and one writer is one undo entry, however many keys the command
// touches.
//
// A writer without a journal writes without undo; the command layer makes one
// only when the user has agreed to that (or in tests of the layer itself).
#pragma once

#include "registry/Registry5LE.h"

#include <functional>
#include <string>

class TUndoJournal;

class TRegistryWriter {
public:
    // Opens the undo entry `name` in `journal` (joined to an entry that is
    // open already); a null journal records nothing.
    TRegistryWriter(TUndoJournal* journal, const std::string& name);
    // Closes the entry: the next writer starts a new one.
    ~TRegistryWriter();
    TRegistryWriter(const TRegistryWriter&) = delete;
    TRegistryWriter& operator=(const TRegistryWriter&) = delete;

    // Asked when the journal can't keep a before-image (the journal file
    // can't be written, the key can't be read), with the journal's message:
    // true goes on without undo for the rest of this writer's changes, false
    // (or no handler) raises the EJournalError and nothing is changed.
    std::function<bool(const std::string& message)> onJournalFailure;
    // Told before the first change; it may raise to stop the command before
    // anything is written (the command line's "confirmation needed").
    std::function<void()> onFirstChange;

    // Records the key `path` below `root` with all its subkeys, then returns
    // a registry object on `root` with read and write access, for changing
    // that key (creating, writing, deleting it and its subkeys).
    TRegistry Key(HKEY root, const std::string& path);
    // The same for a change of the one value `name` of that key: only that
    // value is recorded, and only that value is restored by undo.
    TRegistry Value(HKEY root, const std::string& path, const std::string& name);

    // Whether a change was asked for; whether it is kept without undo.
    bool Changed() const { return changed_; }
    bool WithoutUndo() const { return withoutUndo_; }

private:
    template <typename Record> TRegistry Open(HKEY root, Record record);

    TUndoJournal* journal_;
    bool changed_ = false;
    bool withoutUndo_ = false;
};
