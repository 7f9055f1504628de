// The action and flags commands against the stand-in registry: for each
// command, the whole registry after it and after its undo, value types kept;
// declined, refused, unchanged and invalid commands change nothing; a write
// the registry refuses halfway is undone exactly.
#include "association/DataType.h"
#include "commands/Commands.h"
#include "commands/ScriptedQuestions.h"
#include "platform/FakeControl.h"
#include "support/ErrorOf.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"

#include <cstdio>
#include <functional>
#include <sys/stat.h>

namespace {

const TAnswer Y = TAnswer::Yes;
const TAnswer N = TAnswer::No;

// txtfile: open (an expandable command), print (the default, with DDE) and
// edit (a key without command), flags as 4 binary bytes. binfile: flags as 2
// binary bytes. dwordfile: a REG_DWORD with a bit no box shows. plainfile:
// neither shell nor flags. .gone names a class without a key.
void BuildRegistry() {
    PutString(".txt", "", "txtfile");
    PutString(".gone", "", "gonefile");
    PutString("txtfile", "", "Text Document");
    PutBinary("txtfile", "EditFlags", std::string("\x00\x00\x01\x00", 4));
    PutString("txtfile\\shell", "", "print");
    PutRaw("txtfile\\shell\\open\\command", "", REG_EXPAND_SZ,
           std::string("%SystemRoot%\\notepad.exe %1\0", 28));
    PutString("txtfile\\shell\\print\\command", "", "notepad.exe /p %1");
    PutString("txtfile\\shell\\print\\ddeexec", "", "[print(\"%1\")]");
    PutString("txtfile\\shell\\print\\ddeexec\\application", "", "Notepad");
    PutString("txtfile\\shell\\print\\ddeexec\\topic", "", "System");
    PutKey("txtfile\\shell\\edit");
    PutBinary("binfile", "EditFlags", std::string("\x38\x07", 2));
    PutDword("dwordfile", "EditFlags", 0x80000);
    PutString("plainfile", "", "Plain");
}

RawValue Raw(const std::string& path, const std::string& name = "") {
    return GetRaw(path, name);
}
std::string Sz(const std::string& text) {
    return text + '\0';
}

class ActionCommandsTest : public RegistryTest {
protected:
    void SetUp() override {
        dir_ = testing::TempDir() + "corvix-actions-" + std::to_string(++counter_);
        mkdir(dir_.c_str(), 0700);
        std::FILE* ini = std::fopen(Settings().c_str(), "w");
        std::fputs("[config]\nSaveMode=0\n", ini);
        std::fclose(ini);
    }
    void Fresh() {
        fake::ResetRegistry();
        BuildRegistry();
        std::remove((dir_ + "/undo.log").c_str());
    }
    // Commands on the settings file, the gate open, answering from `answers`.
    std::unique_ptr<TCommands> Open(ScriptedQuestions& questions) {
        auto commands = std::make_unique<TCommands>(Settings(), questions);
        commands->AssociationsChanged = [this] { ++notices_; };
        commands->DecideGate();
        return commands;
    }
    std::string Settings() const { return dir_ + "/settings.ini"; }
    std::string dir_;
    int notices_ = 0;
    static int counter_;
};
int ActionCommandsTest::counter_ = 0;

TActionEdit CommandEdit(const std::string& command) {
    TActionEdit edit;
    edit.Command = command;
    return edit;
}
TActionEdit DDEEdit(const TDDEInfo& dde) {
    TActionEdit edit;
    edit.DDE = dde;
    return edit;
}

struct Case {
    const char* name;
    std::function<TChange(TCommands&)> run;
    std::function<void()> check;
    const char* asked;
    const char* undoName;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"an expandable command stays expandable",
         [](TCommands& c) { return c.ChangeAction("txtfile", "OPEN", CommandEdit("%windir%\\w.exe %1")); },
         [] {
             EXPECT_EQ(Raw("txtfile\\shell\\open\\command").type, DWORD(REG_EXPAND_SZ));
             EXPECT_EQ(Raw("txtfile\\shell\\open\\command").bytes, Sz("%windir%\\w.exe %1"));
         },
         "Are you sure to change the action 'open' of 'txtfile'?", "Change action 'open' of 'txtfile'"},
        {"a plain command stays plain, and DDE fields are written or removed one by one",
         [](TCommands& c) {
             TActionEdit edit = DDEEdit({"[print(\"%1\")]", "WordPad", "", "[open]"});
             edit.Command = "%ProgramFiles%\\wordpad.exe /p %1";
             return c.ChangeAction("txtfile", "print", edit);
         },
         [] {
             EXPECT_EQ(Raw("txtfile\\shell\\print\\command").type, DWORD(REG_SZ));
             EXPECT_EQ(GetText("txtfile\\shell\\print\\ddeexec\\application", ""), "WordPad");
             EXPECT_FALSE(HasKey("txtfile\\shell\\print\\ddeexec\\topic"));
             EXPECT_EQ(GetText("txtfile\\shell\\print\\ddeexec\\ifexec", ""), "[open]");
             EXPECT_EQ(GetText("txtfile\\shell\\print\\ddeexec", ""), "[print(\"%1\")]");
         },
         "Are you sure to change the action 'print'", "Change action 'print' of 'txtfile'"},
        {"a new command naming a variable is expandable",
         [](TCommands& c) { return c.ChangeAction("txtfile", "edit", CommandEdit("%windir%\\e.exe \"%1\"")); },
         [] { EXPECT_EQ(Raw("txtfile\\shell\\edit\\command").type, DWORD(REG_EXPAND_SZ)); },
         "Are you sure to change the action 'edit'", "Change action 'edit' of 'txtfile'"},
        {"a new command with placeholders only is plain, DDE made",
         [](TCommands& c) {
             TActionEdit edit = DDEEdit({"[edit]", "", "", ""});
             edit.Command = "e.exe %1 %L";
             return c.ChangeAction("txtfile", "edit", edit);
         },
         [] {
             EXPECT_EQ(Raw("txtfile\\shell\\edit\\command").bytes, Sz("e.exe %1 %L"));
             EXPECT_EQ(Raw("txtfile\\shell\\edit\\command").type, DWORD(REG_SZ));
             EXPECT_EQ(GetText("txtfile\\shell\\edit\\ddeexec", ""), "[edit]");
             EXPECT_FALSE(HasKey("txtfile\\shell\\edit\\ddeexec\\application"));
         },
         "Are you sure to change the action 'edit'", "Change action 'edit' of 'txtfile'"},
        {"four empty DDE fields remove ddeexec",
         [](TCommands& c) { return c.ChangeAction("txtfile", "print", DDEEdit({})); },
         [] {
             EXPECT_FALSE(HasKey("txtfile\\shell\\print\\ddeexec"));
             EXPECT_TRUE(HasKey("txtfile\\shell\\print\\command"));
         },
         "Are you sure to change the action 'print'", "Change action 'print' of 'txtfile'"},
        {"add a verb with a caption",
         [](TCommands& c) { return c.AddAction({"txtfile", "Preview", "&Preview it", "pv.exe \"%1\""}); },
         [] {
             EXPECT_EQ(GetText("txtfile\\shell\\Preview", ""), "&Preview it");
             EXPECT_EQ(Raw("txtfile\\shell\\Preview\\command").bytes, Sz("pv.exe \"%1\""));
             EXPECT_EQ(GetText("txtfile\\shell", ""), "print");
         },
         "Are you sure to add the action 'Preview' to 'txtfile'?", "Add action 'Preview' to 'txtfile'"},
        {"add the first verb of a class: shell made, undo takes it away",
         [](TCommands& c) { return c.AddAction({"plainfile", "open", "", "%windir%\\p.exe %1"}); },
         [] {
             EXPECT_FALSE(HasValue("plainfile\\shell\\open", ""));
             EXPECT_EQ(Raw("plainfile\\shell\\open\\command").type, DWORD(REG_EXPAND_SZ));
         },
         "Are you sure to add the action 'open' to 'plainfile'?", "Add action 'open' to 'plainfile'"},
        {"delete the default verb: the default value goes too",
         [](TCommands& c) { return c.DeleteAction("txtfile", "Print"); },
         [] {
             EXPECT_FALSE(HasKey("txtfile\\shell\\print"));
             EXPECT_FALSE(HasValue("txtfile\\shell", ""));
             EXPECT_TRUE(HasKey("txtfile\\shell\\open\\command"));
         },
         "Are you sure to delete the action 'print'?", "Delete action 'print' of 'txtfile'"},
        {"delete another verb: the default stays",
         [](TCommands& c) { return c.DeleteAction("txtfile", "open"); },
         [] {
             EXPECT_FALSE(HasKey("txtfile\\shell\\open"));
             EXPECT_EQ(GetText("txtfile\\shell", ""), "print");
         },
         "Are you sure to delete the action 'open'?", "Delete action 'open' of 'txtfile'"},
        {"make a verb the default, spelt as its key",
         [](TCommands& c) { return c.SetDefaultAction("txtfile", "EDIT"); },
         [] { EXPECT_EQ(GetText("txtfile\\shell", ""), "edit"); },
         "Are you sure to make 'edit' the default action of 'txtfile'?",
         "Make 'edit' the default action of 'txtfile'"},
        {"binary flags keep their length",
         [](TCommands& c) { return c.SetEditFlags("binfile", 0, 0x8); },
         [] {
             EXPECT_EQ(Raw("binfile", "EditFlags").type, DWORD(REG_BINARY));
             EXPECT_EQ(Raw("binfile", "EditFlags").bytes, std::string("\x30\x07", 2));
         },
         "Are you sure to change the flags of 'binfile'?", "Change the flags of 'binfile'"},
        {"binary flags grow only as far as the number needs",
         [](TCommands& c) { return c.SetEditFlags("binfile", 0x10000, 0x10000); },
         [] { EXPECT_EQ(Raw("binfile", "EditFlags").bytes, std::string("\x38\x07\x01", 3)); },
         "Are you sure to change the flags of 'binfile'?", "Change the flags of 'binfile'"},
        {"4 binary bytes stay 4",
         [](TCommands& c) { return c.SetEditFlags("txtfile", 0x2, 0x17BFFE); },
         [] {
             EXPECT_EQ(Raw("txtfile", "EditFlags").bytes, std::string("\x02\x00\x00\x00", 4));
             EXPECT_EQ(Raw("txtfile", "EditFlags").type, DWORD(REG_BINARY));
         },
         "Are you sure to change the flags of 'txtfile'?", "Change the flags of 'txtfile'"},
        {"a REG_DWORD keeps its type and its unknown bit",
         [](TCommands& c) { return c.SetEditFlags("dwordfile", 0x10002, 0x17BFFE); },
         [] {
             EXPECT_EQ(Raw("dwordfile", "EditFlags").type, DWORD(REG_DWORD));
             EXPECT_EQ(Raw("dwordfile", "EditFlags").bytes, std::string("\x02\x00\x09\x00", 4));
         },
         "Are you sure to change the flags", "Change the flags of 'dwordfile'"},
        {"new flags are a REG_DWORD",
         [](TCommands& c) { return c.SetEditFlags("plainfile", 0x10000); },
         [] {
             EXPECT_EQ(Raw("plainfile", "EditFlags").type, DWORD(REG_DWORD));
             EXPECT_EQ(Raw("plainfile", "EditFlags").bytes, std::string("\x00\x00\x01\x00", 4));
         },
         "Are you sure to change the flags", "Change the flags of 'plainfile'"},
    };
    return cases;
}

} // namespace

TEST_F(ActionCommandsTest, EachCommandChangesWhatItSaysAndIsUndoneByteForByte) {
    for (const Case& test : Cases()) {
        SCOPED_TRACE(test.name);
        Fresh();
        const std::string before = DumpRegistry();
        ScriptedQuestions questions;
        questions.answers = {Y};
        notices_ = 0;
        {
            auto commands = Open(questions);
            EXPECT_TRUE(test.run(*commands).Done);
            EXPECT_EQ(notices_, 1) << "the shell is told once";
            test.check();
            EXPECT_EQ(commands->Journal().LastName(), test.undoName);
        }
        ASSERT_EQ(questions.asked.size(), 1u);
        EXPECT_EQ(questions.asked[0].substr(0, strlen(test.asked)), test.asked);
        ScriptedQuestions undoQuestions;
        undoQuestions.answers = {Y};
        auto restarted = Open(undoQuestions);
        EXPECT_TRUE(restarted->Undo().Done);
        EXPECT_EQ(DumpRegistry(), before);
    }
}

TEST_F(ActionCommandsTest, DeclinedRefusedUnchangedOrInvalidCommandsChangeNothing) {
    Fresh();
    const std::string before = DumpRegistry();
    const auto run = [&](std::vector<TAnswer> answers, bool gate,
                         const std::function<TChange(TCommands&)>& command) {
        ScriptedQuestions questions;
        questions.answers.assign(answers.begin(), answers.end());
        auto commands = Open(questions);
        commands->SetAllowChanges(gate);
        EXPECT_FALSE(command(*commands).Done);
        EXPECT_FALSE(commands->Journal().CanUndo());
        EXPECT_EQ(DumpRegistry(), before);
        EXPECT_TRUE(questions.answers.empty());
        return questions.asked;
    };
    const std::vector<std::function<TChange(TCommands&)>> commands = {
        [](TCommands& c) { return c.ChangeAction("txtfile", "open", CommandEdit("x.exe")); },
        [](TCommands& c) { return c.AddAction({"txtfile", "new", "", "x.exe"}); },
        [](TCommands& c) { return c.DeleteAction("txtfile", "open"); },
        [](TCommands& c) { return c.SetDefaultAction("txtfile", "open"); },
        [](TCommands& c) { return c.SetEditFlags("txtfile", 0x2); },
    };
    for (size_t i = 0; i < commands.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(run({N}, true, commands[i]).size(), 1u) << "answered No";
        EXPECT_EQ(run({}, false, commands[i]), std::vector<std::string>{kChangesRefused});
    }
    // What leaves everything as it is asks nothing.
    const std::vector<std::function<TChange(TCommands&)>> unchanged = {
        [](TCommands& c) {
            TActionEdit edit = DDEEdit({"[print(\"%1\")]", "Notepad", "System", ""});
            edit.Command = "notepad.exe /p %1";
            return c.ChangeAction("txtfile", "print", edit);
        },
        [](TCommands& c) { return c.ChangeAction("txtfile", "edit", TActionEdit{"", TDDEInfo()}); },
        [](TCommands& c) { return c.SetDefaultAction("txtfile", "print"); },
        [](TCommands& c) { return c.SetEditFlags("binfile", 0x738, 0xFFFF); },
        [](TCommands& c) { return c.SetEditFlags("plainfile", 0x4000, 0); },
    };
    for (const auto& command : unchanged)
        EXPECT_TRUE(run({}, true, command).empty());

    // Names that don't fit: the reason, nothing asked.
    const std::string longVerb(256, 'v');
    struct Invalid {
        std::function<TChange(TCommands&)> command;
        const char* error;
    } invalid[] = {
        {[](TCommands& c) { return c.AddAction({"txtfile", "", "", "x.exe"}); },
         "The name of an action can't be empty."},
        {[](TCommands& c) { return c.AddAction({"txtfile", "a\\b", "", "x.exe"}); },
         "a\\b is not a valid name of an action: it holds a backslash."},
        {[&](TCommands& c) { return c.AddAction({"txtfile", longVerb, "", "x.exe"}); },
         "The name of an action can't be longer than 255 characters."},
        {[](TCommands& c) { return c.AddAction({"txtfile", "OPEN", "", "x.exe"}); },
         "The action 'OPEN' exists already."},
        {[](TCommands& c) { return c.AddAction({"txtfile", "view", "", ""}); },
         "The command of an action can't be empty."},
        {[](TCommands& c) { return c.ChangeAction("txtfile", "open", CommandEdit("")); },
         "The command of an action can't be empty."},
        {[](TCommands& c) { return c.AddAction({"gonefile", "open", "", "x.exe"}); },
         "gonefile is not registered to the system."},
        {[](TCommands& c) { return c.DeleteAction("txtfile", "view"); },
         "The fileclass 'txtfile' has no action 'view'."},
        {[](TCommands& c) { return c.SetDefaultAction("a\\b", "open"); },
         "a\\b is not a valid name of a file class."},
        {[](TCommands& c) { return c.SetEditFlags("gonefile", 1); },
         "gonefile is not registered to the system."},
    };
    for (const Invalid& test : invalid) {
        ScriptedQuestions questions;
        auto commands = Open(questions);
        EXPECT_EQ(ErrorOf<Exception>([&] { test.command(*commands); }), test.error);
        EXPECT_TRUE(questions.asked.empty());
        EXPECT_EQ(DumpRegistry(), before);
    }
}

TEST_F(ActionCommandsTest, AWriteRefusedHalfwayIsReportedAndUndoneExactly) {
    struct Refused {
        const char* name;
        fake::Fault fault;
        std::function<TChange(TCommands&)> command;
    } refused[] = {
        // The verb and its "command" key are made, its value is refused.
        {"add", fake::Fault::SetValue,
         [](TCommands& c) { return c.AddAction({"plainfile", "open", "", "x.exe"}); }},
        // The command is written, removing "ddeexec" is refused.
        {"change", fake::Fault::DeleteKey,
         [](TCommands& c) {
             TActionEdit edit = DDEEdit({});
             edit.Command = "y.exe";
             return c.ChangeAction("txtfile", "print", edit);
         }},
        // The verb is refused: the default value stays.
        {"delete", fake::Fault::DeleteKey,
         [](TCommands& c) { return c.DeleteAction("txtfile", "print"); }},
        {"flags", fake::Fault::SetValue,
         [](TCommands& c) { return c.SetEditFlags("dwordfile", 1); }},
    };
    for (const Refused& test : refused) {
        SCOPED_TRACE(test.name);
        Fresh();
        const std::string before = DumpRegistry();
        ScriptedQuestions questions;
        questions.answers = {Y, Y};
        auto commands = Open(questions);
        fake::FailNext(test.fault);
        EXPECT_THROW(test.command(*commands), ERegistryException);
        if (std::string(test.name) == "delete") {
            EXPECT_EQ(GetText("txtfile\\shell", ""), "print");
        }
        if (commands->Journal().CanUndo()) {
            EXPECT_TRUE(commands->Undo().Done);
        }
        EXPECT_EQ(DumpRegistry(), before);
    }
}
