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

TKeyChange TRegistryWriter::Key(HKEY root, const std::string& path) {
    return Open(root, [&](TUndoJournal& journal) { return journal.Record(root, path); });
}

TKeyChange TRegistryWriter::Value(HKEY root, const std::string& path, const std::string& name) {
    return Open(root, [&](TUndoJournal& journal) { return journal.RecordValue(root, path, name); });
}
