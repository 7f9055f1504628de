// The commands against the stand-in registry: for each command and answer,
// the whole registry before and after, the questions asked, the index
// against a fresh scan, undo putting back every byte, and the backup of the
// changed keys holding them as they were.
#include "commands/Commands.h"
#include "association/DataType.h"
#include "association/RegExport.h"
#include "commands/ScriptedQuestions.h"
#include "index/ZQFileAssoc.h"
#include "platform/FakeControl.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"
#include "support/WholeFile.h"

#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <sys/stat.h>

namespace {

const TAnswer Y = TAnswer::Yes;
const TAnswer N = TAnswer::No;

// .txt (with a "New" menu item) and .log name txtfile (an expandable icon,
// binary flags with a bit no window shows), .only
// names onlyfile, .bare names nothing, .gone names a class without a key;
// .zoe names a class whose name, value and verb hold text beyond any ANSI
// code page.
void BuildRegistry() {
    PutString(".zoe", "", "Zoë 文書");
    PutString("Zoë 文書", "", "Zoë's 文書");
    PutString("Zoë 文書", "Ωmega.文書", "打开 ✓");
    PutString("Zoë 文書\\shell\\打开\\command", "", "notepad.exe \"%1\"");
    PutString(".txt", "", "txtfile");
    PutString(".txt", "Content Type", "text/plain");
    PutString(".txt\\ShellNew", "NullFile", "");
    PutString(".txt\\OpenWithProgids", "onlyfile", "");
    PutString(".log", "", "txtfile");
    PutString(".only", "", "onlyfile");
    PutKey(".bare");
    PutString(".gone", "", "gonefile");
    PutString("txtfile", "", "Text Document");
    PutBinary("txtfile", "EditFlags", std::string("\x00\x00\x21\x00", 4)); // 0x200000 unseen
    PutRaw("txtfile\\DefaultIcon", "", REG_EXPAND_SZ, std::string("%SystemRoot%\\t.dll,1\0", 21));
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
    PutString("onlyfile", "", "Only");
    PutDword("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "HideFileExt", 1,
             HKEY_CURRENT_USER);
}

std::string WholeRegistry() {
    return DumpRegistry(HKEY_CLASSES_ROOT) + DumpRegistry(HKEY_CURRENT_USER);
}

// The index as class (upper case) -> extensions, for comparing with a scan.
std::map<std::string, std::set<std::string>> Contents(const TFileClass& index) {
    std::map<std::string, std::set<std::string>> contents;
    TStringList names;
    index.GetClassNames(names);
    for (int i = 0; i < names.Count(); ++i) {
        TStringList exts;
        index.GetClassExtensions(names[i], exts);
        std::string key = names[i];
        for (char& c : key)
            c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        for (int j = 0; j < exts.Count(); ++j)
            contents[key].insert(exts[j]);
    }
    return contents;
}

struct Case {
    const char* name;
    std::vector<TAnswer> answers;
    std::function<TChange(TCommands&)> run;
    // What the command must have done (checked on the registry after it).
    std::function<void()> check;
    std::vector<std::string> asked; // the first words of each question, in order
    // Another program's change between the scan and the command.
    std::function<void()> meanwhile = nullptr;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"associate, the old class deleted",
         {Y, Y},
         [](TCommands& c) { return c.Associate(".only", "txtfile"); },
         [] {
             EXPECT_EQ(GetText(".only", ""), "txtfile");
             EXPECT_FALSE(HasKey("onlyfile"));
         },
         {"Are you sure to associate '.only' to 'txtfile'?\r\nNote: '.only' is currently "
          "associated with 'onlyfile'",
          "The fileclass 'onlyfile' will not be used"}},
        {"associate, the old class kept",
         {Y, N},
         [](TCommands& c) { return c.Associate(".only", "newfile"); },
         [] {
             EXPECT_EQ(GetText(".only", ""), "newfile");
             EXPECT_TRUE(HasKey("onlyfile"));
         },
         {"Are you sure to associate", "The fileclass 'onlyfile'"}},
        {"dissociate, erased",
         {Y, Y},
         [](TCommands& c) { return c.Dissociate(".txt"); },
         [] {
             EXPECT_FALSE(HasKey(".txt"));
             EXPECT_TRUE(HasKey("txtfile"));
         },
         {"Are you sure to dissociate '.txt' from 'txtfile'?", "Erase extension"}},
        {"dissociate, class deleted, key kept",
         {Y, Y, N},
         [](TCommands& c) { return c.Dissociate(".only"); },
         [] {
             EXPECT_FALSE(HasValue(".only", ""));
             EXPECT_FALSE(HasKey("onlyfile"));
         },
         {"Are you sure to dissociate",
          "The fileclass will not be used by any other "
          "extension.\r\nShould 'onlyfile' be deleted?",
          "Erase extension"}},
        {"class view: dissociate, class and key deleted",
         {Y, Y},
         [](TCommands& c) { return c.DissociateFromClass("onlyfile", ".only"); },
         [] { EXPECT_FALSE(HasKey(".only")); EXPECT_FALSE(HasKey("onlyfile")); },
         {"The fileclass will not be used by any other extension.\r\nShould 'onlyfile' be",
          "While this extension is no longer linked"}},
        {"class view: add an extension",
         {},
         [](TCommands& c) { return c.AddExtension("txtfile", ".bare"); },
         [] { EXPECT_EQ(GetText(".bare", ""), "txtfile"); },
         {}},
        {"delete an extension",
         {Y},
         [](TCommands& c) { return c.DeleteExtension(".log"); },
         [] {
             EXPECT_FALSE(HasKey(".log"));
             EXPECT_TRUE(HasKey("txtfile"));
         },
         {"Are you sure to delete '.log'?"}},
        {"delete a class with its extensions",
         {Y, Y},
         [](TCommands& c) { return c.DeleteClass("txtfile"); },
         [] {
             EXPECT_FALSE(HasKey("txtfile"));
             EXPECT_FALSE(HasKey(".txt"));
         },
         {"Are you sure to delete 'txtfile'?", "There are 2 extensions linked to 'txtfile'."}},
        {"delete a class beyond the code page with its extension",
         {Y, Y},
         [](TCommands& c) { return c.DeleteClass("Zoë 文書"); },
         [] {
             EXPECT_FALSE(HasKey("Zoë 文書"));
             EXPECT_FALSE(HasKey(".zoe"));
         },
         {"Are you sure to delete 'Zoë 文書'?", "There are 1 extensions linked to 'Zoë 文書'."}},
        {"associate with a class beyond the code page",
         {Y, N},
         [](TCommands& c) { return c.Associate(".only", "Zoë 文書"); },
         [] { EXPECT_EQ(GetText(".only", ""), "Zoë 文書"); },
         {"Are you sure to associate '.only' to 'Zoë 文書'?", "The fileclass 'onlyfile'"}},
        {"delete a class, its extensions kept",
         {Y, N},
         [](TCommands& c) { return c.DeleteClass("txtfile"); },
         [] {
             EXPECT_FALSE(HasKey("txtfile"));
             EXPECT_EQ(GetText(".txt", ""), "txtfile");
         },
         {"Are you sure to delete 'txtfile'?", "There are 2"}},
        {"change an expandable icon: it stays expandable",
         {Y},
         [](TCommands& c) { return c.ChangeIcon("txtfile", "%SystemRoot%\\u.dll,2"); },
         [] {
             EXPECT_EQ(GetRaw("txtfile\\DefaultIcon", "").type, DWORD(REG_EXPAND_SZ));
             EXPECT_EQ(GetRaw("txtfile\\DefaultIcon", "").bytes,
                       std::string("%SystemRoot%\\u.dll,2\0", 21));
         },
         {"Are you sure to change the icon"}},
        {"register an existing class: what the dialog doesn't show stays",
         {},
         [](TCommands& c) {
             return c.RegisterClass({"txtfile", "Plain text", "tip", "", ""});
         },
         [] {
             EXPECT_EQ(GetText("txtfile", ""), "Plain text");
             EXPECT_EQ(GetRaw("txtfile\\DefaultIcon", "").type, DWORD(REG_EXPAND_SZ));
             EXPECT_EQ(GetRaw("txtfile", "EditFlags").type, DWORD(REG_BINARY));
             EXPECT_EQ(GetRaw("txtfile", "EditFlags").bytes, std::string("\x00\x00\x21\x00", 4));
         },
         {}},
        {"register an extension that exists: only the link and what was typed change", {},
         [](TCommands& c) { return c.RegisterExtension({".txt", "newfile", "", 0}); },
         [] {
             EXPECT_EQ(GetText(".txt", ""), "newfile");
             EXPECT_EQ(GetText(".txt", "Content Type"), "text/plain");
             EXPECT_TRUE(HasKey(".txt\\ShellNew"));
         },
         {}},
        {"'New'-menu item added: an empty new file", {Y},
         [](TCommands& c) { return c.SetNewMenuItem(".log", true); },
         [] { EXPECT_EQ(GetRaw(".log\\ShellNew", "NullFile").type, DWORD(REG_SZ)); },
         {"Are you sure to add an item for '.log'"}},
        {"'New'-menu item deleted with its values", {Y},
         [](TCommands& c) { return c.SetNewMenuItem(".txt", false); },
         [] {
             EXPECT_FALSE(HasKey(".txt\\ShellNew"));
             EXPECT_TRUE(HasKey(".txt"));
         },
         {"Are you sure to delete the item for '.txt'"}},
        {"'Open with' offers a class", {Y},
         [](TCommands& c) { return c.AddToOpenWith(".log", "onlyfile"); },
         [] { EXPECT_TRUE(HasValue(".log\\OpenWithProgids", "onlyfile")); },
         {"Are you sure to offer 'onlyfile' under 'Open with' for '.log'?"}},
        {"'Open with' no longer offers a class", {Y},
         [](TCommands& c) { return c.RemoveFromOpenWith(".txt", "onlyfile"); },
         [] { EXPECT_FALSE(HasValue(".txt\\OpenWithProgids", "onlyfile")); },
         {"Are you sure to remove 'onlyfile' from the 'Open with' lists of '.txt'?"}},
        {"dissociate while another extension came to name the class: it stays", {Y, N},
         [](TCommands& c) { return c.Dissociate(".only"); },
         [] { EXPECT_FALSE(HasValue(".only", "")); EXPECT_TRUE(HasKey("onlyfile")); },
         {"Are you sure to dissociate", "Erase extension"},
         [] { PutString(".new", "", "onlyfile"); }},
        {"register an extension and describe its new class", {Y},
         [](TCommands& c) {
             return c.RegisterExtension({".new", "newfile", "text/x-new", 0}, [](TNewClass& k) {
                 k.Description = "New things";
                 return true;
             });
         },
         [] {
             EXPECT_EQ(GetText(".new", ""), "newfile");
             EXPECT_EQ(GetText("newfile", ""), "New things");
         },
         {"The extension is now registered to the system!"}},
        {"show the extensions",
         {Y},
         [](TCommands& c) { return c.ShowExtensions(true); },
         [] {
             EXPECT_EQ(GetRaw("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                              "HideFileExt", HKEY_CURRENT_USER)
                           .bytes,
                       std::string(4, '\0'));
         },
         {"Do you really want the extensions of all known file types to be shown?"}},
    };
    return cases;
}

class CommandsTest : public RegistryTest {
protected:
    void SetUp() override {
        dir_ = testing::TempDir() + "corvix-commands-" + std::to_string(++counter_);
        mkdir(dir_.c_str(), 0700);
        std::remove(Journal().c_str());
        std::FILE* ini = std::fopen(Settings().c_str(), "w");
        std::fputs("[config]\nSaveMode=0\n", ini);
        std::fclose(ini);
        BuildRegistry();
    }
    std::string Settings() const { return dir_ + "/settings.ini"; }
    std::string Journal() const { return dir_ + "/undo.log"; }
    std::string dir_;
    static int counter_;
};
int CommandsTest::counter_ = 0;

} // namespace

TEST_F(CommandsTest, EachCommandChangesWhatItSaysKeepsTheIndexAndIsUndoneByteForByte) {
    for (const Case& test : Cases()) {
        SCOPED_TRACE(test.name);
        ScratchRegistry scratch;
        BuildRegistry();
        std::remove(Journal().c_str());
        std::string before = WholeRegistry();
        ScriptedQuestions questions;
        questions.answers.assign(test.answers.begin(), test.answers.end());
        int notices = 0;
        std::vector<TKeyImage> changed;
        {
            TCommands commands(Settings(), questions);
            commands.AssociationsChanged = [&] { ++notices; };
            commands.ShellStateChanged = [&] { ++notices; };
            commands.DecideGate();
            commands.Rescan();
            if (test.meanwhile) {
                test.meanwhile();
                before = WholeRegistry();
            }
            const TChange change = test.run(commands);
            EXPECT_TRUE(change.Done);
            EXPECT_EQ(notices, 1) << "the shell is told once";
            test.check();
            TFileClass fresh;
            ScanFileClasses(fresh);
            EXPECT_EQ(Contents(commands.Index()), Contents(fresh));
            changed = commands.Journal().ChangedKeys();
            commands.WriteBackup(dir_ + "/backup.reg", false);
        }
        EXPECT_TRUE(questions.answers.empty()) << "questions left unasked";
        ASSERT_EQ(questions.asked.size(), test.asked.size());
        for (size_t i = 0; i < test.asked.size(); ++i)
            EXPECT_EQ(questions.asked[i].substr(0, test.asked[i].size()), test.asked[i]);

        // Undo after a restart, from the journal file alone.
        ScriptedQuestions undoQuestions;
        undoQuestions.answers = {Y};
        TCommands restarted(Settings(), undoQuestions);
        restarted.AssociationsChanged = [] {};
        restarted.ShellStateChanged = [] {};
        restarted.DecideGate();
        EXPECT_TRUE(restarted.Undo().Done);
        EXPECT_EQ(WholeRegistry(), before);
        for (TKeyImage& key : changed)
            key = key.OneValue ? CaptureValue(key.Root, key.Path, key.ValueName)
                               : CaptureKey(key.Root, key.Path);
        std::string backup;
        ASSERT_TRUE(ReadWholeFile(dir_ + "/backup.reg", backup));
        EXPECT_EQ(backup, RegFileBytes(changed));
    }
}

TEST_F(CommandsTest, DeclinedRefusedOrUnjournaledCommandsChangeNothing) {
    const std::string before = WholeRegistry();
    { // The first question answered No.
        ScriptedQuestions questions;
        questions.answers = {N, N, N, N, N};
        TCommands commands(Settings(), questions);
        commands.DecideGate();
        commands.Rescan();
        EXPECT_FALSE(commands.Associate(".only", "txtfile").Done);
        EXPECT_FALSE(commands.SetNewMenuItem(".log", true).Done);
        EXPECT_FALSE(commands.SetNewMenuItem(".txt", false).Done);
        EXPECT_FALSE(commands.AddToOpenWith(".log", "onlyfile").Done);
        EXPECT_FALSE(commands.RemoveFromOpenWith(".txt", "onlyfile").Done);
        EXPECT_FALSE(commands.Undo().Done) << "nothing to undo";
    }
    { // The gate closed: the refusal is told, nothing is asked.
        ScriptedQuestions questions;
        TCommands commands(Settings(), questions);
        commands.SetAllowChanges(false);
        EXPECT_FALSE(commands.DeleteClass("txtfile").Done);
        EXPECT_EQ(questions.asked, std::vector<std::string>{kChangesRefused});
    }
    // The journal can't be written (its name taken by a folder): asked
    // whether to go on without undo; No keeps the registry as it was.
    mkdir(Journal().c_str(), 0700);
    for (TAnswer withoutUndo : {N, Y}) {
        ScriptedQuestions questions;
        questions.answers = {Y, withoutUndo};
        TCommands commands(Settings(), questions);
        commands.AssociationsChanged = [] {};
        commands.DecideGate();
        commands.Rescan();
        if (withoutUndo == N) {
            EXPECT_THROW(commands.DeleteExtension(".bare"), EJournalError);
            EXPECT_EQ(WholeRegistry(), before);
        } else {
            const TChange change = commands.DeleteExtension(".bare");
            EXPECT_TRUE(change.Done && change.WithoutUndo);
            EXPECT_FALSE(HasKey(".bare"));
        }
        ASSERT_EQ(questions.asked.size(), 2u);
        EXPECT_NE(questions.asked[1].find("without the possibility to undo"), std::string::npos);
    }
    rmdir(Journal().c_str());
}

// What a command deletes or unlinks is read afresh: when another program
// changed it since the scan the command says so and changes nothing; a
// registry that refuses a write raises instead of reporting it done.
TEST_F(CommandsTest, AStaleIndexOrARefusingRegistryChangesNothing) {
    struct Stale {
        const char* name;
        std::function<void()> meanwhile;
        std::function<TChange(TCommands&)> run;
    } const stale[] = {
        {"the extension moved to another class: that class isn't deleted",
         [] { PutString(".only", "", "txtfile"); },
         [](TCommands& c) { return c.DissociateFromClass("onlyfile", ".only"); }},
        {"an extension moved away isn't deleted with the class",
         [] { PutString(".log", "", "onlyfile"); },
         [](TCommands& c) { return c.DeleteClass("txtfile"); }},
        {"associating an extension whose class changed", [] { PutString(".txt", "", "onlyfile"); },
         [](TCommands& c) { return c.Associate(".txt", "newfile"); }},
        {"deleting an extension whose class changed", [] { PutString(".only", "", "txtfile"); },
         [](TCommands& c) { return c.DeleteExtension(".only"); }},
    };
    for (const Stale& test : stale) {
        SCOPED_TRACE(test.name);
        ScratchRegistry scratch;
        BuildRegistry();
        ScriptedQuestions questions;
        questions.answers = {Y, Y, Y};
        TCommands commands(Settings(), questions);
        commands.DecideGate();
        commands.Rescan();
        test.meanwhile();
        const std::string before = WholeRegistry();
        const TChange change = test.run(commands);
        EXPECT_TRUE(change.Stale && !change.Done);
        EXPECT_EQ(WholeRegistry(), before);
        ASSERT_EQ(questions.asked.size(), 1u);
        EXPECT_NE(questions.asked[0].find("The registry was changed"), std::string::npos);
    }

    const struct Refused {
        fake::Fault fault;
        std::vector<TAnswer> answers;
        std::function<TChange(TCommands&)> run;
    } refused[] = {
        {fake::Fault::Create, {Y}, [](TCommands& c) { return c.Associate(".new", "txtfile"); }},
        {fake::Fault::DeleteValue, {Y, N, N}, [](TCommands& c) { return c.Dissociate(".only"); }},
        {fake::Fault::DeleteValue,
         {Y},
         [](TCommands& c) {
             return c.Repair({{TFindingKind::MissingClass, ".gone", "", "", "gonefile"}});
         }},
    };
    for (const Refused& test : refused) {
        ScratchRegistry scratch;
        BuildRegistry();
        const std::string before = WholeRegistry();
        ScriptedQuestions questions;
        questions.answers.assign(test.answers.begin(), test.answers.end());
        TCommands commands(Settings(), questions);
        commands.DecideGate();
        commands.Rescan();
        fake::FailNext(test.fault);
        EXPECT_THROW(test.run(commands), ERegistryException);
        EXPECT_EQ(WholeRegistry(), before);
    }
}
