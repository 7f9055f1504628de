// The undo journal's file as the processes of the program share it (the
// window and the command line may run side by side): each takes the file's
// lock for every change it makes, and tells from the file's length and ends
// whether another process wrote since it last read or wrote the file itself.
#pragma once

#include "support/FileLock.h"

#include <memory>
#include <string>

class TJournalFile {
public:
    explicit TJournalFile(std::string path);

    const std::string& Path() const { return path_; }

    // Takes the file's lock (the file of the same name followed by ".lock"),
    // waiting while another process holds it; null when it can't be had.
    std::unique_ptr<TFileLock> Lock() const;

    // Whether the file is as this object last read or wrote it: the same
    // length, and the same bytes at its start and end.
    bool Unchanged() const;
    // The length the file had when this object last read or wrote it.
    size_t Size() const { return size_; }

    // Reads the whole file (empty when it is absent or can't be read) and
    // takes it as known.
    std::string Read();
    // Appends the text; false when it can't be written. A failed append
    // leaves the file as it was, or else (Leftover) with part of the text
    // after what is known.
    bool Append(const std::string& text);
    // Replaces the whole file; false when it can't be written, in which case
    // the file keeps its contents.
    bool Replace(const std::string& text);

    // Whether a failed append may have left part of its text behind.
    bool Leftover() const { return leftover_; }
    // Cuts off what a failed append left, when the file is otherwise as
    // known (another process may have set it aside already); false when the
    // file can't be written.
    bool CutLeftover();

private:
    void Know(const std::string& text);

    std::string path_;
    size_t size_ = 0;
    std::string head_;
    std::string tail_;
    bool leftover_ = false;
};
