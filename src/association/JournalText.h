// The text form of the undo journal: a plain file a person can read, made of
// lines that are only ever appended. For example
//
//   Corvix undo journal 1
//   entry 7 "Associate '.txt' with 'txtfile'" utf-8
//   image HKEY_CLASSES_ROOT ".txt"
//   key 0 ".txt"
//   value "" REG_SZ "textfile"
//   value "EditFlags" REG_DWORD dword:00010000
//   key 1 "ShellNew"
//   value "Data" REG_BINARY hex:01,02,ff
//   end
//   undone 7
//
// An entry line starts one user command's entry; the images after it, up to
// the next entry line, belong to it. The word "utf-8" after its name says
// that the entry's texts (its name, paths, key and value names, the data of
// text values) are UTF-8, as the program writes them; an entry without it
// was written by an older version in the ANSI code page and is read
// converted from it. Binary data is bytes either way. Marking each entry
// rather than the file lets processes of both kinds share one file.
// An image lists its key ("key 0") and the subkeys below it with their
// depth, each followed by its values, and closes with "end"; a key that did
// not exist is the single line `image <root> "<path>" absent`. The image of one value of a key reads
// `image <root> "<path>" value "<name>"`, followed by its key line, the
// value's line when the key had the value, and "end".
// Taking entry N back writes "undoing N" before the first key is restored
// and "undone N" when all are; when the registry refuses some, "kept N" says
// that the entry stays. An entry whose "undoing" line is not followed by one
// of the two is in doubt: whether it was taken back is not known.
// "abandoned N" says that the command of entry N went on without undo after
// its journal failed: its images hold only part of what it changed, so the
// entry is never offered.
// When another process wrote to the file while an entry was being written,
// the entry's line is written again before its next image (same number and
// name): the images after it belong to that entry.
// Quoted texts show printable ASCII as is and every other byte, the quote and
// the backslash as \xHH, \" and \\. Text values are written in the
// program's form (registry/RawKey.h). Lines end with CR LF; LF alone is read too.
#pragma once

#include "association/KeyImage.h"

#include <string>
#include <vector>

// The first line of every journal file, without its line end.
extern const char* const kJournalHeader;

// The lines, with their line ends, that record an entry's start, one image,
// and the undoing of an entry.
std::string EntryText(long id, const std::string& name);
std::string ImageText(const TKeyImage& image);
std::string UndoingText(long id);
std::string UndoneText(long id);
std::string KeptText(long id);
std::string AbandonedText(long id);

// One entry as read back.
struct TJournalRecord {
    long Id = 0;
    std::string Name;
    std::vector<TKeyImage> Images;
    bool InDoubt = false;
};

// What a journal file holds: the entries not undone, oldest first. A file that
// is whole has Whole equal to the text's length. Otherwise reading stopped at
// the first line that is cut off or malformed (or an image whose "end" never
// came): Whole is the length of the text up to the last complete line before
// it that ended an image or was an entry or mark line, DamagedLine its
// line number (from 1) and Problem says what was wrong. Marks of entries read
// that stand whole on their own lines in the damaged rest still count: they
// are applied, and LateMarks holds them to be written again.
struct TJournalContents {
    std::vector<TJournalRecord> Entries;
    // The highest entry number read, undone entries and the damaged rest
    // included (0 for none).
    long LastId = 0;
    // The number of the last entry line: the entry an image written next
    // would join.
    long LastEntryLine = 0;
    size_t Whole = 0;
    long DamagedLine = 0;
    std::string Problem;
    std::string LateMarks;
};

// Reads journal text. Never raises: damage ends the reading.
TJournalContents ParseJournal(const std::string& text);
