#include "association/UndoJournal.h"

#include "support/AppendFile.h"
#include "support/WholeFile.h"

#include <algorithm>

namespace {

std::string RecordText(const TJournalRecord& record) {
    std::string text = EntryText(record.Id, record.Name);
    for (const TKeyImage& image : record.Images)
        text += ImageText(image);
    return text;
}

std::string HeaderText() {
    return std::string(kJournalHeader) + "\r\n";
}

bool SameKey(const TKeyImage& a, HKEY root, const std::string& path) {
    return a.Root == root && IsSameOrBelow(path, a.Path);
}

} // namespace

std::string TRestoreReport::Message() const {
    std::string text;
    if (!Restored.empty()) {
        text += "Restored:";
        for (const std::string& key : Restored)
            text += "\r\n    " + key;
    }
    if (!NotRestored.empty()) {
        text += std::string(text.empty() ? "" : "\r\n") + "Not restored:";
        for (const std::string& key : NotRestored)
            text += "\r\n    " + key;
    }
    return text;
}

TUndoJournal::TUndoJournal(std::string path, TJournalLimits limits)
    : path_(std::move(path)), limits_(limits) {
    Load();
}

void TUndoJournal::Load() {
    std::string text;
    if (!ReadWholeFile(path_, text))
        return;
    TJournalContents contents = ParseJournal(text);
    for (TJournalRecord& record : contents.Entries)
        if (!record.Images.empty())
            entries_.push_back(std::move(record));
    // Numbers of undone entries are not given again: the file still holds
    // their lines.
    nextId_ = contents.LastId + 1;
    fileSize_ = text.size();
    if (contents.Whole < text.size())
        SetAside(text, contents);
}

void TUndoJournal::SetAside(const std::string& text, const TJournalContents& contents) {
    const std::string aside = path_ + ".damaged";
    damageReport_ = "The undo journal " + path_ + " is damaged from line " +
                    std::to_string(contents.DamagedLine) + " on (" + contents.Problem + "). ";
    if (AppendToFile(aside, text.substr(contents.Whole)) &&
        ReplaceWholeFile(path_, text.substr(0, contents.Whole))) {
        fileSize_ = contents.Whole;
        damageReport_ += "The changes recorded before that can still be undone; the damaged rest "
                         "was moved to " +
                         aside + ".";
    } else {
        // The file is written anew from what was read before the next record.
        rewriteFirst_ = true;
        damageReport_ += "The changes recorded before that can still be undone; the damaged rest "
                         "could not be moved aside and will be dropped with the next change.";
    }
}

std::string TUndoJournal::TakeDamageReport() {
    std::string report;
    report.swap(damageReport_);
    return report;
}

std::string TUndoJournal::LastName() const {
    return entries_.empty() ? std::string() : entries_.back().Name;
}

void TUndoJournal::Begin(const std::string& name) {
    if (depth_++ == 0)
        openName_ = name;
}

void TUndoJournal::End() {
    if (depth_ > 0 && --depth_ == 0)
        open_ = false;
}

void TUndoJournal::Record(HKEY root, const std::string& path) {
    // A key is covered by a whole image of it or of a key above it (the
    // image of one value keeps too little for a change of the key).
    Keep([&](const TKeyImage& image) { return !image.OneValue && SameKey(image, root, path); },
         [&] { return CaptureKey(root, path); });
}

void TUndoJournal::RecordValue(HKEY root, const std::string& path, const std::string& name) {
    Keep(
        [&](const TKeyImage& image) {
            return SameKey(image, root, path) &&
                   (!image.OneValue ||
                    (IsSameOrBelow(image.Path, path) && SameKeyName(image.ValueName, name)));
        },
        [&] { return CaptureValue(root, path, name); });
}

template <typename Covers, typename Capture>
void TUndoJournal::Keep(Covers covers, Capture capture) {
    if (depth_ == 0)
        return;
    if (open_)
        for (const TKeyImage& image : entries_.back().Images)
            if (covers(image))
                return;
    TKeyImage image;
    try {
        image = capture();
    } catch (const EKeyImageError& e) {
        throw EJournalError(std::string(e.what()) +
                            "\r\nThe change was not made, since it could not be undone.");
    }
    std::string text = ImageText(image);
    if (!open_) {
        TJournalRecord record;
        record.Id = nextId_;
        record.Name = openName_;
        text = EntryText(record.Id, record.Name) + text;
        KeepBounds(text.size());
        Append(text);
        ++nextId_;
        entries_.push_back(std::move(record));
        open_ = true;
    } else {
        KeepBounds(text.size());
        Append(text);
    }
    entries_.back().Images.push_back(image);
    // The keys changed, for a backup of them: one per key.
    if (std::none_of(changed_.begin(), changed_.end(), [&](const TKeyImage& known) {
            return SameKey(known, image.Root, image.Path);
        }))
        changed_.push_back(std::move(image));
}

void TUndoJournal::Append(const std::string& text) {
    if (rewriteFirst_)
        Rewrite();
    const std::string header = fileSize_ == 0 ? HeaderText() : std::string();
    if (!AppendToFile(path_, header + text))
        throw EJournalError("The undo journal " + path_ +
                            " can't be written.\r\nThe change was not made, since it could "
                            "not be undone.");
    fileSize_ += header.size() + text.size();
}

void TUndoJournal::KeepBounds(size_t extra) {
    const size_t total = entries_.size() + (open_ ? 0 : 1); // with the new entry
    if (total <= limits_.MaxEntries && fileSize_ + extra <= limits_.MaxBytes)
        return;
    // Compacting goes down to three quarters of the bounds, so that it is
    // needed once in a while rather than before every command. The new or
    // open entry (the newest) always stays.
    const size_t keepEntries = std::max<size_t>(1, limits_.MaxEntries * 3 / 4);
    const size_t keepBytes = limits_.MaxBytes * 3 / 4;
    size_t bytes = HeaderText().size() + extra + (open_ ? RecordText(entries_.back()).size() : 0);
    size_t kept = 1;
    size_t first = entries_.size() - (open_ ? 1 : 0);
    while (first > 0) {
        const size_t size = RecordText(entries_[first - 1]).size();
        if (kept + 1 > keepEntries || bytes + size > keepBytes)
            break;
        bytes += size;
        ++kept;
        --first;
    }
    if (first == 0)
        return; // nothing older to drop
    entries_.erase(entries_.begin(), entries_.begin() + first);
    Rewrite();
}

void TUndoJournal::Rewrite() {
    std::string text = HeaderText();
    for (const TJournalRecord& record : entries_)
        text += RecordText(record);
    if (!ReplaceWholeFile(path_, text))
        throw EJournalError("The undo journal " + path_ +
                            " can't be written.\r\nThe change was not made, since it could "
                            "not be undone.");
    fileSize_ = text.size();
    rewriteFirst_ = false;
}

TRestoreReport TUndoJournal::UndoLast() {
    if (!CanUndo())
        throw EJournalError("There is no change to undo.");
    TRestoreReport report;
    const TJournalRecord& record = entries_.back();
    for (auto it = record.Images.rbegin(); it != record.Images.rend(); ++it) {
        try {
            RestoreKey(*it);
            report.Restored.push_back(it->FullName());
        } catch (const EKeyImageError& e) {
            report.NotRestored.push_back(it->FullName() + ": " + e.what());
        }
    }
    if (!report.Complete())
        return report;
    const long id = record.Id;
    entries_.pop_back();
    // When the mark can't be written, the entry comes back at the next start;
    // undoing it again then puts the same state back once more.
    try {
        Append(UndoneText(id));
    } catch (const EJournalError&) {
    }
    return report;
}
