// The journal file: kept to its bounds, damage set aside once, and a file that
// can't be written stopping the change before it is made.
#include "association/DataType.h"
#include "association/UndoJournal.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"
#include "support/WholeFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include "association/RegistryWriter.h"
#include "support/NoUndo.h"

namespace {

std::string FreshPath(const char* name) {
    std::string path = testing::TempDir() + name;
    std::remove(path.c_str());
    std::remove((path + ".damaged").c_str());
    return path;
}

std::string FileText(const std::string& path) {
    std::string text;
    ReadWholeFile(path, text);
    return text;
}

void Associate(TUndoJournal& journal, const std::string& ext, const std::string& cls) {
    TRegistryWriter w(&journal, "Associate '" + ext + "' with '" + cls + "'");
    AssociateExtension(w, ext, cls, true);
}

} // namespace

using UndoJournalFileTest = RegistryTest;

TEST_F(UndoJournalFileTest, TheFileKeepsItsBoundsAndTheNewestEntries) {
    const std::string path = FreshPath("corvix-undo-bounds.log");
    TJournalLimits limits;
    limits.MaxEntries = 8;
    limits.MaxBytes = 1500;
    PutString(".big", "Blob", std::string(900, 'b')); // one image of about 1 KB
    TUndoJournal journal(path, limits);
    std::vector<std::string> states;
    for (int i = 0; i < 60; ++i) {
        states.push_back(DumpRegistry());
        Associate(journal, i % 7 == 3 ? ".big" : ".e" + std::to_string(i % 5),
                  "c" + std::to_string(i));
        const size_t size = FileText(path).size();
        EXPECT_LE(journal.Count(), limits.MaxEntries) << i;
        // Only the entry being written may take the file past the bound.
        if (i % 7 != 3) {
            EXPECT_LE(size, limits.MaxBytes) << i;
        }
        ASSERT_EQ(TUndoJournal(path, limits).Count(), journal.Count()) << i;
    }
    // The entries kept are the newest, and undo walks back through them.
    TUndoJournal restarted(path, limits);
    EXPECT_EQ(restarted.LastName(), "Associate '.big' with 'c59'");
    while (restarted.CanUndo()) {
        ASSERT_TRUE(restarted.UndoLast().Complete());
        EXPECT_EQ(DumpRegistry(), states.back());
        states.pop_back();
    }
    EXPECT_GE(states.size(), 60u - limits.MaxEntries);
    std::remove(path.c_str());
}

TEST_F(UndoJournalFileTest, DamageIsReportedOnceAndSetAsideWhileTheWholePartStaysUndoable) {
    const std::string path = FreshPath("corvix-undo-damage.log");
    PutString(".a", "", "afile");
    const std::string start = DumpRegistry();
    {
        TUndoJournal journal(path);
        Associate(journal, ".a", "bfile");
    }
    const std::string afterFirst = DumpRegistry();
    const std::string whole = FileText(path);
    {
        TUndoJournal journal(path);
        Associate(journal, ".a", "cfile");
    }
    // The second entry is cut off in the middle of its image, and a line of
    // rubbish follows, as after a crash and a careless hand edit.
    std::string text = FileText(path);
    std::string damaged = text.substr(0, text.size() - 12) + "\r\nrubbish\r\n";
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(damaged.data(), 1, damaged.size(), file);
        std::fclose(file);
    }
    TUndoJournal journal(path);
    const std::string report = journal.TakeDamageReport();
    EXPECT_NE(report.find("is damaged from line"), std::string::npos) << report;
    EXPECT_NE(report.find(path + ".damaged"), std::string::npos) << report;
    EXPECT_EQ(journal.TakeDamageReport(), "") << "reported once";
    // The second entry's line is whole and stays; its image is set aside.
    const std::string kept = whole + "entry 2 \"Associate '.a' with 'cfile'\" utf-8\r\n";
    EXPECT_EQ(FileText(path + ".damaged"), damaged.substr(kept.size()));
    EXPECT_EQ(FileText(path), kept);
    EXPECT_EQ(TUndoJournal(path).TakeDamageReport(), "") << "set aside, so not reported again";

    // The whole first entry is undone; the registry keeps the second change,
    // whose record was lost.
    ASSERT_EQ(journal.Count(), 1u);
    EXPECT_EQ(journal.LastName(), "Associate '.a' with 'bfile'");
    EXPECT_NE(DumpRegistry(), afterFirst);
    EXPECT_TRUE(journal.UndoLast().Complete());
    EXPECT_EQ(GetExtensionClass(".a"), "afile");
    EXPECT_EQ(DumpRegistry(), start);
    std::remove(path.c_str());
    std::remove((path + ".damaged").c_str());
}

TEST_F(UndoJournalFileTest, EntriesAfterAnUndoInAnEarlierRunGetNewNumbers) {
    const std::string path = FreshPath("corvix-undo-numbers.log");
    const std::string start = DumpRegistry();
    for (int run = 0; run < 3; ++run) {
        TUndoJournal journal(path);
        EXPECT_EQ(journal.TakeDamageReport(), "") << run;
        Associate(journal, ".a", "c" + std::to_string(run));
        Associate(journal, ".b", "c" + std::to_string(run));
        EXPECT_TRUE(journal.UndoLast().Complete());
    }
    TUndoJournal journal(path);
    EXPECT_EQ(journal.TakeDamageReport(), "");
    EXPECT_EQ(journal.Count(), 3u);
    while (journal.CanUndo())
        EXPECT_TRUE(journal.UndoLast().Complete());
    EXPECT_EQ(DumpRegistry(), start);
    std::remove(path.c_str());
}

TEST_F(UndoJournalFileTest, AJournalThatCantBeWrittenStopsTheChangeBeforeItIsMade) {
    PutString(".a", "", "afile");
    const std::string before = DumpRegistry();
    TUndoJournal journal(testing::TempDir() + "no-such-folder/undo.log");
    std::string message;
    try {
        TRegistryWriter w(&journal, "Delete '.a'");
        DeleteExtension(w, ".a");
    } catch (const EJournalError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find("can't be written"), std::string::npos) << message;
    EXPECT_NE(message.find("The change was not made"), std::string::npos) << message;
    EXPECT_EQ(DumpRegistry(), before);
    EXPECT_FALSE(journal.CanUndo());
}

TEST_F(UndoJournalFileTest, AnOlderVersionsAnsiEntryIsUndoneBesideNewOnesInUtf8) {
    // An older version, writing Windows-1252 (0xE4 is "ä"), changed ".ä" and
    // recorded its old values; this version adds entries of its own. Text is
    // read from the code page, binary data stays bytes.
    const std::string path = FreshPath("corvix-undo-ansi.log");
    PutString(".ä", "", "Ärger");
    PutRaw(".ä", "m", REG_MULTI_SZ, std::string("ä\0\0", 4));
    PutBinary(".ä", "b", "\xe4");
    PutString("Zoë 文書", "Ωmega.文書", "打开");
    const std::string start = DumpRegistry();
    PutString(".ä", "", "neu");
    PutString(".ä", "m", "");
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("Corvix undo journal 1\r\nentry 1 \"Zuordnen '.\\xe4'\"\r\n"
                   "image HKEY_CLASSES_ROOT \".\\xe4\"\r\nkey 0 \".\\xe4\"\r\n"
                   "value \"\" REG_SZ \"\\xc4rger\"\r\nvalue \"m\" REG_MULTI_SZ hex:e4,00,00\r\n"
                   "value \"b\" REG_BINARY hex:e4\r\nend\r\n",
                   file);
        std::fclose(file);
    }
    const std::string changed = DumpRegistry();
    {
        TUndoJournal journal(path);
        Associate(journal, ".zoë", "Zoë 文書");
        TRegistryWriter w(&journal, "Describe 'Zoë 文書'");
        RegisterFileClass(w, "Zoë 文書", "文書 Ω", TEditFlags{}, "", "", "");
    }
    EXPECT_NE(FileText(path).find("entry 2 \"Associate '.zo\\xc3\\xab' with 'Zo\\xc3\\xab "
                                  "\\xe6\\x96\\x87\\xe6\\x9b\\xb8'\" utf-8\r\n"),
              std::string::npos);

    TUndoJournal journal(path);
    EXPECT_EQ(journal.TakeDamageReport(), "");
    ASSERT_EQ(journal.Count(), 3u);
    EXPECT_TRUE(journal.UndoLast().Complete());
    EXPECT_EQ(GetText("Zoë 文書", "Ωmega.文書"), "打开") << "a value written back exactly";
    EXPECT_FALSE(HasValue("Zoë 文書", ""));
    EXPECT_TRUE(journal.UndoLast().Complete());
    EXPECT_EQ(DumpRegistry(), changed);
    EXPECT_EQ(journal.LastName(), "Zuordnen '.ä'");
    EXPECT_TRUE(journal.UndoLast().Complete());
    EXPECT_EQ(DumpRegistry(), start);
    std::remove(path.c_str());
}
