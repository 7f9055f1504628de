// The undo journal: before the association layer changes a key, the exact
// state of that key is written to a file and flushed, so that every change can
// be taken back, also after a crash. One user command with all its questions
// and clean-ups is one entry, named for the user; undo restores the newest
// entry's keys and then forgets the entry. Undoing is not itself recorded.
//
// The file (see JournalText.h) is only appended to, except when it is kept to
// its bounds or set right after damage: then it is replaced as a whole through
// a temporary file. Other processes of the program may write to it as well
// (JournalFile.h): before each change of the file, what they wrote is read,
// so that numbers are not given twice and nothing of theirs is dropped. The
// file's lock is held from a key's before-image until the change it is for
// has been made (TJournalHold), so that no other process changes the key in
// between: its change would be taken back with this entry, and the undo of
// its own entry would take back this one.
#pragma once

#include "association/JournalFile.h"
#include "association/JournalText.h"
#include "association/KeyImage.h"
#include "support/Exception.h"

#include <string>
#include <vector>

// The journal can't keep a before-image; the change it was for is not made.
class EJournalError : public Exception {
public:
    using Exception::Exception;
};

// The bounds of the journal file: at most MaxEntries entries and MaxBytes
// bytes. The entry being written is always kept whole, so one command whose
// before-images alone exceed MaxBytes makes the file that large until the next
// command starts.
struct TJournalLimits {
    size_t MaxEntries = 100;
    size_t MaxBytes = 5 * 1024 * 1024;
};

// The outcome of an undo: the keys put back and those the registry refused,
// each as a full key name (the refused ones followed by the reason).
struct TRestoreReport {
    std::vector<std::string> Restored;
    std::vector<std::string> NotRestored;
    bool Complete() const { return NotRestored.empty(); }
    // A text for the user that lists both.
    std::string Message() const;
};

// The journal's file lock, held while it lives (shared by the changes of one
// journal that overlap).
using TJournalHold = std::shared_ptr<TFileLock>;

class TUndoJournal {
public:
    // Reads the journal file at `path` (a missing file is an empty journal).
    // A damaged file is read as far as it is whole; the rest is appended to
    // the file of the same name followed by ".damaged" and removed from the
    // journal, and DamageReport tells the user so. An entry whose undo was
    // begun but not recorded as done or refused is not offered again (undoing
    // it once more could take back later changes); the report names it.
    explicit TUndoJournal(std::string path, TJournalLimits limits = TJournalLimits());
    TUndoJournal(const TUndoJournal&) = delete;
    TUndoJournal& operator=(const TUndoJournal&) = delete;

    const std::string& Path() const { return file_.Path(); }
    // What reading the file found wrong, and what was done about it; empty
    // when the file was whole. Taking the report empties it, so that it is
    // shown once.
    std::string TakeDamageReport();

    // The entries that can be undone, oldest first.
    size_t Count() const { return entries_.size(); }
    bool CanUndo() const { return !entries_.empty() && !open_; }
    // The name of the entry UndoLast would take back; empty when none.
    std::string LastName() const;

    // Starts an entry with this name. A Begin while an entry is open joins
    // that entry (one user command is one entry), so Begin and End pair up.
    void Begin(const std::string& name);
    void End();
    bool InEntry() const { return depth_ > 0; }
    // Records the state of the key `path` below `root`, with all its subkeys,
    // unless the open entry has it already (or a key above it); does nothing
    // and answers null when no entry is open. The image is in the file,
    // flushed, when this returns, and the hold answered keeps the file's lock
    // from before the image was taken: keep it until the change is made, and
    // let it go before anything asks the user. Raises EJournalError (the
    // change must then not be made) when the key can't be read or the file
    // can't be written, or after Abandon in the same command.
    TJournalHold Record(HKEY root, const std::string& path);
    // As Record, for a change of the value `name` of that key alone: only
    // that value is recorded, and only that value is restored.
    TJournalHold RecordValue(HKEY root, const std::string& path, const std::string& name);
    // Gives up the open command's entry, when the command goes on without
    // undo after a Record failed: the entry would take back only part of the
    // command, so it is no longer offered, nor by any other run reading the
    // file (the "abandoned" mark is written now, or when the file can next be
    // written).
    void Abandon();

    // Restores the keys of the newest entry, the last recorded first, so that
    // each key ends as it was before the command. When every key is restored
    // the entry is forgotten; when the registry refuses some, the entry stays
    // for another try and the report says which keys were and were not
    // restored. Raises EJournalError, with nothing restored, when there is
    // nothing to undo, when the undo can't be recorded in the file first, or
    // when another process changed the newest entry since LastName.
    TRestoreReport UndoLast();

    // The keys recorded in this run as they were before their first change
    // in it (see AddFirstState): an image of one value holds that value.
    const std::vector<TKeyImage>& ChangedKeys() const { return changed_; }

private:
    // Takes what the file holds as the journal (at the start, and when
    // another process wrote to it); `locked` tells whether the file may be
    // set right.
    void Adopt(const std::string& text, bool locked);
    // With the file's lock held: brings the journal up to date with the file
    // and writes what was left to write.
    void Sync();
    // The file's lock: the one a change of this journal holds still, or
    // taken anew (null, or EJournalError saying `consequence`, when it can't
    // be had).
    TJournalHold TryLock();
    TJournalHold Lock(const char* consequence);
    TJournalRecord* OpenRecord();
    // Records the image `capture` takes, unless the open entry's image
    // `covers` it already.
    template <typename Covers, typename Capture> TJournalHold Keep(Covers covers, Capture capture);
    void SetAside(const std::string& text, const TJournalContents& contents, bool locked);
    // Appends to the file (after the header when the file is new); raises
    // EJournalError, saying `consequence`, when the file can't be written.
    void Append(const std::string& text, const char* consequence);
    bool TryAppend(const std::string& text);
    // Drops the oldest entries until the file, with `extra` bytes more, keeps
    // its bounds, and writes the file anew.
    void KeepBounds(size_t extra);
    // Writes the file anew from the entries; false when it can't be written.
    // Marks still to write are then moot: the file holds no marks.
    bool TryRewrite();
    void Rewrite();

    TJournalFile file_;
    TJournalLimits limits_;
    std::vector<TJournalRecord> entries_;
    std::vector<TKeyImage> changed_;
    std::string damageReport_;
    bool rewriteFirst_ = false;
    long nextId_ = 1;
    int depth_ = 0;
    bool open_ = false; // an entry of this command is in the file
    long openId_ = 0;
    std::string openName_;
    long lastEntryLine_ = 0;              // the entry the file's last entry line names
    std::string pendingMarks_;            // undo marks still to write
    std::vector<long> abandonedUnmarked_; // abandoned, the mark not yet in the file
    bool abandoned_ = false;              // the open command's entry was given up
    std::weak_ptr<TFileLock> held_;       // the lock while a change holds it
};
