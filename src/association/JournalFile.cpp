#include "association/JournalFile.h"

#include "support/AppendFile.h"
#include "support/WholeFile.h"

namespace {

// The bytes compared at each end. The start holds the header and the first
// entry's line, which keeping the file to its bounds changes; the end holds
// the last lines written.
const size_t kEnds = 256;

} // namespace

TJournalFile::TJournalFile(std::string path) : path_(std::move(path)) {}

std::unique_ptr<TFileLock> TJournalFile::Lock() const {
    auto lock = std::make_unique<TFileLock>(path_ + ".lock");
    if (!lock->Locked())
        lock.reset();
    return lock;
}

void TJournalFile::Know(const std::string& text) {
    size_ = text.size();
    head_ = text.substr(0, kEnds);
    tail_ = text.substr(text.size() - std::min(kEnds, text.size()));
}

bool TJournalFile::Unchanged() const {
    size_t size = 0;
    std::string head, tail;
    return ReadFileEnds(path_, kEnds, size, head, tail) && size == size_ && head == head_ &&
           tail == tail_;
}

std::string TJournalFile::Read() {
    std::string text;
    ReadWholeFile(path_, text);
    Know(text);
    leftover_ = false;
    return text;
}

bool TJournalFile::Append(const std::string& text) {
    bool cutBack = true;
    if (!AppendToFile(path_, text, cutBack)) {
        leftover_ = leftover_ || !cutBack;
        return false;
    }
    size_ += text.size();
    if (head_.size() < kEnds)
        head_ += text.substr(0, kEnds - head_.size());
    tail_ += text;
    tail_.erase(0, tail_.size() - std::min(kEnds, tail_.size()));
    return true;
}

bool TJournalFile::Replace(const std::string& text) {
    if (!ReplaceWholeFile(path_, text))
        return false;
    Know(text);
    leftover_ = false;
    return true;
}

bool TJournalFile::CutLeftover() {
    std::string text;
    ReadWholeFile(path_, text);
    const size_t size = size_;
    if (text.size() > size && text.compare(0, head_.size(), head_) == 0 &&
        text.compare(size - tail_.size(), tail_.size(), tail_) == 0 &&
        !Replace(text.substr(0, size)))
        return false;
    leftover_ = false;
    return true;
}
