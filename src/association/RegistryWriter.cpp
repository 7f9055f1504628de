#include "association/RegistryWriter.h"

#include "association/KeyImage.h"
#include "association/UndoJournal.h"
#include "registry/RawKey.h"
#include "registry/SystemRegistry.h"

namespace {

// Whether `key` (a path below a store) is the item key `item` itself.
bool IsItemKey(const std::string& key, const std::string& item) {
    const std::string path = !key.empty() && key[0] == '\\' ? key.substr(1) : key;
    return !item.empty() && ItemKeyOf(path) == path && SameKeyName(path, item);
}

} // namespace

std::string NotDeletableForUser(const std::string& item) {
    return "'" + item +
           "' is stored for all users: it can't be deleted for this user alone.\r\nChoose "
           "\"Changes apply to: all users\" to delete it.";
}

bool TKeyChange::DeleteKey(const std::string& key) {
    if (!copiedItem_.empty() && CurrentPath().empty() && IsItemKey(key, copiedItem_)) {
        TRegistry::DeleteKey(copiedItem_);
        throw ERegistryException(NotDeletableForUser(copiedItem_));
    }
    return TRegistry::DeleteKey(key);
}

TRegistryWriter::TRegistryWriter(TUndoJournal* journal, const std::string& name)
    : journal_(journal), withoutUndo_(journal == nullptr) {
    if (journal_)
        journal_->Begin(name);
}

TRegistryWriter::~TRegistryWriter() {
    if (journal_)
        journal_->End();
}

template <typename Record> TKeyChange TRegistryWriter::Open(HKEY root, Record record) {
    if (!changed_ && onFirstChange)
        onFirstChange();
    TJournalHold hold;
    if (journal_ && !withoutUndo_) {
        try {
            hold = record(*journal_);
        } catch (const EJournalError& e) {
            if (!onJournalFailure || !onJournalFailure(e.what()))
                throw;
            journal_->Abandon();
            withoutUndo_ = true;
        }
    }
    changed_ = true;
    TKeyChange reg(std::move(hold));
    reg.SetRootKey(root);
    // Read access too: a key is deleted with its whole tree only when its
    // subkeys can be listed (KEY_WRITE alone would leave them on NT).
    reg.SetAccess(KEY_READ | KEY_WRITE);
    return reg;
}

std::string TRegistryWriter::GiveUserWhatViewShows(const std::string& path) {
    const std::string item = ItemKeyOf(path);
    if (store_ != TClassesStore::User || item.empty() || PlaceOfItem(item) != TItemPlace::Machine)
        return std::string();
    const std::string userItem = StorePath(TClassesStore::User, item);
    TKeyChange held = Open(HKEY_CURRENT_USER, [&](TUndoJournal& journal) {
        return journal.Record(HKEY_CURRENT_USER, userItem);
    });
    TKeyImage copy = CaptureKey(HKEY_LOCAL_MACHINE, StorePath(TClassesStore::Machine, item));
    copy.Root = HKEY_CURRENT_USER;
    copy.Path = userItem;
    RestoreKey(copy);
    return item;
}

template <typename Record>
TKeyChange TRegistryWriter::OpenInStore(const std::string& path, Record record) {
    const std::string copied = GiveUserWhatViewShows(path);
    const HKEY root = StoreRoot(store_);
    const std::string stored = StorePath(store_, path);
    // Recorded before the store's key is opened: where the store has no key
    // yet, undo takes away the one the change creates.
    TKeyChange reg = Open(root, [&](TUndoJournal& journal) { return record(journal, root, stored); });
    HKEY storeKey = nullptr;
    if (LONG rc = sysreg::CreateKey(root, StorePath(store_, ""), KEY_READ | KEY_WRITE, storeKey))
        throw ERegistryException("Could not open " + StoreName(store_) + " (" +
                                 RegistryErrorText(rc) + ").");
    reg.storeKey_.Reset(storeKey);
    reg.SetRootKey(storeKey);
    reg.copiedItem_ = copied;
    return reg;
}

TKeyChange TRegistryWriter::Key(HKEY root, const std::string& path) {
    if (root == HKEY_CLASSES_ROOT && store_ != TClassesStore::View)
        return OpenInStore(path, [](TUndoJournal& journal, HKEY storeRoot, const std::string& at) {
            return journal.Record(storeRoot, at);
        });
    return Open(root, [&](TUndoJournal& journal) { return journal.Record(root, path); });
}

TKeyChange TRegistryWriter::Value(HKEY root, const std::string& path, const std::string& name) {
    if (root == HKEY_CLASSES_ROOT && store_ != TClassesStore::View)
        return OpenInStore(path, [&](TUndoJournal& journal, HKEY storeRoot, const std::string& at) {
            return journal.RecordValue(storeRoot, at, name);
        });
    return Open(root, [&](TUndoJournal& journal) { return journal.RecordValue(root, path, name); });
}
