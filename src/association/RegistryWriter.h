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
#include <memory>
#include <string>

class TFileLock;
class TUndoJournal;

// The registry object a writer hands out for one change. While it lives it
// holds the undo journal's file lock, taken before the key's before-image,
// so that no other run of the program changes the key between the image and
// this change. Keep it as a TKeyChange (moved into a plain TRegistry it lets
// the lock go at once), let it go once the change is made, and never ask the
// user anything while one lives.
class TKeyChange : public TRegistry {
public:
    explicit TKeyChange(std::shared_ptr<TFileLock> hold) : hold_(std::move(hold)) {}

private:
    std::shared_ptr<TFileLock> hold_;
};

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
    // true goes on without undo for the rest of this writer's changes (the
    // entry of what was recorded before is given up: it would undo only part
    // of the command), false (or no handler) raises the EJournalError and
    // nothing is changed.
    std::function<bool(const std::string& message)> onJournalFailure;
    // Told before the first change; it may raise to stop the command before
    // anything is written (the command line's "confirmation needed").
    std::function<void()> onFirstChange;

    // Records the key `path` below `root` with all its subkeys, then returns
    // a registry object on `root` with read and write access, for changing
    // that key (creating, writing, deleting it and its subkeys).
    TKeyChange Key(HKEY root, const std::string& path);
    // The same for a change of the one value `name` of that key: only that
    // value is recorded, and only that value is restored by undo.
    TKeyChange Value(HKEY root, const std::string& path, const std::string& name);

    // Whether a change was asked for; whether it is kept without undo.
    bool Changed() const { return changed_; }
    bool WithoutUndo() const { return withoutUndo_; }

private:
    template <typename Record> TKeyChange Open(HKEY root, Record record);

    TUndoJournal* journal_;
    bool changed_ = false;
    bool withoutUndo_ = false;
};
