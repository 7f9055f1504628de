#include "association/JournalHook.h"

#include "association/UndoJournal.h"

namespace {

TUndoJournal* current = nullptr;

} // namespace

void RecordBeforeImage(HKEY root, const std::string& path) {
    if (current)
        current->Record(root, path);
}

TUndoJournal* CurrentJournal() {
    return current;
}

void SetCurrentJournal(TUndoJournal* journal) {
    current = journal;
}
