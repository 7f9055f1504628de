// The journal file refusing a write part-way (the process may make the file
// only so large): nothing half-written stays behind, and no undo is offered
// again whose "undone" mark was lost or could not be written.
#include "association/DataType.h"
#include "association/RegistryWriter.h"
#include "association/UndoJournal.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"
#include "support/WholeFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

std::string FileText(const std::string& path) {
    std::string text;
    ReadWholeFile(path, text);
    return text;
}

std::string FreshPath() {
    const std::string path = testing::TempDir() + "corvix-journal-fault.log";
    for (const char* suffix : {"", ".damaged", ".lock"})
        std::remove((path + suffix).c_str());
    return path;
}

// While it lives, no file of the process grows past `size` bytes: a write
// across that size is cut short, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(size_t size) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = size;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_;
};

void Associate(TUndoJournal& journal, const std::string& ext, const std::string& cls) {
    TRegistryWriter writer(&journal, "Associate '" + ext + "' with '" + cls + "'");
    AssociateExtension(writer, ext, cls, true);
}

} // namespace

using JournalFileFaultTest = RegistryTest;

TEST_F(JournalFileFaultTest, AnAppendCutShortLeavesNothingBehind) {
    const std::string path = FreshPath();
    const std::string start = DumpRegistry();
    TUndoJournal journal(path);
    Associate(journal, ".a", "x1");
    const std::string whole = FileText(path);
    {
        FileSizeLimit limit(whole.size() + 10);
        EXPECT_THROW(Associate(journal, ".b", "x2"), EJournalError);
    }
    EXPECT_EQ(FileText(path), whole);
    EXPECT_FALSE(HasKey(".b"));
    Associate(journal, ".c", "x3");

    TUndoJournal restarted(path);
    EXPECT_EQ(restarted.TakeDamageReport(), "");
    EXPECT_EQ(restarted.Count(), 2u);
    while (restarted.CanUndo())
        EXPECT_TRUE(restarted.UndoLast().Complete());
    EXPECT_EQ(DumpRegistry(), start);
}

TEST_F(JournalFileFaultTest, AnUndoWhoseEndIsNotRecordedIsNotOfferedAgain) {
    const std::string path = FreshPath();
    PutString(".a", "", "x0");
    const std::string start = DumpRegistry();
    {
        TUndoJournal journal(path);
        Associate(journal, ".a", "x1");
        Associate(journal, ".a", "x2");
        // No room for the mark that the undo began: nothing is undone.
        {
            FileSizeLimit limit(FileText(path).size());
            EXPECT_THROW(journal.UndoLast(), EJournalError);
        }
        EXPECT_EQ(GetExtensionClass(".a"), "x2");
        // Room for that mark, but not for "undone": the undo is done.
        {
            FileSizeLimit limit(FileText(path).size() + UndoingText(2).size());
            EXPECT_TRUE(journal.UndoLast().Complete());
        }
        EXPECT_EQ(GetExtensionClass(".a"), "x1");
        EXPECT_EQ(journal.LastName(), "Associate '.a' with 'x1'");
    }
    // The next start does not know whether entry 2 was taken back: it is not
    // offered, and the user is told; the entry before it is.
    {
        TUndoJournal journal(path);
        const std::string report = journal.TakeDamageReport();
        EXPECT_NE(report.find("Associate '.a' with 'x2'"), std::string::npos) << report;
        EXPECT_EQ(journal.Count(), 1u);
        EXPECT_EQ(journal.LastName(), "Associate '.a' with 'x1'");
    }
    EXPECT_EQ(TUndoJournal(path).TakeDamageReport(), "") << "reported once";

    // A mark that could not be written goes to the file before the next
    // change, and a mark in a damaged rest that is set aside still counts.
    {
        TUndoJournal journal(path);
        Associate(journal, ".a", "x3");
        {
            FileSizeLimit limit(FileText(path).size() + UndoingText(9).size());
            EXPECT_TRUE(journal.UndoLast().Complete());
        }
        Associate(journal, ".b", "y");
        EXPECT_TRUE(journal.UndoLast().Complete());
    }
    const std::string text = FileText(path);
    // The rubbish comes before the marks of the last undo.
    const size_t marks = text.rfind("undoing ");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const std::string damaged = text.substr(0, marks) + "rubbish\r\n" + text.substr(marks);
    std::fwrite(damaged.data(), 1, damaged.size(), file);
    std::fclose(file);
    TUndoJournal journal(path);
    EXPECT_NE(journal.TakeDamageReport().find("damaged"), std::string::npos);
    EXPECT_EQ(journal.Count(), 1u);
    EXPECT_TRUE(journal.UndoLast().Complete());
    EXPECT_EQ(DumpRegistry(), start);
    EXPECT_FALSE(TUndoJournal(path).CanUndo());
}
