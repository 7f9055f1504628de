// The undo journal's reader, on journal text as the fuzzer makes it (seeded
// with real journal files): the text is read as far as it is whole and no
// further; what was read, written out again, reads back the same; a journal
// opened on the file keeps the whole part and sets the rest aside without
// losing a byte; and every image read, put into a fresh stand-in registry,
// is found there exactly as the journal holds it (an image of one value:
// that value).
#include "FuzzCheck.h"
#include "association/JournalText.h"
#include "association/KeyImage.h"
#include "association/UndoJournal.h"
#include "platform/FakeControl.h"
#include "support/WholeFile.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <unistd.h>

namespace {

std::string Canonical(const TJournalContents& contents) {
    std::string text = std::string(kJournalHeader) + "\r\n";
    for (const TJournalRecord& record : contents.Entries) {
        text += EntryText(record.Id, record.Name);
        for (const TKeyImage& image : record.Images)
            text += ImageText(image);
        if (record.InDoubt)
            text += UndoingText(record.Id);
    }
    return text;
}

bool SameEntries(const TJournalContents& a, const TJournalContents& b) {
    if (a.Entries.size() != b.Entries.size())
        return false;
    for (size_t i = 0; i < a.Entries.size(); ++i) {
        const TJournalRecord &x = a.Entries[i], &y = b.Entries[i];
        if (x.Id != y.Id || x.Name != y.Name || !(x.Images == y.Images) || x.InDoubt != y.InDoubt)
            return false;
    }
    return true;
}

std::string Folded(std::string name) {
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return name;
}

// Whether the registry can hold the tree as it stands: names within the
// registry's lengths, and no two values or subkeys of a key that the registry
// takes for the same (names compare without regard to case).
bool Holdable(const TKeyTree& tree) {
    if (tree.Name.size() > 255)
        return false;
    std::set<std::string> values, keys;
    for (const TRawValue& value : tree.Values)
        if (value.Name.size() > 16383 || !values.insert(Folded(value.Name)).second)
            return false;
    for (const TKeyTree& sub : tree.SubKeys)
        if (!keys.insert(Folded(sub.Name)).second || !Holdable(sub))
            return false;
    return true;
}

// The tree with its values and subkeys in name order: the registry keeps
// neither in the order they were written.
TKeyTree Sorted(TKeyTree tree) {
    std::sort(tree.Values.begin(), tree.Values.end(), [](const TRawValue& a, const TRawValue& b) {
        return Folded(a.Name) < Folded(b.Name);
    });
    for (TKeyTree& sub : tree.SubKeys)
        sub = Sorted(std::move(sub));
    std::sort(tree.SubKeys.begin(), tree.SubKeys.end(),
              [](const TKeyTree& a, const TKeyTree& b) { return Folded(a.Name) < Folded(b.Name); });
    return tree;
}

const std::string& FilePath() {
    static const std::string path = [] {
        const char* shm = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(shm) + "/corvix-fuzz-journal-" + std::to_string(getpid()) + ".log";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Read as far as it is whole, and no further.
    const TJournalContents contents = ParseJournal(text);
    FUZZ_CHECK(contents.Whole <= text.size(), contents.Problem);
    FUZZ_CHECK(contents.Problem.empty() == (contents.Whole == text.size()), contents.Problem);
    FUZZ_CHECK(contents.Problem.empty() || contents.DamagedLine >= 1, contents.Problem);
    // The marks found whole in the damaged rest count as if they followed the
    // whole part.
    const TJournalContents whole =
        ParseJournal(text.substr(0, contents.Whole) + contents.LateMarks);
    FUZZ_CHECK(whole.Problem.empty() && SameEntries(whole, contents), whole.Problem);

    // What was read, written again, reads back the same, and writing that
    // gives the same text.
    const std::string canonical = Canonical(contents);
    const TJournalContents again = ParseJournal(canonical);
    FUZZ_CHECK(again.Problem.empty(), again.Problem + " in " + canonical);
    FUZZ_CHECK(SameEntries(again, contents), canonical);
    FUZZ_CHECK(Canonical(again) == canonical, canonical);

    // A journal opened on the file: the whole part stays in the file with the
    // late marks, the damaged rest goes aside (nothing of the text is lost),
    // and entries in doubt are neither offered nor kept.
    const std::string aside = FilePath() + ".damaged";
    std::remove(aside.c_str());
    FUZZ_CHECK(ReplaceWholeFile(FilePath(), text), FilePath());
    {
        TUndoJournal journal(FilePath());
        size_t withImages = 0;
        bool doubts = false;
        for (const TJournalRecord& record : contents.Entries) {
            withImages += record.Images.empty() || record.InDoubt ? 0 : 1;
            doubts = doubts || record.InDoubt;
        }
        FUZZ_CHECK(journal.Count() == withImages, std::to_string(journal.Count()));
        const std::string report = journal.TakeDamageReport();
        FUZZ_CHECK(report.empty() == (contents.Problem.empty() && !doubts), report);
        std::string kept, setAside;
        ReadWholeFile(FilePath(), kept);
        ReadWholeFile(aside, setAside);
        FUZZ_CHECK(setAside == text.substr(contents.Whole), report);
        FUZZ_CHECK(doubts || kept == text.substr(0, contents.Whole) + contents.LateMarks, report);
        const TJournalContents reread = ParseJournal(kept);
        FUZZ_CHECK(reread.Problem.empty(), report);
        FUZZ_CHECK(!doubts || std::none_of(reread.Entries.begin(), reread.Entries.end(),
                                           [](const TJournalRecord& r) { return r.InDoubt; }),
                   report);
    }
    std::remove(FilePath().c_str());
    std::remove(aside.c_str());
    std::remove((FilePath() + ".lock").c_str());

    // Every image read, restored into an empty registry, is found there as the
    // journal holds it (the image of one value: that value).
    fake::ResetRegistry();
    int restored = 0;
    for (const TJournalRecord& record : contents.Entries)
        for (const TKeyImage& image : record.Images) {
            if (++restored > 8 || !Holdable(image.Tree))
                continue;
            try {
                RestoreKey(image);
            } catch (const EKeyImageError&) {
                continue; // a name the registry refuses
            }
            TKeyImage found = image.OneValue ? CaptureValue(image.Root, image.Path, image.ValueName)
                                             : CaptureKey(image.Root, image.Path);
            // The image of one value leaves the key as the registry spells it.
            if (image.OneValue && Folded(found.Tree.Name) == Folded(image.Tree.Name))
                found.Tree.Name = image.Tree.Name;
            FUZZ_CHECK(found.Exists == image.Exists &&
                           (!image.Exists || Sorted(found.Tree) == Sorted(image.Tree)),
                       ImageText(image) + "found\n" + ImageText(found));
        }
    return 0;
}
