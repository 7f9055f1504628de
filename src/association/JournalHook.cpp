#include "association/JournalHook.h"

#include "association/UndoJournal.h"

namespace {

TUndoJournal* current = nullptr;

} // namespace

void RecordBeforeImage(HKEY root, const std::string& path) {
    if (current)
        current->Record(root, path);
}

void RecordValueBeforeImage(HKEY root, const std::string& path, const std::string& name) {
    if (current)
        current->RecordValue(root, path, name);
}

TUndoJournal* CurrentJournal() {
    return current;
}

void SetCurrentJournal(TUndoJournal* journal) {
    current = journal;
}
