// Every writing operation of the association layer, run as one journal entry
// on a registry holding values of every type, long names and nested keys, and
// then undone by a journal read back from the file (as after a restart): the
// whole registry must be byte for byte what it was.
#include "association/DataType.h"
#include "association/UndoJournal.h"
#include "support/KeyChain.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

#include "association/RegistryWriter.h"
#include "support/NoUndo.h"
#include <cstdio>
#include <functional>

namespace {

const std::string kGuid = "{0002DF01-0000-0000-C000-000000000046}";
const std::string kLong = std::string(254, 'x'); // ".xxx..." is 255 characters
const std::string kLongExt = "." + kLong;
const std::string kLongSub = std::string(255, 'S');

std::string JournalPath() {
    static int counter = 0;
    std::string path = testing::TempDir() + "corvix-undo-" + std::to_string(++counter) + ".log";
    std::remove(path.c_str());
    std::remove((path + ".damaged").c_str());
    return path;
}

// Extensions and classes with values of every type the registry knows.
void BuildRichRegistry() {
    PutString(".txt", "", "txtfile");
    PutString(".txt", "Content Type", "text/plain");
    PutString(".txt\\ShellNew", "NullFile", "");
    PutKey(".txt\\OpenWithList\\notepad.exe");
    PutRaw(".txt", "Unterminated", REG_SZ, "abc");
    PutString("txtfile", "", "Text Document");
    PutBinary("txtfile", "EditFlags", std::string("\x00\x00\x01\x00", 4));
    PutRaw("txtfile", "Multi", REG_MULTI_SZ, std::string("one\0two\0\0", 9));
    PutRaw("txtfile", "Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\a.exe\0", 19));
    PutRaw("txtfile", "Nothing", REG_NONE, "");
    PutRaw("txtfile", "Odd", 0x2A, "\x01\xff");
    PutRaw("txtfile", "High", 0xFFFF0011, "\x02");
    PutDword("txtfile", "Dword", 0xDEADBEEF);
    PutString("txtfile\\DefaultIcon", "", "shell32.dll,-3");
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe \"%1\"");
    PutString("txtfile\\shell\\print\\ddeexec\\topic", "", "System");
    std::string big;
    for (int i = 0; i < 3000; ++i)
        big += static_cast<char>(i * 7);
    PutBinary(".bin", "Blob", big);
    PutString(".bin", "", "binfile");
    PutString(".emp", "", ""); // an empty default value
    PutKey(".nokey-values");
    PutString("CLSID\\" + kGuid, "", "Guid Class");
    PutString("CLSID\\" + kGuid + "\\InprocServer32", "ThreadingModel", "Both");
    for (const char* ext : {".ab1", ".ab2", ".ab3"})
        PutString(ext, "", "abcfile");
    PutString("abcfile", "", "ABC äöü");
    // A class, value, verb and data beyond any ANSI code page, and a text of
    // an odd number of bytes (UTF-16 61 00 62 00 and 0x41).
    PutString(".zoe", "", "Zoë 文書");
    PutString("Zoë 文書", "", "Zoë's 文書");
    PutString("Zoë 文書", "Ωmega.文書", "打开 ✓");
    PutRaw("Zoë 文書", "Multi 文書", REG_MULTI_SZ, std::string("文\0書\0\0", 9));
    PutRaw("Zoë 文書", "Odd", REG_SZ, "ab\xFF\x41");
    PutString("Zoë 文書\\shell\\打开\\command", "", "notepad.exe \"%1\" Ω");
    ASSERT_TRUE(PutChainString({kLongExt}, "", "longfile"));
    ASSERT_TRUE(PutChainString({kLongExt, kLongSub, kLongSub}, "Deep", "value"));
    ASSERT_TRUE(PutChainString({"longfile", kLongSub}, "", "x"));
}

std::string WholeRegistry() {
    return DumpRegistry(HKEY_CLASSES_ROOT) + DumpRegistry(HKEY_CURRENT_USER);
}

struct Command {
    const char* name;
    std::function<void(TRegistryWriter& w)> run;
};

TStringList ListOf(std::initializer_list<const char*> items) {
    TStringList list;
    for (const char* item : items)
        list.Add(item);
    return list;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"Associate '.txt' with 'otherfile'",
         [](TRegistryWriter& w) { AssociateExtension(w, ".txt", "otherfile", true); }},
        {"Associate new '.new' with 'txtfile'",
         [](TRegistryWriter& w) { AssociateExtension(w, ".new", "txtfile", true); }},
        {"Associate the long extension",
         [](TRegistryWriter& w) { AssociateExtension(w, kLongExt, "txtfile", true); }},
        {"Dissociate '.txt'", [](TRegistryWriter& w) { DissociateExtension(w, ".txt"); }},
        {"Dissociate '.emp'", [](TRegistryWriter& w) { DissociateExtension(w, ".emp"); }},
        {"Delete extension '.txt'", [](TRegistryWriter& w) { DeleteExtension(w, ".txt"); }},
        {"Delete extension '.bin'", [](TRegistryWriter& w) { DeleteExtension(w, ".bin"); }},
        {"Delete the long extension", [](TRegistryWriter& w) { DeleteExtension(w, kLongExt); }},
        {"Register extension '.txt' anew",
         [](TRegistryWriter& w) {
             std::string cls = "newtxt";
             TStringList programs = ListOf({"wordpad.exe"});
             RegisterExtension(w, ".txt", cls, "", TEditFlags{efNone, efNoEdit}, true, "careful",
                               ptImage, snkCommand, "cmd.exe", &programs, &programs);
         }},
        {"Register extension '.brandnew'",
         [](TRegistryWriter& w) {
             std::string cls;
             RegisterExtension(w, ".brandnew", cls, "a/b", TEditFlags{}, false, "", ptText,
                               snkNullFile, "", nullptr, nullptr);
         }},
        {"Register fileclass 'txtfile' anew",
         [](TRegistryWriter& w) {
             RegisterFileClass(w, "txtfile", "", TEditFlags{efNone}, "", "", "");
         }},
        {"Change the icon of 'txtfile'",
         [](TRegistryWriter& w) { SetDefaultIcon(w, "txtfile", "C:\\icons\\t.ico,4"); }},
        {"Register fileclass 'txtfile' with a tip and a version",
         [](TRegistryWriter& w) {
             RegisterFileClass(w, "txtfile", "Text Document", TEditFlags{efNone}, "tip",
                               "txtfile.2", "C:\\icons\\t.ico,4");
         }},
        {"Register fileclass of the class identifier",
         [](TRegistryWriter& w) {
             RegisterFileClass(w, "CLSID\\" + kGuid, "Other", TEditFlags{}, "", "", "x.dll,1");
         }},
        {"Register fileclass below a new class identifier",
         [](TRegistryWriter& w) {
             RegisterFileClass(w, "CLSID\\{11111111-2222-3333-4444-555555555555}", "New",
                               TEditFlags{}, "", "", "");
         }},
        {"Delete fileclass 'txtfile'", [](TRegistryWriter& w) { DeleteFileClass(w, "txtfile"); }},
        {"Delete fileclass 'Zoë 文書' and its extension",
         [](TRegistryWriter& w) {
             DeleteExtension(w, ".zoe");
             DeleteFileClass(w, "Zoë 文書");
         }},
        {"Associate '.txt' with 'Zoë 文書' and add an action '编辑'",
         [](TRegistryWriter& w) {
             AssociateExtension(w, ".txt", "Zoë 文書", true);
             AddAction(w, "Zoë 文書", "编辑", "", "ed.exe %1");
         }},
        {"Delete fileclass of the class identifier",
         [](TRegistryWriter& w) { DeleteFileClass(w, "CLSID\\" + kGuid); }},
        {"Delete fileclass 'abcfile' with 3 extensions",
         [](TRegistryWriter& w) {
             for (const char* ext : {".ab3", ".ab2", ".ab1"})
                 DeleteExtension(w, ext);
             DeleteFileClass(w, "abcfile");
         }},
        {"Change the flags of 'txtfile' and delete it",
         [](TRegistryWriter& w) {
             SetEditFlagsBits(w, "txtfile", 0x20, 0x20);
             DeleteFileClass(w, "txtfile");
         }},
        {"Add an action to 'txtfile' and delete it",
         [](TRegistryWriter& w) {
             AddAction(w, "txtfile", "edit", "", "ed.exe %1");
             DeleteFileClass(w, "txtfile");
         }},
        {"Associate '.ab1' with 'txtfile' and delete 'abcfile'",
         [](TRegistryWriter& w) {
             AssociateExtension(w, ".ab1", "txtfile", true);
             DeleteFileClass(w, "abcfile");
             AssociateExtension(w, ".ab1", "otherfile", true);
         }},
    };
    return commands;
}

} // namespace

TEST(UndoRoundTripTest, EveryLayerWriteIsUndoneByteForByteAfterARestart) {
    for (const Command& command : Commands()) {
        SCOPED_TRACE(command.name);
        ScratchRegistry scratch;
        BuildRichRegistry();
        const std::string before = WholeRegistry();
        const std::string path = JournalPath();
        std::vector<TKeyImage> firstStates;
        {
            TUndoJournal journal(path);
            TRegistryWriter w(&journal, command.name);
            command.run(w);
            firstStates = journal.ChangedKeys();
        }
        ASSERT_NE(WholeRegistry(), before) << "the command changed nothing";

        TUndoJournal restarted(path);
        EXPECT_EQ(restarted.TakeDamageReport(), "");
        ASSERT_EQ(restarted.Count(), 1u);
        EXPECT_EQ(restarted.LastName(), command.name);
        TRestoreReport report = restarted.UndoLast();
        EXPECT_TRUE(report.Complete()) << report.Message();
        EXPECT_EQ(WholeRegistry(), before);
        EXPECT_EQ(restarted.Count(), 0u);
        EXPECT_EQ(TUndoJournal(path).Count(), 0u) << "the undo is not kept in the file";
        std::remove(path.c_str());

        // The first states the journal keeps for a backup undo the command too.
        TRegistryWriter again(nullptr, command.name);
        command.run(again);
        for (const TKeyImage& image : firstStates)
            RestoreKey(image);
        EXPECT_EQ(WholeRegistry(), before) << "from the first states";
    }
}

TEST(UndoRoundTripTest, SeveralStepsBackInOrderAndWritesOutsideAnEntryAreNotRecorded) {
    ScratchRegistry scratch;
    BuildRichRegistry();
    const std::string path = JournalPath();
    TUndoJournal journal(path);
    std::vector<std::string> states{WholeRegistry()};
    for (size_t i = 0; i < 4; ++i) {
        {
            TRegistryWriter w(&journal, Commands()[i].name);
            Commands()[i].run(w);
        }
        states.push_back(WholeRegistry());
    }
    AssociateExtension(NoUndo(), ".free", "txtfile", true); // no entry open: not undoable
    EXPECT_EQ(journal.Count(), 4u);
    const std::string withFree = WholeRegistry();
    while (journal.CanUndo()) {
        states.pop_back();
        EXPECT_EQ(journal.LastName(), Commands()[states.size() - 1].name);
        EXPECT_TRUE(journal.UndoLast().Complete());
        // The key the free write made stays; everything else steps back.
        DeleteExtension(NoUndo(), ".free");
        EXPECT_EQ(WholeRegistry(), states.back());
        AssociateExtension(NoUndo(), ".free", "txtfile", true);
    }
    EXPECT_NE(withFree, states.back());
    EXPECT_THROW(journal.UndoLast(), EJournalError);
    std::remove(path.c_str());
}

TEST(UndoRoundTripTest, AnEntryWithoutChangesLeavesNoTrace) {
    ScratchRegistry scratch;
    const std::string path = JournalPath();
    TUndoJournal journal(path);
    {
        TRegistryWriter w(&journal, "Asked and cancelled");
        TRegistryWriter nested(&journal, "Joined");
        EXPECT_TRUE(journal.InEntry());
    }
    EXPECT_FALSE(journal.InEntry());
    EXPECT_FALSE(journal.CanUndo());
    std::FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_EQ(file, nullptr) << "no file for nothing recorded";
    if (file)
        std::fclose(file);
}
