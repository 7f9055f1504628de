// Two runs of the program writing one journal file (a window and the command
// line): entry numbers are never given twice, an entry goes on after the
// other's lines, an undo acts only on the step the user saw, compaction keeps
// what the other wrote, appends of two real processes take turns, and a key
// both change is changed by one only after the other's change is made.
#include "association/DataType.h"
#include "association/RegistryWriter.h"
#include "association/UndoJournal.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string FreshPath(const char* name) {
    const std::string path = testing::TempDir() + name;
    for (const char* suffix : {"", ".damaged", ".lock"})
        std::remove((path + suffix).c_str());
    return path;
}

void Associate(TUndoJournal& journal, const std::string& ext, const std::string& cls) {
    TRegistryWriter writer(&journal, ext + " " + cls);
    AssociateExtension(writer, ext, cls, true);
}

std::string ReadText(const std::string& path) {
    std::string text;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            text.append(buffer, got);
        std::fclose(file);
    }
    return text;
}

} // namespace

using JournalSharedTest = RegistryTest;

TEST_F(JournalSharedTest, TwoJournalsOnOneFileKeepEachOthersEntries) {
    const std::string path = FreshPath("corvix-shared.log");
    TJournalLimits limits;
    limits.MaxEntries = 4;
    TUndoJournal window(path, limits), commandLine(path, limits);
    Associate(window, ".a", "w1");
    Associate(commandLine, ".b", "c1");
    {
        // One command of the window, with the other's entry in between.
        TRegistryWriter writer(&window, ".c .d w2");
        AssociateExtension(writer, ".c", "w2", true);
        Associate(commandLine, ".e", "c2");
        AssociateExtension(writer, ".d", "w2", true);
    }
    const TJournalContents contents = ParseJournal(ReadText(path));
    EXPECT_EQ(contents.Whole, ReadText(path).size()) << contents.Problem;
    std::vector<long> ids;
    for (const TJournalRecord& record : contents.Entries)
        ids.push_back(record.Id);
    EXPECT_EQ(ids, (std::vector<long>{1, 2, 3, 4}));
    ASSERT_EQ(contents.Entries[2].Images.size(), 2u) << "the window's entry goes on";

    // The window offers the newest step it has seen; when the other wrote
    // since, its undo is refused and the step offered is brought up to date.
    EXPECT_EQ(window.LastName(), ".e c2");
    Associate(commandLine, ".f", "c3");
    const std::string beforeUndo = DumpRegistry();
    EXPECT_THROW(window.UndoLast(), EJournalError);
    EXPECT_EQ(DumpRegistry(), beforeUndo);
    EXPECT_EQ(window.LastName(), ".f c3");

    // Compaction keeps the newest entries, also one it learns of only now.
    Associate(window, ".g", "w3");
    Associate(commandLine, ".h", "c4");
    TUndoJournal restarted(path, limits);
    EXPECT_EQ(restarted.TakeDamageReport(), "");
    std::vector<std::string> names;
    while (restarted.CanUndo()) {
        names.push_back(restarted.LastName());
        ASSERT_TRUE(restarted.UndoLast().Complete());
    }
    EXPECT_EQ(names, (std::vector<std::string>{".h c4", ".g w3", ".f c3"}));
    EXPECT_FALSE(HasKey(".f"));
    EXPECT_TRUE(HasKey(".e"));
}

TEST_F(JournalSharedTest, AppendsOfTwoProcessesTakeTurns) {
    const std::string path = FreshPath("corvix-two-processes.log");
    const int kCommands = 25;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            // Each process has a registry of its own; the file is shared.
            TUndoJournal journal(path);
            for (int i = 0; i < kCommands; ++i)
                Associate(journal, ".p" + std::to_string(child), "c" + std::to_string(i));
            _exit(testing::Test::HasFailure() ? 1 : 0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::string text = ReadText(path);
    const TJournalContents contents = ParseJournal(text);
    EXPECT_EQ(contents.Whole, text.size()) << contents.Problem;
    EXPECT_EQ(contents.Entries.size(), 2u * kCommands);
    EXPECT_EQ(contents.LastId, 2 * kCommands);
}

TEST_F(JournalSharedTest, TheOtherRunChangesAKeyOnlyAfterThisChangeOfItIsMade) {
    const std::string path = FreshPath("corvix-shared-key.log");
    PutString(".k", "", "k0");
    TUndoJournal window(path), commandLine(path);
    std::thread other;
    {
        TRegistryWriter writer(&window, "window");
        TKeyChange change = writer.Key(HKEY_CLASSES_ROOT, ".k");
        other = std::thread([&] { Associate(commandLine, ".k", "k2"); });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(change.OpenKey(".k", false));
        change.WriteString("", "k1");
    }
    other.join();
    EXPECT_EQ(GetExtensionClass(".k"), "k2");
    TUndoJournal restarted(path);
    ASSERT_TRUE(restarted.UndoLast().Complete());
    EXPECT_EQ(GetExtensionClass(".k"), "k1");
    ASSERT_TRUE(restarted.UndoLast().Complete());
    EXPECT_EQ(GetExtensionClass(".k"), "k0");
}
