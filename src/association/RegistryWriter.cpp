#include "association/RegistryWriter.h"

#include "association/UndoJournal.h"

TRegistryWriter::TRegistryWriter(TUndoJournal* journal, const std::string& name)
    : journal_(journal), withoutUndo_(journal == nullptr) {
    if (journal_)
        journal_->Begin(name);
}

TRegistryWriter::~TRegistryWriter() {
    if (journal_)
        journal_->End();
}

template <typename Record> TRegistry TRegistryWriter::Open(HKEY root, Record record) {
    if (!changed_ && onFirstChange)
        onFirstChange();
    if (journal_ && !withoutUndo_) {
        try {
            record(*journal_);
        } catch (const EJournalError& e) {
            if (!onJournalFailure || !onJournalFailure(e.what()))
                throw;
            withoutUndo_ = true;
        }
    }
    changed_ = true;
    TRegistry reg;
    reg.SetRootKey(root);
    // Read access too: a key is deleted with its whole tree only when its
    // subkeys can be listed (KEY_WRITE alone would leave them on NT).
    reg.SetAccess(KEY_READ | KEY_WRITE);
    return reg;
}

TRegistry TRegistryWriter::Key(HKEY root, const std::string& path) {
    return Open(root, [&](TUndoJournal& journal) { journal.Record(root, path); });
}

TRegistry TRegistryWriter::Value(HKEY root, const std::string& path, const std::string& name) {
    return Open(root, [&](TUndoJournal& journal) { journal.RecordValue(root, path, name); });
}
