// The command line against the stand-in registry: exit codes, what goes to
// which stream, and the registry changed only when a change was answered.
#include "commands/CommandLine.h"
#include "commands/ProfileExport.h"
#include "platform/FakeControl.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"

#include <cstdio>
#include <functional>
#include <sys/stat.h>

namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

class CommandLineTest : public RegistryTest {
protected:
    void SetUp() override {
        dir_ = testing::TempDir() + "corvix-cli-" + std::to_string(++counter_);
        mkdir(dir_.c_str(), 0700);
        std::remove((dir_ + "/undo.log").c_str());
        Settings("[config]\nSaveMode=0\n");
        PutString(".txt", "", "txtfile");
        PutString(".log", "", "txtfile");
        PutString(".only", "", "onlyfile");
        PutString("txtfile", "", "Text Document");
        PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
        PutString("onlyfile", "", "Only");
    }
    void Settings(const char* text) {
        std::FILE* ini = std::fopen((dir_ + "/settings.ini").c_str(), "w");
        std::fputs(text, ini);
        std::fclose(ini);
    }
    Outcome Corvix(std::vector<std::string> args) {
        TStringWriter out, err;
        const int code = RunCommandLine(args, dir_ + "/settings.ini", out, err);
        return {code, out.str(), err.str()};
    }
    std::string dir_;
    static int counter_;
};
int CommandLineTest::counter_ = 0;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(CommandLineTest, ReadingCommandsAndUsage) {
    PutBinary("txtfile", "EditFlags", std::string("\x00\x00\x21\x00", 4));
    const std::string before = DumpRegistry();
    Outcome r = Corvix({"/?"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(Has(r.out, "Exit codes:"));
    r = Corvix({"--list", "extensions"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, ".log\ttxtfile\tall users\n.only\tonlyfile\tall users\n"
                     ".txt\ttxtfile\tall users\n");
    r = Corvix({"--list", "classes"});
    EXPECT_EQ(r.out, "onlyfile\t.only\tall users\ntxtfile\t.txt,.log\tall users\n");
    r = Corvix({"--show", ".txt"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(Has(r.out, "extension: .txt\n") && Has(r.out, "class: txtfile\n") &&
                Has(r.out, "description: Text Document\n") &&
                Has(r.out, "action open: notepad.exe %1\n") &&
                Has(r.out, "edit flags: 0x00210000\n"))
        << r.out;
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{}, {"--bogus"}, {"--assoc", ".txt"}, {"--list", "keys"},
          {"--dissoc", ".a", "--undo"}, {"--yes", "--keep", "--undo"}}) {
        r = Corvix(bad);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_TRUE(Has(r.err, "Exit codes:"));
    }
    // Arguments that only name an item start the window there.
    std::string item;
    EXPECT_TRUE(WindowStartItem({".txt"}, item) && item == ".txt");
    EXPECT_TRUE(WindowStartItem({"C:\\My.Files\\report.final.doc"}, item) && item == ".doc");
    EXPECT_TRUE(WindowStartItem({"C:\\My.Files\\README"}, item) && item.empty());
    EXPECT_TRUE(WindowStartItem({"--select", "txtfile"}, item) && item == "txtfile");
    EXPECT_FALSE(WindowStartItem({"--show", ".txt"}, item) || WindowStartItem({"--yes"}, item));
    r = Corvix({"--show", "nosuchfile"});
    EXPECT_EQ(r.code, 5);
    EXPECT_TRUE(Has(r.err, "'nosuchfile' is neither"));
    EXPECT_EQ(Corvix({"--delete-class", "nosuchfile", "--yes"}).code, 5);
    EXPECT_EQ(DumpRegistry(), before);
}

TEST_F(CommandLineTest, ChangesAskThroughFlagsAndAreUndone) {
    const std::string before = DumpRegistry();
    // Without an answer: the questions, nothing changed.
    Outcome r = Corvix({"--assoc", ".only", "txtfile"});
    EXPECT_EQ(r.code, 4);
    EXPECT_TRUE(Has(r.err, "Are you sure to associate '.only' to 'txtfile'?"));
    EXPECT_TRUE(Has(r.err, "The fileclass 'onlyfile' will not be used")) << r.err;
    EXPECT_EQ(DumpRegistry(), before);
    // --keep: the association made, the unused class kept.
    r = Corvix({"--assoc", ".only", "txtfile", "--keep"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(GetText(".only", ""), "txtfile");
    EXPECT_TRUE(HasKey("onlyfile"));
    const std::string associated = DumpRegistry();
    // --yes: the extension erased too.
    EXPECT_EQ(Corvix({"--dissoc", ".txt", "--yes"}).code, 0);
    EXPECT_FALSE(HasKey(".txt"));
    // Each is one undo entry.
    r = Corvix({"--undo", "--yes"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Undone: Dissociate '.txt' from 'txtfile'\n");
    EXPECT_EQ(DumpRegistry(), associated);
    EXPECT_EQ(Corvix({"--undo", "--yes"}).code, 0);
    EXPECT_EQ(DumpRegistry(), before);
    EXPECT_EQ(Corvix({"--undo", "--yes"}).code, 5) << "nothing left to undo";
}

TEST_F(CommandLineTest, TheGateAndAnUnwritableJournalRefuse) {
    const std::string before = DumpRegistry();
    Settings("[config]\nSaveMode=1\n");
    Outcome r = Corvix({"--delete-ext", ".txt", "--yes"});
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(Has(r.err, "You checked, that no changes should be done."));
    Settings("[config]\nSaveMode=0\n");
    mkdir((dir_ + "/undo.log").c_str(), 0700);
    r = Corvix({"--delete-ext", ".txt", "--yes"});
    EXPECT_EQ(r.code, 5);
    EXPECT_EQ(DumpRegistry(), before);
    r = Corvix({"--delete-ext", ".txt", "--yes", "--no-undo"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "without undo"));
    EXPECT_FALSE(HasKey(".txt"));
    rmdir((dir_ + "/undo.log").c_str());

    // A registry that refuses (a limited user), a class name mistyped: exit 5,
    // nothing changed; --force links to a class not registered.
    const std::string deleted = DumpRegistry();
    fake::FailNext(fake::Fault::Create);
    EXPECT_EQ(Corvix({"--assoc", ".new", "txtfile", "--yes"}).code, 5);
    fake::FailNext(fake::Fault::DeleteValue);
    EXPECT_EQ(Corvix({"--dissoc", ".log", "--keep"}).code, 5);
    r = Corvix({"--assoc", ".log", "txtfil", "--yes"});
    EXPECT_EQ(r.code, 5);
    EXPECT_TRUE(Has(r.err, "The fileclass 'txtfil' is not registered")) << r.err;
    EXPECT_EQ(DumpRegistry(), deleted);
    EXPECT_EQ(Corvix({"--force", "--assoc", ".log", "newfile", "--yes"}).code, 0);
    EXPECT_EQ(GetText(".log", ""), "newfile");
}

TEST_F(CommandLineTest, ActionAndFlagsCommandsAskChangeAndAreUndone) {
    const std::string before = DumpRegistry();
    Outcome r = Corvix({"--delete-verb", "txtfile", "open"});
    EXPECT_EQ(r.code, 4);
    EXPECT_TRUE(Has(r.err, "Are you sure to delete the action 'open'?")) << r.err;
    r = Corvix({"--set-command", "txtfile", "open", "x.exe %1"});
    EXPECT_TRUE(Has(r.err, "New command: x.exe %1")) << r.err;
    EXPECT_EQ(DumpRegistry(), before);

    struct Step {
        std::vector<std::string> args;
        std::function<bool()> done;
        const char* undone;
    } steps[] = {
        {{"--add-verb", "txtfile", "edit", "ed.exe %1", "--caption", "&Edit", "--yes"},
         [] { return GetText("txtfile\\shell\\edit", "") == "&Edit" &&
                     GetText("txtfile\\shell\\edit\\command", "") == "ed.exe %1"; },
         "Add action 'edit' to 'txtfile'"},
        {{"--default-verb", "txtfile", "EDIT", "--yes"},
         [] { return GetText("txtfile\\shell", "") == "edit"; },
         "Make 'edit' the default action of 'txtfile'"},
        {{"--keep", "--set-command", "txtfile", "edit", "--", "--x %1"},
         [] { return GetText("txtfile\\shell\\edit\\command", "") == "--x %1"; },
         "Change action 'edit' of 'txtfile'"},
        {{"--set-flags", "txtfile", "0x10000", "--yes"},
         [] { return GetRaw("txtfile", "EditFlags").bytes == std::string("\x00\x00\x01\x00", 4); },
         "Change the flags of 'txtfile'"},
        {{"--delete-verb", "txtfile", "edit", "--yes"},
         [] { return !HasKey("txtfile\\shell\\edit") && !HasValue("txtfile\\shell", ""); },
         "Delete action 'edit' of 'txtfile'"},
    };
    std::vector<std::string> states;
    for (const Step& s : steps) {
        states.push_back(DumpRegistry());
        r = Corvix(s.args);
        EXPECT_EQ(r.code, 0) << s.args[0] << ": " << r.err;
        EXPECT_TRUE(s.done()) << s.args[0];
    }
    for (int i = 4; i >= 0; --i) {
        r = Corvix({"--undo", "--yes"});
        EXPECT_EQ(r.out, std::string("Undone: ") + steps[i].undone + "\n");
        EXPECT_EQ(DumpRegistry(), states[i]);
    }
    EXPECT_EQ(DumpRegistry(), before);

    // Usage errors, and commands the registry can't take.
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--set-flags", "txtfile", "xyz"},
          {"--set-flags", "txtfile", "123456789"},
          {"--delete-verb", "txtfile", "open", "--caption", "x"},
          {"--add-verb", "txtfile", "edit", "ed.exe", "--caption"},
          {"--add-verb", "txtfile", "edit"},
          {"--set-command", "txtfile", "open", "--yes"},
          {"--set-command", "txtfile", "open", "x.exe", "y.exe", "--yes"}})
        EXPECT_EQ(Corvix(bad).code, 2) << bad[0];
    r = Corvix({"--delete-verb", "txtfile", "none", "--yes"});
    EXPECT_EQ(r.code, 5);
    EXPECT_TRUE(Has(r.err, "The fileclass 'txtfile' has no action 'none'.")) << r.err;
    r = Corvix({"--add-verb", "nosuchfile", "open", "x.exe", "--yes"});
    EXPECT_EQ(r.code, 5);
    EXPECT_TRUE(Has(r.err, "nosuchfile is not registered to the system.")) << r.err;
    Settings("[config]\nSaveMode=1\n");
    EXPECT_EQ(Corvix({"--set-flags", "txtfile", "1", "--yes"}).code, 3);
    EXPECT_EQ(DumpRegistry(), before);
}

// This user's store beside every user's: where each item lives is shown,
// --scope user writes the user's store alone (a copy of the item first) and
// is undone exactly; a refusing store of all users refuses before anything
// is written, and then the changes go to the user's store by default.
TEST_F(CommandLineTest, BothStoresShownWrittenAsChosenAndRefused) {
    PutString("Software\\Classes\\.usr", "", "txtfile", HKEY_CURRENT_USER);
    PutString("Software\\Classes\\.log", "", "onlyfile", HKEY_CURRENT_USER);
    Outcome r = Corvix({"--list", "extensions"});
    EXPECT_EQ(r.out, ".log\tonlyfile\tthis user, hiding all users' entry\n"
                     ".only\tonlyfile\tall users\n.txt\ttxtfile\tall users\n"
                     ".usr\ttxtfile\tthis user\n");
    r = Corvix({"--show", ".usr"});
    EXPECT_TRUE(Has(r.out, "stored: this user\n") && Has(r.out, "class: txtfile\nstored: all users\n"))
        << r.out;

    const std::string before = DumpStores();
    const std::string machine = DumpRegistry(HKEY_LOCAL_MACHINE);
    r = Corvix({"--scope", "user", "--assoc", ".txt", "onlyfile", "--keep"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(GetText("Software\\Classes\\.txt", "", HKEY_CURRENT_USER), "onlyfile");
    EXPECT_EQ(GetText(".txt", ""), "onlyfile");
    EXPECT_EQ(DumpRegistry(HKEY_LOCAL_MACHINE), machine);
    EXPECT_EQ(Corvix({"--undo", "--yes"}).code, 0);
    EXPECT_EQ(DumpStores(), before);

    fake::RefuseMachineClasses(true);
    r = Corvix({"--scope", "machine", "--delete-ext", ".txt", "--yes"});
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(Has(r.err, "HKEY_LOCAL_MACHINE\\Software\\Classes") && Has(r.err, "--scope user"))
        << r.err;
    EXPECT_EQ(Corvix({"--scope", "elsewhere", "--undo"}).code, 2);
    // An item only all users' store holds can't be deleted for this user.
    r = Corvix({"--delete-ext", ".txt", "--yes"});
    EXPECT_EQ(r.code, 5);
    EXPECT_TRUE(Has(r.err, "for this user alone")) << r.err;
    EXPECT_EQ(DumpStores(), before);
    EXPECT_EQ(Corvix({"--delete-ext", ".usr", "--yes"}).code, 0);
    EXPECT_FALSE(HasKey(".usr"));
}

namespace {

std::string ReadFile(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
            bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

} // namespace

TEST_F(CommandLineTest, ProfilesGoOutAndComeBackAsOneStep) {
    fake::SetVersion("winxp");
    Settings("[config]\nSaveMode=0\nAllowMods=1\n");
    PutString("onlyfile", "", "Only, \"quoted\"");
    const std::string xml = dir_ + "/all.xml", reg = dir_ + "/all.reg";
    ASSERT_EQ(Corvix({"--export", "associations", xml}).code, 0);
    EXPECT_TRUE(Has(ReadFile(xml), "<Association Identifier=\".only\" ProgId=\"onlyfile\" "
                                   "ApplicationName=\"Only, &quot;quoted&quot;\" />"));
    ASSERT_EQ(Corvix({"--export", "reg", reg}).code, 0);
    ASSERT_EQ(Corvix({"--export", "csv", dir_ + "/all.csv", "txtfile"}).code, 0);
    EXPECT_EQ(ReadFile(dir_ + "/all.csv"),
              "\xEF\xBB\xBF" "Extension,Class,Description,Open command,Problems\r\n"
              ".log,txtfile,Text Document,notepad.exe %1,missing-program: open: the program "
              "'notepad.exe' is not there\r\n"
              ".txt,txtfile,Text Document,notepad.exe %1,missing-program: open: the program "
              "'notepad.exe' is not there\r\n");
    EXPECT_EQ(CsvField(" a\"b"), "\" a\"\"b\"");
    ASSERT_EQ(Corvix({"--export", "html", dir_ + "/all.html", ".only"}).code, 0);
    EXPECT_TRUE(Has(ReadFile(dir_ + "/all.html"), "<br>Machine: STAND-IN<br>Windows: "));
    EXPECT_EQ(Corvix({"--export", "pdf", dir_ + "/x"}).code, 2);
    EXPECT_EQ(Corvix({"--export", "csv", dir_ + "/x", "nosuch"}).code, 5);
    // A key that can't be read, among those several threads read, ends the
    // export with its name, and no file is written.
    fake::FailNext(fake::Fault::EnumValue);
    const Outcome failed = Corvix({"--export", "reg", dir_ + "/failed.reg"});
    EXPECT_NE(failed.code, 0);
    EXPECT_TRUE(Has(failed.err, "Could not read the values of HKEY_CLASSES_ROOT\\")) << failed.err;
    struct stat written;
    EXPECT_NE(stat((dir_ + "/failed.reg").c_str(), &written), 0);

    // Another machine: other associations, a choice made in Windows.
    ASSERT_EQ(Corvix({"--delete-ext", ".txt", "--yes"}).code, 0);
    PutString(".log", "", "onlyfile");
    PutString("txtfile\\shell\\open\\command", "", "write.exe %1");
    PutString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.log", "Progid",
              "wordfile", HKEY_CURRENT_USER);
    const std::string second = DumpRegistry();
    Outcome r = Corvix({"--apply", xml, "--dry-run"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "change\t.log\ttxtfile (now onlyfile); the choice made in Windows, "
                     "wordfile (Progid), wins\nunchanged\t.only\tonlyfile\n"
                     "change\t.txt\ttxtfile (new extension)\n");
    r = Corvix({"--apply", xml});
    EXPECT_EQ(r.code, 4);
    EXPECT_TRUE(Has(r.err, "Are you sure to apply the profile")) << r.err;
    EXPECT_EQ(DumpRegistry(), second);
    // The .reg profile brings the classes' actions too; one undo each.
    for (const std::string& file : {xml, reg}) {
        r = Corvix({"--apply", file, "--yes"});
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(Corvix({"--apply", file, "--dry-run"}).code, 0) << file;
    }
    EXPECT_EQ(GetText("txtfile\\shell\\open\\command", ""), "notepad.exe %1");
    EXPECT_EQ(GetText(".log", ""), "txtfile");
    EXPECT_EQ(Corvix({"--undo", "--yes"}).code, 0);
    EXPECT_EQ(Corvix({"--undo", "--yes"}).code, 0);
    EXPECT_EQ(DumpRegistry(), second);

    // A profile written by hand: Windows 11's attributes, a protocol, a class
    // this machine lacks (exit 5 unless skipped), keys of every store.
    WriteFile(dir_ + "/hand.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DefaultAssociations Version=\"1\">\n"
              "  <Association Identifier=\".txt\" ProgId=\"txtfile\" ApplicationName=\"N\" "
              "Suggested=\"true\" />\n  <Association Identifier=\"mailto\" ProgId=\"mailfile\" "
              "ApplicationName=\"M\" />\n  <Association Identifier=\".pdf\" ProgId=\"pdffile\" "
              "ApplicationName=\"P\" />\n</DefaultAssociations>\n");
    r = Corvix({"--apply", dir_ + "/hand.xml", "--dry-run"});
    EXPECT_EQ(r.code, 5);
    EXPECT_TRUE(Has(r.out, "missing\t.pdf\tthe class 'pdffile' is not registered; skipped\n"));
    EXPECT_TRUE(Has(r.out, "protocol\tmailto\t"));
    EXPECT_EQ(Corvix({"--apply", dir_ + "/hand.xml", "--dry-run", "--skip-missing"}).code, 1);
    EXPECT_EQ(Corvix({"--apply", dir_ + "/hand.xml", "--yes"}).code, 5);
    EXPECT_EQ(GetText(".txt", ""), "txtfile");
    EXPECT_FALSE(HasKey(".pdf"));
    WriteFile(dir_ + "/stores.reg",
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Classes\\.a1]\r\n@=\"a1file\"\r\n"
              "\"Bin\"=hex:01,02,\\\r\n  03\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.a2]\r\n"
              "\"N\"=dword:0000002a\r\n[-HKEY_CLASSES_ROOT\\.only]\r\n");
    EXPECT_EQ(Corvix({"--apply", dir_ + "/stores.reg", "--yes"}).code, 0);
    EXPECT_EQ(GetText(".a1", ""), "a1file");
    EXPECT_EQ(GetRaw(".a1", "Bin").bytes, "\x01\x02\x03");
    EXPECT_EQ(GetRaw(".a2", "N").bytes, std::string("\x2a\0\0\0", 4));
    // Each key went to the store the file names.
    EXPECT_EQ(GetText("Software\\Classes\\.a1", "", HKEY_CURRENT_USER), "a1file");
    EXPECT_TRUE(HasKey("Software\\Classes\\.a2", HKEY_LOCAL_MACHINE) &&
                !HasKey("Software\\Classes\\.a2", HKEY_CURRENT_USER));
    EXPECT_FALSE(HasKey(".only"));
    EXPECT_EQ(Corvix({"--undo", "--yes"}).code, 0);
    EXPECT_TRUE(HasKey(".only") && !HasKey(".a1") && !HasKey(".a2"));

    // Bad files: the file, the line and the cause; nothing changed.
    const std::string before = DumpRegistry();
    const struct {
        const char* name;
        const char* text;
        const char* message;
    } bad[] = {
        {"open.xml", "<DefaultAssociations>\n<Association Identifier=\".a\" ProgId=\"b\">\n",
         "open.xml, line 3: not well-formed XML"},
        {"root.xml", "<Associations>\n</Associations>", "root.xml, line 1: the root element is"},
        {"attr.xml", "<DefaultAssociations>\n\n<Association Identifier=\".a\"/>\n"
                     "</DefaultAssociations>",
         "attr.xml, line 3: the <Association> has no \"ProgId\" attribute"},
        {"id.xml", "<DefaultAssociations>\n<Association Identifier=\"a b\" ProgId=\"c\"/>\n"
                   "</DefaultAssociations>",
         "id.xml, line 2: the identifier 'a b' is neither"},
        {"run.reg", "REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\.a]\r\n@=\"b\"\r\n\r\n"
                    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n",
         "run.reg, line 6: the key HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\"
         "CurrentVersion\\Run lies outside the file classes"},
        {"root.reg", "REGEDIT4\r\n[-HKEY_CLASSES_ROOT]\r\n", "root.reg, line 2: the key"},
        {"head.reg", "REGEDIT5\r\n", "head.reg, line 1: not a registry file"},
        {"value.reg", "REGEDIT4\r\n\"a\"=\"b\"\r\n", "value.reg, line 2: a value stands before"},
        {"data.reg", "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\.a]\r\n\"a\"=dword:123456789\r\n",
         "data.reg, line 3: \"123456789\" is no hexadecimal number"},
    };
    for (const auto& b : bad) {
        WriteFile(dir_ + "/" + b.name, b.text);
        r = Corvix({"--apply", dir_ + "/" + b.name, "--yes"});
        EXPECT_EQ(r.code, 5) << b.name;
        EXPECT_TRUE(Has(r.err, dir_ + "/" + b.message)) << r.err;
    }
    EXPECT_EQ(DumpRegistry(), before);
    EXPECT_EQ(Corvix({"--dry-run", "--list", "classes"}).code, 2);

    // A command that holds no text is an empty cell, not a failed export.
    PutString(".dw", "", "dwfile");
    PutDword("dwfile\\shell\\open\\command", "", 1);
    for (const char* format : {"associations", "csv"})
        EXPECT_EQ(Corvix({"--export", format, dir_ + "/dw", ".dw"}).code, 0) << format;
    EXPECT_TRUE(Has(ReadFile(dir_ + "/dw"), ".dw,dwfile,,,\r\n")) << ReadFile(dir_ + "/dw");
}
