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

#include "registry/ClassesStore.h"
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
//
// A change of a key below HKEY_CLASSES_ROOT made for one store has that
// store's "Software\Classes" key as its root, so that the paths below the
// view name the same keys in the store.
class TKeyChange : public TRegistry {
public:
    explicit TKeyChange(std::shared_ptr<TFileLock> hold) : hold_(std::move(hold)) {}

    // Deletes `key` with its subkeys (see TRegistry::DeleteKey). An item that
    // lives only in every user's store can't be deleted for this user: its
    // copy the writer gave the user's store is taken away again and
    // ERegistryException says so.
    bool DeleteKey(const std::string& key);

private:
    friend class TRegistryWriter;
    std::shared_ptr<TFileLock> hold_;
    TRegKeyHandle storeKey_;
    std::string copiedItem_;
};

// The message that an item only every user's store holds can't be deleted
// for this user.
std::string NotDeletableForUser(const std::string& item);

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

    // The store the changes below HKEY_CLASSES_ROOT go to. View (the
    // default) writes through HKEY_CLASSES_ROOT as the system merges it;
    // User and Machine write explicitly to that store. A change for this user
    // to an item that lives only in every user's store first gives the
    // user's store a copy of the machine's item key, with all its values and
    // subkeys: the user's key hides the machine's entirely, so without the
    // copy the item would lose everything the change doesn't write. The copy
    // is recorded (as a key that didn't exist) in the same undo entry.
    void SetStore(TClassesStore store) { store_ = store; }
    TClassesStore Store() const { return store_; }

    // Whether a change was asked for; whether it is kept without undo.
    bool Changed() const { return changed_; }
    bool WithoutUndo() const { return withoutUndo_; }

private:
    template <typename Record> TKeyChange Open(HKEY root, Record record);
    // Opens the change of `path` below HKEY_CLASSES_ROOT in the chosen store.
    template <typename Record> TKeyChange OpenInStore(const std::string& path, Record record);
    // Gives the user's store what the view showed of the item `path` belongs
    // to; answers the item when it was copied.
    std::string GiveUserWhatViewShows(const std::string& path);

    TUndoJournal* journal_;
    TClassesStore store_ = TClassesStore::View;
    bool changed_ = false;
    bool withoutUndo_ = false;
};
