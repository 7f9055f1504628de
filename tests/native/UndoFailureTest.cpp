// The registry refusing the journal: a before-image that can't be read stops
// the command before anything is written (or, when the user agrees, lets it
// go on without undo, and then no run offers its step), and a restore refused
// part-way says which keys came back and keeps the entry for another try.
#include "association/DataType.h"
#include "association/UndoJournal.h"
#include "platform/FakeControl.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include "association/RegistryWriter.h"
#include "support/NoUndo.h"
#include <cstdio>
#include <memory>

namespace {

std::string FreshPath() {
    std::string path = testing::TempDir() + "corvix-undo-failure.log";
    std::remove(path.c_str());
    return path;
}

void BuildClassWithExtensions() {
    PutString("abcfile", "", "ABC");
    PutString("abcfile\\shell\\open\\command", "", "abc.exe %1");
    for (const char* ext : {".ab1", ".ab2", ".ab3"})
        PutString(ext, "", "abcfile");
}

void DeleteClassWithExtensions(TUndoJournal& journal) {
    TRegistryWriter w(&journal, "Delete fileclass 'abcfile' with 3 extensions");
    for (const char* ext : {".ab3", ".ab2", ".ab1"})
        DeleteExtension(w, ext);
    DeleteFileClass(w, "abcfile");
}

} // namespace

using UndoFailureTest = RegistryTest;

TEST_F(UndoFailureTest, AnUnreadableBeforeImageStopsTheCommandBeforeAnyWrite) {
    struct Case {
        fake::Fault fault;
        const char* message;
    } cases[] = {
        {fake::Fault::Open, "Could not open HKEY_CLASSES_ROOT\\.ab1 (error 5: access denied)."},
        {fake::Fault::QueryInfo,
         "Could not read the values of HKEY_CLASSES_ROOT\\.ab1 (error 5: access denied)."},
        {fake::Fault::EnumValue,
         "Could not read the values of HKEY_CLASSES_ROOT\\.ab1 (error 5: access denied)."},
    };
    for (const Case& c : cases) {
        BuildClassWithExtensions();
        const std::string before = DumpRegistry();
        const std::string path = FreshPath();
        TUndoJournal journal(path);
        fake::FailNext(c.fault);
        std::string message;
        try {
            TRegistryWriter w(&journal, "Associate '.ab1' with 'x'");
            AssociateExtension(w, ".ab1", "x", true);
        } catch (const EJournalError& e) {
            message = e.what();
        }
        EXPECT_EQ(message, std::string(c.message) +
                               "\r\nThe change was not made, since it could not be undone.");
        EXPECT_EQ(DumpRegistry(), before);
        EXPECT_FALSE(journal.CanUndo());
        EXPECT_EQ(TUndoJournal(path).Count(), 0u);
    }
    // A subkey that can't be listed stops it as well.
    BuildClassWithExtensions();
    TUndoJournal journal(FreshPath());
    TRegistryWriter w(&journal, "Delete fileclass 'abcfile'");
    fake::FailNext(fake::Fault::Enum);
    EXPECT_THROW(DeleteFileClass(w, "abcfile"), EJournalError);
    EXPECT_TRUE(HasKey("abcfile\\shell\\open\\command"));
}

TEST_F(UndoFailureTest, ARestoreRefusedPartWayReportsEachKeyAndKeepsTheEntry) {
    BuildClassWithExtensions();
    const std::string before = DumpRegistry();
    const std::string path = FreshPath();
    TUndoJournal journal(path);
    DeleteClassWithExtensions(journal);

    // The class key is restored first; its first value write is refused.
    fake::FailNext(fake::Fault::SetValue);
    TRestoreReport report = journal.UndoLast();
    EXPECT_FALSE(report.Complete());
    EXPECT_EQ(report.Restored,
              (std::vector<std::string>{"HKEY_CLASSES_ROOT\\.ab1", "HKEY_CLASSES_ROOT\\.ab2",
                                        "HKEY_CLASSES_ROOT\\.ab3"}));
    EXPECT_EQ(report.NotRestored,
              (std::vector<std::string>{"HKEY_CLASSES_ROOT\\abcfile: Could not write value '' of "
                                        "HKEY_CLASSES_ROOT\\abcfile (error 5: access denied)."}));
    EXPECT_EQ(report.Message(), "Restored:\r\n    HKEY_CLASSES_ROOT\\.ab1\r\n"
                                "    HKEY_CLASSES_ROOT\\.ab2\r\n    HKEY_CLASSES_ROOT\\.ab3\r\n"
                                "Not restored:\r\n    " +
                                    report.NotRestored[0]);
    EXPECT_NE(DumpRegistry(), before);
    EXPECT_EQ(journal.LastName(), "Delete fileclass 'abcfile' with 3 extensions");
    EXPECT_EQ(TUndoJournal(path).Count(), 1u) << "kept in the file too";

    // Trying again finishes the work.
    EXPECT_TRUE(journal.UndoLast().Complete());
    EXPECT_EQ(DumpRegistry(), before);
    EXPECT_FALSE(journal.CanUndo());
    std::remove(path.c_str());
}

TEST_F(UndoFailureTest, AKeyTheCommandCreatedThatCantBeDeletedIsReported) {
    const std::string before = DumpRegistry();
    TUndoJournal journal(FreshPath());
    {
        TRegistryWriter w(&journal, "Associate '.new' with 'x'");
        AssociateExtension(w, ".new", "x", true);
    }
    fake::FailNext(fake::Fault::DeleteKey);
    TRestoreReport report = journal.UndoLast();
    ASSERT_EQ(report.NotRestored.size(), 1u);
    EXPECT_EQ(report.NotRestored[0], "HKEY_CLASSES_ROOT\\.new: Could not delete "
                                     "HKEY_CLASSES_ROOT\\.new (error 5: access denied).");
    EXPECT_TRUE(journal.UndoLast().Complete());
    EXPECT_EQ(DumpRegistry(), before);
}

TEST_F(UndoFailureTest, AStepThatWentOnWithoutUndoIsOfferedNowhere) {
    BuildClassWithExtensions();
    const std::string path = FreshPath();
    TUndoJournal journal(path);
    std::unique_ptr<TUndoJournal> other; // another run, which saw the step begun
    {
        TRegistryWriter w(&journal, "Delete fileclass 'abcfile' with 3 extensions");
        w.onJournalFailure = [](const std::string&) { return true; };
        DeleteExtension(w, ".ab3");
        other = std::make_unique<TUndoJournal>(path);
        fake::FailNext(fake::Fault::EnumValue); // the image of .ab2 can't be read
        DeleteExtension(w, ".ab2");
        DeleteFileClass(w, "abcfile");
        EXPECT_TRUE(w.WithoutUndo());
    }
    EXPECT_FALSE(journal.CanUndo());
    EXPECT_FALSE(TUndoJournal(path).CanUndo());
    ASSERT_TRUE(other->CanUndo());
    EXPECT_THROW(other->UndoLast(), EJournalError);
    EXPECT_FALSE(other->CanUndo());
    EXPECT_TRUE(HasKey(".ab1") && !HasKey(".ab3")) << "nothing undone";
}
