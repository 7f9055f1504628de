// The one call by which the association layer's writing operations keep their
// changes undoable: before a key is changed, its state is recorded in the
// journal entry that is open (see TJournalEntry in UndoJournal.h). Without an
// open entry the call does nothing.
#pragma once

#include "platform/Win32.h"

#include <string>

class TUndoJournal;

// Records the state of the key `path` below `root`, with all its subkeys,
// before the caller changes it. Raises EJournalError when that state can't be
// kept; the caller must then make no change.
void RecordBeforeImage(HKEY root, const std::string& path);
// The same for a change of the value `name` of that key alone.
void RecordValueBeforeImage(HKEY root, const std::string& path, const std::string& name);

// The journal whose open entry RecordBeforeImage writes to; null for none.
// Set by TJournalEntry.
TUndoJournal* CurrentJournal();
void SetCurrentJournal(TUndoJournal* journal);
