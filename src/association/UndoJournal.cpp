#include "association/UndoJournal.h"

#include "association/FirstStates.h"
#include "support/AppendFile.h"

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
    : file_(std::move(path)), limits_(limits) {
    // Without the lock (a folder that can't be written) the file is read all
    // the same, and left as it is.
    const std::unique_ptr<TFileLock> lock = file_.Lock();
    Adopt(file_.Read(), lock != nullptr);
}

namespace {

const char kNotMade[] = "The change was not made, since it could not be undone.";
const char kNotUndone[] = "Nothing was undone, since the undo could not be recorded.";

} // namespace

void TUndoJournal::Adopt(const std::string& text, bool locked) {
    const TJournalContents contents = ParseJournal(text);
    entries_.clear();
    std::string doubts;
    const auto abandoned = [this](long id) {
        return std::find(abandonedUnmarked_.begin(), abandonedUnmarked_.end(), id) !=
               abandonedUnmarked_.end();
    };
    for (const TJournalRecord& record : contents.Entries) {
        if (abandoned(record.Id))
            continue; // given up here, the mark not yet written
        if (record.InDoubt)
            doubts += "\r\n    " + record.Name;
        else if (!record.Images.empty())
            entries_.push_back(record);
    }
    // Numbers of undone entries are not given again: the file still holds
    // their lines.
    nextId_ = std::max(nextId_, contents.LastId + 1);
    lastEntryLine_ = contents.LastEntryLine;
    if (open_ && !OpenRecord())
        open_ = false; // taken back by another process: the rest is an entry of its own
    // Marks not yet written are for entries that are now in doubt.
    pendingMarks_.clear();
    // An abandoned entry that the file no longer holds needs no mark.
    abandonedUnmarked_.erase(
        std::remove_if(abandonedUnmarked_.begin(), abandonedUnmarked_.end(),
                       [&](long id) {
                           return std::none_of(
                               contents.Entries.begin(), contents.Entries.end(),
                               [id](const TJournalRecord& record) { return record.Id == id; });
                       }),
        abandonedUnmarked_.end());
    rewriteFirst_ = false;
    if (contents.Whole < text.size())
        SetAside(text, contents, locked);
    if (!doubts.empty()) {
        damageReport_ += std::string(damageReport_.empty() ? "" : "\r\n") +
                         "The undo of these changes was begun but not recorded as done, so they "
                         "are no longer offered (undoing them again could take back later "
                         "changes):" +
                         doubts;
        if (locked)
            TryRewrite();
        else
            rewriteFirst_ = true;
    }
}

void TUndoJournal::SetAside(const std::string& text, const TJournalContents& contents,
                            bool locked) {
    const std::string aside = Path() + ".damaged";
    damageReport_ += std::string(damageReport_.empty() ? "" : "\r\n") + "The undo journal " +
                     Path() + " is damaged from line " + std::to_string(contents.DamagedLine) +
                     " on (" + contents.Problem + "). ";
    if (locked && AppendToFile(aside, text.substr(contents.Whole)) &&
        file_.Replace(text.substr(0, contents.Whole) + contents.LateMarks)) {
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

TJournalHold TUndoJournal::TryLock() {
    TJournalHold hold = held_.lock();
    if (!hold) {
        hold = file_.Lock();
        held_ = hold;
    }
    return hold;
}

TJournalHold TUndoJournal::Lock(const char* consequence) {
    TJournalHold hold = TryLock();
    if (!hold)
        throw EJournalError("The undo journal " + Path() + " can't be written.\r\n" + consequence);
    return hold;
}

void TUndoJournal::Sync() {
    if (file_.Leftover())
        file_.CutLeftover();
    if (!file_.Unchanged())
        Adopt(file_.Read(), true);
    else if (rewriteFirst_)
        TryRewrite();
    std::string marks = pendingMarks_;
    for (long id : abandonedUnmarked_)
        marks += AbandonedText(id);
    if (!marks.empty() && TryAppend(marks)) {
        pendingMarks_.clear();
        abandonedUnmarked_.clear();
    }
}

TJournalRecord* TUndoJournal::OpenRecord() {
    for (TJournalRecord& record : entries_)
        if (record.Id == openId_)
            return &record;
    return nullptr;
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
        open_ = abandoned_ = false;
}

void TUndoJournal::Abandon() {
    if (depth_ == 0)
        return;
    abandoned_ = true;
    if (!open_)
        return; // nothing of the entry is in the file
    open_ = false;
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [this](const TJournalRecord& r) { return r.Id == openId_; }),
                   entries_.end());
    abandonedUnmarked_.push_back(openId_);
    // The mark goes to the file now if it can; else with the next change of it.
    if (const TJournalHold hold = TryLock())
        Sync();
}

TJournalHold TUndoJournal::Record(HKEY root, const std::string& path) {
    // A key is covered by a whole image of it or of a key above it (the
    // image of one value keeps too little for a change of the key).
    return Keep(
        [&](const TKeyImage& image) { return !image.OneValue && SameKey(image, root, path); },
        [&] { return CaptureKey(root, path); });
}

TJournalHold TUndoJournal::RecordValue(HKEY root, const std::string& path,
                                       const std::string& name) {
    return Keep(
        [&](const TKeyImage& image) {
            return SameKey(image, root, path) &&
                   (!image.OneValue ||
                    (IsSameOrBelow(image.Path, path) && SameKeyName(image.ValueName, name)));
        },
        [&] { return CaptureValue(root, path, name); });
}

template <typename Covers, typename Capture>
TJournalHold TUndoJournal::Keep(Covers covers, Capture capture) {
    if (depth_ == 0)
        return nullptr;
    if (abandoned_)
        throw EJournalError(std::string("The undo of this command was given up before.\r\n") +
                            kNotMade);
    // Taken before the image and held by the caller until its change is made.
    TJournalHold hold = Lock(kNotMade);
    Sync();
    if (const TJournalRecord* record = open_ ? OpenRecord() : nullptr)
        for (const TKeyImage& image : record->Images)
            if (covers(image))
                return hold;
    TKeyImage image;
    try {
        image = capture();
    } catch (const EKeyImageError& e) {
        throw EJournalError(std::string(e.what()) + "\r\n" + kNotMade);
    }
    // Written after a damaged rest, the entry would be set aside with it.
    if (rewriteFirst_)
        Rewrite();
    std::string text = ImageText(image);
    if (!open_) {
        TJournalRecord record;
        record.Id = nextId_;
        record.Name = openName_;
        text = EntryText(record.Id, record.Name) + text;
        KeepBounds(text.size());
        Append(text, kNotMade);
        ++nextId_;
        openId_ = lastEntryLine_ = record.Id;
        entries_.push_back(std::move(record));
        open_ = true;
    } else {
        // Lines of another process came between: the entry's line again, so
        // that the image joins this entry.
        if (lastEntryLine_ != openId_)
            text = EntryText(openId_, openName_) + text;
        KeepBounds(text.size());
        Append(text, kNotMade);
        lastEntryLine_ = openId_;
    }
    OpenRecord()->Images.push_back(image);
    // The keys changed, for a backup of their states before this run.
    AddFirstState(changed_, std::move(image));
    return hold;
}

bool TUndoJournal::TryAppend(const std::string& text) {
    const std::string header = file_.Size() == 0 ? HeaderText() : std::string();
    return file_.Append(header + text);
}

void TUndoJournal::Append(const std::string& text, const char* consequence) {
    if (!TryAppend(text))
        throw EJournalError("The undo journal " + Path() + " can't be written.\r\n" + consequence);
}

void TUndoJournal::KeepBounds(size_t extra) {
    const size_t total = entries_.size() + (open_ ? 0 : 1); // with the new entry
    if (total <= limits_.MaxEntries && file_.Size() + extra <= limits_.MaxBytes)
        return;
    // Compacting goes down to three quarters of the bounds, so that it is
    // needed once in a while rather than before every command. The new or
    // open entry always stays; the others are kept newest first.
    const size_t keepEntries = std::max<size_t>(1, limits_.MaxEntries * 3 / 4);
    const size_t keepBytes = limits_.MaxBytes * 3 / 4;
    const long openId = open_ ? openId_ : 0;
    const TJournalRecord* open = open_ ? OpenRecord() : nullptr;
    size_t bytes = HeaderText().size() + extra + (open ? RecordText(*open).size() : 0);
    size_t kept = 1;
    size_t first = entries_.size();
    for (; first > 0; --first) {
        const TJournalRecord& record = entries_[first - 1];
        if (record.Id == openId)
            continue;
        const size_t size = RecordText(record).size();
        if (kept + 1 > keepEntries || bytes + size > keepBytes)
            break;
        bytes += size;
        ++kept;
    }
    const auto older = entries_.begin() + first;
    const auto stays = std::remove_if(entries_.begin(), older,
                                      [&](const TJournalRecord& r) { return r.Id != openId; });
    if (stays == older)
        return; // nothing older to drop
    entries_.erase(stays, older);
    Rewrite();
}

bool TUndoJournal::TryRewrite() {
    std::string text = HeaderText();
    for (const TJournalRecord& record : entries_)
        text += RecordText(record);
    if (!file_.Replace(text))
        return false;
    lastEntryLine_ = entries_.empty() ? 0 : entries_.back().Id;
    rewriteFirst_ = false;
    pendingMarks_.clear();
    abandonedUnmarked_.clear();
    return true;
}

void TUndoJournal::Rewrite() {
    if (!TryRewrite())
        throw EJournalError("The undo journal " + Path() + " can't be written.\r\n" + kNotMade);
}

TRestoreReport TUndoJournal::UndoLast() {
    if (!CanUndo())
        throw EJournalError("There is no change to undo.");
    const long shown = entries_.back().Id;
    const TJournalHold hold = Lock(kNotUndone);
    Sync();
    if (!CanUndo() || entries_.back().Id != shown)
        throw EJournalError("Another run of the program changed the undo journal meanwhile; "
                            "nothing was undone." +
                            (CanUndo() ? " The step to undo now is '" + LastName() + "'."
                                       : std::string(" There is no step to undo now.")));
    // Marked as begun before any key is restored: should the end not be
    // recorded, the entry is known to be in doubt and is not offered again.
    Append(UndoingText(shown), kNotUndone);
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
    if (report.Complete())
        entries_.pop_back();
    // A mark that can't be written now is written before the next change of
    // the file; until then the entry stays in doubt there.
    const std::string mark = report.Complete() ? UndoneText(shown) : KeptText(shown);
    if (!TryAppend(mark))
        pendingMarks_ += mark;
    return report;
}
