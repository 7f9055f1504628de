// The check of the associations on a planted registry that holds every kind
// of problem, each beside a look-alike that is fine; the repairs with the
// whole registry before and after and undo putting back every byte; and the
// command line's --check and --repair.
#include "commands/AssociationCheck.h"
#include "association/DataType.h"
#include "commands/CommandLine.h"
#include "commands/Commands.h"
#include "commands/ScriptedQuestions.h"
#include "index/ZQFileAssoc.h"
#include "platform/FakeControl.h"
#include "support/RegistryDump.h"
#include "support/ScratchRegistry.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/stat.h>

namespace {

const char* const kFileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

// A text value's bytes with the terminating NUL.
std::string Sz(const std::string& text) {
    return text + '\0';
}

// The files and environment of the pretended Windows.
void PlantFiles() {
    fake::SetEnvironment("SystemRoot", "C:\\WINDOWS");
    fake::SetEnvironment("ProgramFiles", "C:\\Program Files");
    fake::SetEnvironment("PATH", "C:\\Tools;\"C:\\Quoted Tools\\\"");
    for (const char* file :
         {"C:\\WINDOWS\\system32\\notepad.exe", "C:\\WINDOWS\\system32\\shell32.dll",
          "C:\\Program Files\\App\\app.exe", "C:\\Tools\\tool.exe", "C:\\Quoted Tools\\q.exe",
          "C:\\Apps\\registered.exe", "C:\\Icons\\here.ico"})
        fake::AddFile(file);
}

// Each problem (comment: the finding), each with a case beside it that is
// fine.
void PlantRegistry() {
    PlantFiles();
    PutString(".gone", "", "gonefile");              // missing-class
    PutString(".txt", "", "txtfile");                // fine
    PutString(".log", "", "txtfile");                // fine, class met twice
    PutKey(".empty");                                // empty-extension
    PutString(".blank", "", "");                     // empty-extension
    PutKey(".shn\\ShellNew");                        // fine: a subkey
    PutString(".val", "Content Type", "text/x-val"); // fine: a value
    PutString(".doc", "", "docfile");
    PutString(".exp", "", "expfile");
    PutString(".ico", "", "iconfile");
    PutString(".ver", "", "verfile");
    PutString(".cur", "", "curfile");
    // Fine: a bare name in the system folder, an icon in %SystemRoot%.
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
    PutRaw("txtfile\\DefaultIcon", "", REG_EXPAND_SZ,
           Sz("%SystemRoot%\\system32\\shell32.dll,-152"));
    PutString("docfile\\shell\\open\\command", "", "\"%1\" %*");
    PutString("docfile\\shell\\print\\command", "",
              "\"C:\\Program Files\\App\\app.exe\" /p \"%1\"");
    PutString("docfile\\shell\\run\\command", "", "tool %1");           // PATH, ".exe" added
    PutString("docfile\\shell\\quoted\\command", "", "q.exe");          // quoted PATH entry
    PutString("docfile\\shell\\reg\\command", "", "registered.exe %1"); // App Paths
    PutString("docfile\\shell\\dde\\ddeexec", "", "[open]");            // no command
    PutString("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\registered.exe", "",
              "\"C:\\Apps\\registered.exe\"", HKEY_LOCAL_MACHINE);
    PutString("docfile\\shell\\edit\\command", "", "C:\\Program Files\\App\\app.exe %1");
    PutString("docfile\\shell\\view\\command", "", "C:\\Program Files\\Gone\\gone.exe \"%1\"");
    PutRaw("expfile\\shell\\open\\command", "", REG_EXPAND_SZ,
           Sz("%ProgramFiles%\\App\\app.exe \"%1\""));
    PutString("iconfile\\DefaultIcon", "", "\"C:\\Icons\\gone.ico\",0");
    PutString("iconfile\\shell\\open\\command", "", "\"C:\\Program Files\\App\\app.exe\" \"%1\"");
    PutString("curfile\\DefaultIcon", "", "%1");
    PutString("curfile\\CurVer", "", "curfile.1");
    PutString("curfile.1\\shell\\open\\command", "", "C:\\old\\old.exe %1");
    PutString("curfile.1\\DefaultIcon", "", "C:\\Icons\\here.ico,3");
    PutString("verfile\\CurVer", "", "verfile.2");
    // A class no extension names is not looked at.
    PutString("lonefile\\shell\\open\\command", "", "C:\\lone\\lone.exe");
    // The user's Explorer choices: another class, an application, the class
    // itself (fine), only the lists Explorer offers (fine).
    PutString(std::string(kFileExts) + ".txt", "Progid", "otherfile", HKEY_CURRENT_USER);
    // A "UserChoice" without a "Progid" leaves the extension's own in force.
    PutString(std::string(kFileExts) + ".txt\\UserChoice", "Hash", "x", HKEY_CURRENT_USER);
    PutString(std::string(kFileExts) + ".gone\\UserChoice", "Progid", "Applications\\app.exe",
              HKEY_CURRENT_USER);
    PutString(std::string(kFileExts) + ".doc", "Progid", "DocFile", HKEY_CURRENT_USER);
    PutString(std::string(kFileExts) + ".log\\OpenWithList", "a", "app.exe", HKEY_CURRENT_USER);
    PutString(std::string(kFileExts) + ".log\\OpenWithList", "b", "nowhere.exe", HKEY_CURRENT_USER);
    PutString(std::string(kFileExts) + ".log\\OpenWithList", "MRUList", "ba", HKEY_CURRENT_USER);
    // "Open with": a class that is there (fine) and one that is not
    // (stale-open-with); programs whose file is there (fine), is not
    // (missing-application), or is not but hidden from "Open with" (fine).
    PutString(".doc\\OpenWithProgids", "txtfile", "");
    PutKey(".doc\\OpenWithProgids\\oldfile");
    PutString("Applications\\app.exe\\shell\\open\\command", "",
              "\"C:\\Program Files\\App\\app.exe\" \"%1\"");
    PutString("Applications\\gone.exe\\shell\\edit\\command", "", "C:\\Gone\\gone.exe %1");
    PutString("Applications\\hidden.exe", "NoOpenWith", "");
    PutString("Applications\\hidden.exe\\shell\\open\\command", "", "C:\\Gone\\hidden.exe");
}

std::vector<std::string> Lines(const std::vector<TFinding>& findings) {
    std::vector<std::string> lines;
    for (const TFinding& finding : findings)
        lines.push_back(FindingLine(finding));
    return lines;
}

const std::vector<std::string> kOverrides = {
    "user-choice\t.gone\tExplorer opens it as 'Applications\\app.exe' "
    "(UserChoice\\Progid), not as 'gonefile'",
    "user-choice\t.txt\tExplorer opens it as 'otherfile' (Progid), not as 'txtfile'",
    "stale-open-with\t.log\t'Open with' offers 'nowhere.exe' (user's OpenWithList), which is "
    "not there",
};

std::vector<std::string> Expected(bool overrides) {
    std::vector<std::string> lines = {
        "empty-extension\t.blank\tno class, no other value, no subkey",
        "stale-open-with\t.doc\t'Open with' offers 'oldfile' (.doc\\OpenWithProgids), which is "
        "not there",
        "empty-extension\t.empty\tno class, no other value, no subkey",
        "missing-class\t.gone\tnames the class 'gonefile', which has no key",
        "missing-application\tApplications\\gone.exe\tthe program 'C:\\Gone\\gone.exe' is not "
        "there",
        "missing-program\tcurfile.1\topen: the program 'C:\\old\\old.exe' is not there",
        "missing-program\tdocfile\tview: the program 'C:\\Program Files\\Gone\\gone.exe' is not "
        "there",
        "unquoted-path\tdocfile\tedit: the path 'C:\\Program Files\\App\\app.exe' holds a blank "
        "and is not quoted",
        "unquoted-path\texpfile\topen: the path 'C:\\Program Files\\App\\app.exe' holds a blank "
        "and is not quoted",
        "missing-icon\ticonfile\tthe icon file 'C:\\Icons\\gone.ico' is not there",
        "missing-curver\tverfile\tCurVer names the class 'verfile.2', which has no key",
    };
    if (overrides) {
        lines.insert(lines.begin() + 3, kOverrides[0]);
        lines.insert(lines.begin() + 5, kOverrides[1]);
        lines.insert(lines.begin() + 5, kOverrides[2]);
    }
    return lines;
}

std::string WholeRegistry() {
    return DumpRegistry(HKEY_CLASSES_ROOT) + DumpRegistry(HKEY_CURRENT_USER) +
           DumpRegistry(HKEY_LOCAL_MACHINE);
}

class AssociationCheckTest : public RegistryTest {
protected:
    void SetUp() override {
        dir_ = testing::TempDir() + "corvix-check-" + std::to_string(++counter_);
        mkdir(dir_.c_str(), 0700);
        std::remove(Journal().c_str());
        std::FILE* ini = std::fopen(Settings().c_str(), "w");
        // Windows XP: changes after the untested-system warning, when allowed.
        std::fputs("[config]\nAllowMods=1\nAlwaysAsk=1\n", ini);
        std::fclose(ini);
        fake::SetVersion("winxp");
        PlantRegistry();
    }
    std::string Settings() const { return dir_ + "/settings.ini"; }
    std::string Journal() const { return dir_ + "/undo.log"; }
    // The finding of that kind and name, from a fresh check.
    static TFinding Find(TFindingKind kind, const std::string& name) {
        for (const TFinding& f : CheckAssociations().Findings)
            if (f.Kind == kind && f.Name == name)
                return f;
        ADD_FAILURE() << "no finding " << FindingKindName(kind) << " " << name;
        return TFinding();
    }
    std::string dir_;
    static int counter_;
};
int AssociationCheckTest::counter_ = 0;

} // namespace

TEST_F(AssociationCheckTest, FindsExactlyThePlantedProblemsSortedByNameThenKind) {
    // The Explorer's own choices count from Windows XP on.
    for (const char* version : {"winxp", "win7", "win2k", "win98"}) {
        SCOPED_TRACE(version);
        fake::SetVersion(version);
        const std::string before = WholeRegistry();
        const TCheckResult result = CheckAssociations();
        const bool overrides = std::string(version) == "winxp" || std::string(version) == "win7";
        EXPECT_EQ(Lines(result.Findings), Expected(overrides));
        EXPECT_EQ(result.Extensions, 12);
        EXPECT_EQ(result.Classes, 7)
            << "txtfile docfile expfile iconfile curfile curfile.1 verfile";
        EXPECT_FALSE(result.Stopped);
        EXPECT_EQ(WholeRegistry(), before) << "the check only reads";
    }
    // Stopped after the third extension: what was found so far.
    const TCheckResult stopped = CheckAssociations([](int checked, int) { return checked < 3; });
    EXPECT_TRUE(stopped.Stopped);
    const std::vector<std::string> all = Expected(false);
    EXPECT_EQ(Lines(stopped.Findings),
              (std::vector<std::string>{all[0], all[1], all[5], all[6], all[7]}))
        << ".blank, .cur and .doc with their classes, not the programs of \"Open with\"";
}

TEST_F(AssociationCheckTest, EachRepairChangesOnlyItsItemAndIsUndoneByteForByte) {
    struct Case {
        const char* name;
        std::vector<std::pair<TFindingKind, std::string>> findings;
        std::function<void()> check;
        std::string question; // its beginning
        // Findings the repair changes besides those it mends: a dissociated
        // extension key that holds nothing else is an empty one now.
        std::vector<std::string> alsoGone = {};
        std::vector<std::string> appears = {};
    };
    const std::vector<Case> cases = {
        {"missing-class: dissociated",
         {{TFindingKind::MissingClass, ".gone"}},
         [] {
             EXPECT_TRUE(HasKey(".gone"));
             EXPECT_FALSE(HasValue(".gone", ""));
         },
         "Are you sure to dissociate '.gone' from 'gonefile'?",
         {kOverrides[0]},
         {"empty-extension\t.gone\tno class, no other value, no subkey",
          "user-choice\t.gone\tExplorer opens it as 'Applications\\app.exe' "
          "(UserChoice\\Progid), it names no class"}},
        {"empty-extension: erased",
         {{TFindingKind::EmptyExtension, ".empty"}},
         [] { EXPECT_FALSE(HasKey(".empty")); },
         "Are you sure to delete '.empty'?"},
        {"unquoted-path: quoted, the rest as it was",
         {{TFindingKind::UnquotedPath, "docfile"}},
         [] {
             EXPECT_EQ(GetText("docfile\\shell\\edit\\command", ""),
                       "\"C:\\Program Files\\App\\app.exe\" %1");
         },
         "Are you sure to put the program path of the action 'edit' of 'docfile' in "
         "quotes?\r\nNew command: \"C:\\Program Files\\App\\app.exe\" %1"},
        {"unquoted-path: an expandable command stays one",
         {{TFindingKind::UnquotedPath, "expfile"}},
         [] {
             const RawValue v = GetRaw("expfile\\shell\\open\\command", "");
             EXPECT_EQ(v.type, DWORD(REG_EXPAND_SZ));
             EXPECT_EQ(v.bytes, Sz("\"%ProgramFiles%\\App\\app.exe\" \"%1\""));
         },
         "Are you sure to put"},
        {"missing-curver: removed",
         {{TFindingKind::MissingCurVer, "verfile"}},
         [] {
             EXPECT_FALSE(HasKey("verfile\\CurVer"));
             EXPECT_TRUE(HasKey("verfile"));
         },
         "Are you sure to remove the CurVer 'verfile.2' of 'verfile'?"},
        {"user-choice: the choice goes, the lists stay",
         {{TFindingKind::UserChoice, ".gone"}},
         [] {
             EXPECT_FALSE(HasKey(std::string(kFileExts) + ".gone\\UserChoice", HKEY_CURRENT_USER));
             EXPECT_TRUE(HasKey(std::string(kFileExts) + ".gone", HKEY_CURRENT_USER));
         },
         "Are you sure to remove the Explorer's own choice 'Applications\\app.exe' for '.gone'?"},
        {"stale-open-with: the class goes from the list, the rest stays",
         {{TFindingKind::StaleOpenWith, ".doc"}},
         [] {
             EXPECT_FALSE(HasKey(".doc\\OpenWithProgids\\oldfile"));
             EXPECT_TRUE(HasValue(".doc\\OpenWithProgids", "txtfile"));
         },
         "Are you sure to remove 'oldfile' from the 'Open with' lists of '.doc'?"},
        {"stale-open-with: a program goes from the user's list and its place in the order",
         {{TFindingKind::StaleOpenWith, ".log"}},
         [] {
             const std::string list = std::string(kFileExts) + ".log\\OpenWithList";
             EXPECT_FALSE(HasValue(list, "b", HKEY_CURRENT_USER));
             EXPECT_EQ(GetText(list, "MRUList", HKEY_CURRENT_USER), "a");
         },
         "Are you sure to remove 'nowhere.exe' from the 'Open with' lists of '.log'?"},
        {"missing-application: its key goes",
         {{TFindingKind::MissingApplication, "Applications\\gone.exe"}},
         [] {
             EXPECT_FALSE(HasKey("Applications\\gone.exe"));
             EXPECT_TRUE(HasKey("Applications\\hidden.exe"));
         },
         "Are you sure to delete 'Applications\\gone.exe', whose program is not there?"},
        {"repair all of a kind: one question, one undo entry",
         {{TFindingKind::EmptyExtension, ".blank"}, {TFindingKind::EmptyExtension, ".empty"}},
         [] {
             EXPECT_FALSE(HasKey(".blank"));
             EXPECT_FALSE(HasKey(".empty"));
         },
         "Are you sure to repair these 2 findings?\r\nempty-extension: .blank\r\n"
         "empty-extension: .empty"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ScratchRegistry scratch;
        fake::SetVersion("winxp");
        PlantRegistry();
        std::remove(Journal().c_str());
        std::vector<TFinding> findings;
        for (const auto& wanted : test.findings)
            findings.push_back(Find(wanted.first, wanted.second));
        const std::string before = WholeRegistry();
        std::vector<std::string> othersBefore;
        for (const TFinding& f : CheckAssociations().Findings)
            othersBefore.push_back(FindingLine(f));
        ScriptedQuestions questions;
        questions.answers = {TAnswer::Yes};
        int notices = 0;
        {
            TCommands commands(Settings(), questions);
            commands.AssociationsChanged = [&] { ++notices; };
            commands.SetAllowChanges(true);
            commands.Rescan();
            EXPECT_TRUE(commands.Repair(findings).Done);
            EXPECT_EQ(notices, 1);
            test.check();
            TFileClass fresh;
            ScanFileClasses(fresh);
            EXPECT_EQ(commands.Index().Count(), fresh.Count());
            EXPECT_EQ(commands.Journal().LastName(), RepairStepName(findings));
        }
        ASSERT_EQ(questions.asked.size(), 1u);
        EXPECT_EQ(questions.asked[0].substr(0, test.question.size()), test.question);
        std::vector<std::string> othersAfter;
        for (const TFinding& f : CheckAssociations().Findings)
            othersAfter.push_back(FindingLine(f));
        for (const TFinding& f : findings)
            othersBefore.erase(std::find(othersBefore.begin(), othersBefore.end(), FindingLine(f)));
        for (const std::string& line : test.alsoGone)
            othersBefore.erase(std::find(othersBefore.begin(), othersBefore.end(), line));
        othersBefore.insert(othersBefore.end(), test.appears.begin(), test.appears.end());
        std::sort(othersBefore.begin(), othersBefore.end());
        std::sort(othersAfter.begin(), othersAfter.end());
        EXPECT_EQ(othersAfter, othersBefore) << "exactly the repaired findings are gone";

        ScriptedQuestions undoQuestions;
        undoQuestions.answers = {TAnswer::Yes};
        TCommands restarted(Settings(), undoQuestions);
        restarted.AssociationsChanged = [] {};
        restarted.SetAllowChanges(true);
        EXPECT_TRUE(restarted.Undo().Done);
        EXPECT_EQ(WholeRegistry(), before);
    }
}

TEST_F(AssociationCheckTest, FindingsThatNoLongerHoldOrAreNotRepairableAreLeftUnasked) {
    const TFinding gone = Find(TFindingKind::MissingClass, ".gone");
    const TFinding icon = Find(TFindingKind::MissingIcon, "iconfile");
    PutString("gonefile", "", "Back again"); // registered meanwhile
    const std::string before = WholeRegistry();
    ScriptedQuestions questions;
    TCommands commands(Settings(), questions);
    commands.SetAllowChanges(true);
    EXPECT_FALSE(commands.Repair({gone, icon}).Done);
    EXPECT_TRUE(questions.asked.empty());
    EXPECT_EQ(WholeRegistry(), before);
    // The gate closed: refused before anything is asked.
    commands.SetAllowChanges(false);
    EXPECT_FALSE(commands.Repair({Find(TFindingKind::EmptyExtension, ".empty")}).Done);
    EXPECT_EQ(questions.asked, std::vector<std::string>{kChangesRefused});
    EXPECT_EQ(WholeRegistry(), before);
}

TEST_F(AssociationCheckTest, CommandLineChecksAndRepairs) {
    const auto corvix = [&](std::vector<std::string> args, std::string* out = nullptr,
                            std::string* err = nullptr) {
        TStringWriter o, e;
        const int code = RunCommandLine(args, Settings(), o, e);
        if (out)
            *out = o.str();
        if (err)
            *err = e.str();
        return code;
    };
    std::string out;
    // What a double-click opens: the user's choice first, else the class.
    PutString(".log\\OpenWithProgids", "docfile", "");
    PutString(std::string(kFileExts) + ".log\\OpenWithProgids", "nosuchfile", "",
              HKEY_CURRENT_USER);
    const std::pair<const char*, const char*> shown[] = {
        {".gone", "opens with: Applications\\app.exe (chosen in Windows (UserChoice, without a "
                  "hash))\n"},
        {".txt", "opens with: otherfile (chosen in Windows XP (Progid))\n"},
        {".log", "opens with: txtfile (the extension's class)\n"
                 "opens with command: notepad.exe %1\n"
                 "open with: docfile (.log\\OpenWithProgids)\n"
                 "open with: nosuchfile (user's OpenWithProgids) not there\n"
                 "open with: app.exe (user's OpenWithList)\n"
                 "open with: nowhere.exe (user's OpenWithList) not there\n"},
    };
    for (const auto& [ext, lines] : shown) {
        EXPECT_EQ(corvix({"--show", ext}, &out), ecDone);
        EXPECT_NE(out.find(lines), std::string::npos) << out;
    }
    // Resetting the choice made in Windows: .txt's "UserChoice" (a hash
    // without a ProgId) and XP's "Progid" go, its class opens it again; no
    // choice, nothing to reset; the undo brings the choice back.
    const std::string withChoice = WholeRegistry();
    EXPECT_EQ(corvix({"--reset-choice", ".log", "--yes"}), ecFailed);
    EXPECT_EQ(corvix({"--reset-choice", ".txt"}), ecConfirmationNeeded);
    EXPECT_EQ(WholeRegistry(), withChoice);
    // Windows refuses (it protects some choices): said plainly, nothing changed.
    fake::FailNext(fake::Fault::DeleteKey);
    std::string err;
    EXPECT_EQ(corvix({"--reset-choice", ".gone", "--yes"}, nullptr, &err), ecFailed);
    EXPECT_NE(err.find("Windows protects this choice"), std::string::npos) << err;
    EXPECT_EQ(WholeRegistry(), withChoice);
    EXPECT_EQ(corvix({"--reset-choice", ".txt", "--yes"}), ecDone);
    EXPECT_FALSE(HasKey(std::string(kFileExts) + ".txt\\UserChoice", HKEY_CURRENT_USER));
    EXPECT_EQ(corvix({"--show", ".txt"}, &out), ecDone);
    EXPECT_NE(out.find("opens with: txtfile (the extension's class)"), std::string::npos) << out;
    EXPECT_EQ(corvix({"--undo", "--yes"}), ecDone);
    EXPECT_EQ(WholeRegistry(), withChoice);
    EXPECT_EQ(corvix({"--check"}, &out), ecProblemsFound);
    std::vector<std::string> lines = Expected(true);
    lines.insert(lines.begin() + 5, "stale-open-with\t.log\t'Open with' offers 'nosuchfile' "
                                    "(user's OpenWithProgids), which is not there");
    std::string expected;
    for (const std::string& line : lines)
        expected += line + "\n";
    EXPECT_EQ(out, expected);

    // The Open With lists: a class offered once, a name taken out of every
    // list; an unknown class, name or word changes nothing.
    const std::string unedited = WholeRegistry();
    EXPECT_EQ(corvix({"--open-with", ".log", "add", "nosuchclass", "--yes"}), ecFailed);
    EXPECT_EQ(corvix({"--open-with", ".log", "remove", "notlisted", "--yes"}), ecFailed);
    EXPECT_EQ(corvix({"--open-with", ".log", "offer", "docfile", "--yes"}), ecUsage);
    EXPECT_EQ(corvix({"--open-with", ".log", "add", "docfile", "--yes"}), ecDone) << "listed";
    EXPECT_EQ(WholeRegistry(), unedited);
    EXPECT_EQ(corvix({"--open-with", ".log", "add", "iconfile", "--yes"}), ecDone);
    EXPECT_TRUE(HasValue(".log\\OpenWithProgids", "iconfile"));
    EXPECT_EQ(corvix({"--open-with", ".log", "remove", "app.exe", "--yes"}), ecDone);
    EXPECT_FALSE(HasValue(std::string(kFileExts) + ".log\\OpenWithList", "a", HKEY_CURRENT_USER));
    EXPECT_EQ(GetText(std::string(kFileExts) + ".log\\OpenWithList", "MRUList", HKEY_CURRENT_USER),
              "b");
    EXPECT_EQ(corvix({"--undo", "--yes"}), ecDone);
    EXPECT_EQ(corvix({"--undo", "--yes"}), ecDone);
    EXPECT_EQ(WholeRegistry(), unedited);

    const std::string before = WholeRegistry();
    EXPECT_EQ(corvix({"--repair", "empty-extension"}), ecConfirmationNeeded);
    EXPECT_EQ(corvix({"--repair", "missing-icon"}), ecUsage) << "mended in the window only";
    EXPECT_EQ(corvix({"--repair", "missing-class", ".txt", "--yes"}), ecFailed);
    EXPECT_EQ(corvix({"--repair", "missing-curver", "a", "--yes", "extra"}), ecUsage);
    EXPECT_EQ(WholeRegistry(), before);

    EXPECT_EQ(corvix({"--repair", "empty-extension", ".blank", "--yes"}, &out), ecDone);
    EXPECT_EQ(out, "Repaired: 1 finding\n");
    EXPECT_FALSE(HasKey(".blank"));
    EXPECT_TRUE(HasKey(".empty"));
    for (const char* kind : {"empty-extension", "missing-class", "unquoted-path", "missing-curver",
                             "explorer-override", "stale-open-with", "missing-application"})
        EXPECT_EQ(corvix({"--repair", kind, "--yes"}), ecDone) << kind;
    EXPECT_EQ(corvix({"--repair", "unquoted-path", "--yes"}), ecDone) << "nothing left: done";
    EXPECT_EQ(corvix({"--check"}, &out), ecProblemsFound);
    // Dissociated, .gone is an empty extension now.
    EXPECT_EQ(out,
              "empty-extension\t.gone\tno class, no other value, no subkey\n"
              "missing-program\tcurfile.1\topen: the program 'C:\\old\\old.exe' is not there\n"
              "missing-program\tdocfile\tview: the program 'C:\\Program Files\\Gone\\gone.exe' "
              "is not there\n"
              "missing-icon\ticonfile\tthe icon file 'C:\\Icons\\gone.ico' is not there\n");
}
