// The commands that link and unlink extensions and classes, each compared
// over the whole scratch registry before and after, with the index checked
// against a fresh scan.
#include "RegistrySnapshot.h"
#include "UiTestSupport.h"
#include "controls/ZQSelectQuery.h"
#include "index/ZQFileAssoc.h"

#include <algorithm>

namespace {

using Changes = std::vector<std::string>;

// Deletes a key of the scratch root with all its subkeys.
void DeleteTree(HKEY parent, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        char name[512];
        for (;;) {
            DWORD length = sizeof name;
            if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            DeleteTree(key, name);
        }
        RegCloseKey(key);
    }
    RegDeleteKeyA(parent, path.c_str());
}

// The registry of every case: two classes with two and one extensions, a
// class whose only extension is .one, and (when `classless`) an extension
// without class that keeps other values.
void PutFixture(bool classless) {
    for (const char* key :
         {".txt", ".log", ".htm", ".one", ".zzz", "txtfile", "htmlfile", "oneclass"})
        DeleteTree(HKEY_CLASSES_ROOT, key);
    PutString(".txt", "", "txtfile");
    PutString(".log", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
    PutString(".htm", "", "htmlfile");
    PutString("htmlfile", "", "HTML Document");
    PutString(".one", "", "oneclass");
    PutString(".one", "Content Type", "text/one");
    PutString("oneclass", "", "One Document");
    PutString("oneclass\\DefaultIcon", "", "one.dll,1");
    if (classless)
        PutString(".zzz", "Content Type", "text/zzz");
}

// A question the command asks, and the answer given.
struct TAskedQuestion {
    TDialogKind kind;
    int answer;
    std::string text;
};

const std::string kEraseFromExtView =
    "Erase extension from registry?\r\nNote: If you want to associate it to another fileclass, "
    "press 'No'.";
const std::string kEraseFromClassView =
    "While this extension is no longer linked to a fileclass, it only waste space in the "
    "registry.\r\nDo you want to erase it from there?\r\nNote: If you want to associate it to "
    "another fileclass, press 'No'.";
const std::string kGate =
    "You checked, that no changes should be done.\r\nPlease watch the configurationdialog.";

const Changes kOneClassGoes = {"-oneclass", "-oneclass=", "-oneclass\\DefaultIcon",
                               "-oneclass\\DefaultIcon="};

Changes Join(Changes a, const Changes& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end(),
              [](const std::string& x, const std::string& y) { return x.substr(1) < y.substr(1); });
    return a;
}

} // namespace

TEST_F(MainWindowTest, EveryPathOfTheAssociationCommandsChangesExactlyWhatItShould) {
    using B = void (TMainForm::*)();
    const B assoc = &TMainForm::btnExtAssocClick, dissoc = &TMainForm::btnExtDissocClick,
            add = &TMainForm::btnClassAssocClick, classDissoc = &TMainForm::btnClassDissocClick;
    const TDialogKind Q = TDialogKind::Confirmation, E = TDialogKind::Error, P = TDialogKind::Plain,
                      M = TDialogKind::Modal;
    const std::string oneNote = "\r\nNote: '.one' is currently associated with 'oneclass'";
    const std::string oneUnused =
        "The fileclass 'oneclass' will not be used by any other extension.\r\nShould it be "
        "deleted?";
    struct Case {
        const char* name;
        B button;
        const char* item;   // selected in the item list (its view is chosen by the button)
        const char* choice; // extension view: the class typed; class view: the extension chosen
        bool allow, optimize, alwaysAsk, classless;
        std::vector<TAskedQuestion> questions; // Modal: the select query, answer = position or -1
        Changes changes;
    } cases[] = {
        // Associate.
        {"assoc yes yes",
         assoc,
         ".one",
         "txtfile",
         true,
         true,
         true,
         true,
         {{Q, mrYes, "Are you sure to associate '.one' to 'txtfile'?" + oneNote},
          {Q, mrYes, oneUnused}},
         Join({"~.one="}, kOneClassGoes)},
        {"assoc yes no",
         assoc,
         ".one",
         "txtfile",
         true,
         true,
         true,
         true,
         {{Q, mrYes, "Are you sure to associate '.one' to 'txtfile'?" + oneNote},
          {Q, mrNo, oneUnused}},
         {"~.one="}},
        {"assoc no",
         assoc,
         ".one",
         "txtfile",
         true,
         true,
         true,
         true,
         {{Q, mrNo, "Are you sure to associate '.one' to 'txtfile'?" + oneNote}},
         {}},
        {"assoc without asking",
         assoc,
         ".one",
         "txtfile",
         true,
         true,
         false,
         true,
         {},
         Join({"~.one="}, kOneClassGoes)},
        {"assoc not optimizing",
         assoc,
         ".one",
         "txtfile",
         true,
         false,
         true,
         true,
         {{Q, mrYes, "Are you sure to associate '.one' to 'txtfile'?" + oneNote}},
         {"~.one="}},
        {"assoc of a classless one to a new class",
         assoc,
         ".zzz",
         "newclass",
         true,
         true,
         true,
         true,
         {{Q, mrYes, "Are you sure to associate '.zzz' to 'newclass'?"}},
         {"+.zzz="}},
        {"assoc of a shared class offers no clean-up",
         assoc,
         ".log",
         "htmlfile",
         true,
         true,
         true,
         true,
         {{Q, mrYes,
           "Are you sure to associate '.log' to 'htmlfile'?\r\nNote: '.log' is currently "
           "associated with 'txtfile'"}},
         {"~.log="}},
        {"assoc to an invalid name",
         assoc,
         ".one",
         "bad\\name",
         true,
         true,
         true,
         true,
         {{E, mrOk, "bad\\name is not a valid name of a file class."}},
         {}},
        {"assoc refused by the gate",
         assoc,
         ".one",
         "txtfile",
         false,
         true,
         true,
         true,
         {{P, mrOk, kGate}},
         {}},
        {"assoc without a class name",
         assoc,
         ".one",
         "",
         true,
         true,
         true,
         true,
         {{E, mrOk, "There should be a string for the fileclass."}},
         {}},

        // Dissociate in the extension view.
        {"dissoc yes yes yes",
         dissoc,
         ".one",
         nullptr,
         true,
         true,
         true,
         true,
         {{Q, mrYes, "Are you sure to dissociate '.one' from 'oneclass'?"},
          {Q, mrYes,
           "The fileclass will not be used by any other extension.\r\nShould 'oneclass' be "
           "deleted?"},
          {Q, mrYes, kEraseFromExtView}},
         Join({"-.one", "-.one=", "-.one=Content Type"}, kOneClassGoes)},
        {"dissoc yes no no",
         dissoc,
         ".one",
         nullptr,
         true,
         true,
         true,
         true,
         {{Q, mrYes, "Are you sure to dissociate '.one' from 'oneclass'?"},
          {Q, mrNo,
           "The fileclass will not be used by any other extension.\r\nShould 'oneclass' be "
           "deleted?"},
          {Q, mrNo, kEraseFromExtView}},
         {"-.one="}},
        {"dissoc no",
         dissoc,
         ".txt",
         nullptr,
         true,
         true,
         true,
         true,
         {{Q, mrNo, "Are you sure to dissociate '.txt' from 'txtfile'?"}},
         {}},
        {"dissoc not optimizing, none without class yet",
         dissoc,
         ".txt",
         nullptr,
         true,
         false,
         true,
         false,
         {{Q, mrYes, "Are you sure to dissociate '.txt' from 'txtfile'?"}},
         {"-.txt="}},
        {"dissoc without asking",
         dissoc,
         ".one",
         nullptr,
         true,
         true,
         false,
         true,
         {},
         Join({"-.one", "-.one=", "-.one=Content Type"}, kOneClassGoes)},
        {"dissoc refused by the gate",
         dissoc,
         ".txt",
         nullptr,
         false,
         true,
         true,
         true,
         {{P, mrOk, kGate}},
         {}},

        // Add new Extension in the class view.
        {"add picks an extension of another class",
         add,
         "txtfile",
         ".htm",
         true,
         true,
         true,
         true,
         {{M, 0, ""}},
         {"~.htm="}},
        {"add cancelled", add, "txtfile", ".htm", true, true, true, true, {{M, -1, ""}}, {}},
        {"add refused by the gate",
         add,
         "txtfile",
         ".htm",
         false,
         true,
         true,
         true,
         {{P, mrOk, kGate}},
         {}},

        // Dissociate in the class view.
        {"class dissoc yes yes",
         classDissoc,
         "oneclass",
         ".one",
         true,
         true,
         true,
         true,
         {{Q, mrYes,
           "The fileclass will not be used by any other extension.\r\nShould 'oneclass' be "
           "deleted?"},
          {Q, mrYes, kEraseFromClassView}},
         Join({"-.one", "-.one=", "-.one=Content Type"}, kOneClassGoes)},
        {"class dissoc of a shared class, no",
         classDissoc,
         "txtfile",
         ".log",
         true,
         true,
         true,
         false,
         {{Q, mrNo, kEraseFromClassView}},
         {"-.log="}},
        {"class dissoc asks its erase question always",
         classDissoc,
         "oneclass",
         ".one",
         true,
         false,
         false,
         true,
         {{Q, mrYes, kEraseFromClassView}},
         {"-.one", "-.one=", "-.one=Content Type"}},
        {"class dissoc without an extension chosen",
         classDissoc,
         "txtfile",
         nullptr,
         true,
         true,
         true,
         true,
         {{E, mrOk, "There should be an extension selected."}},
         {}},
    };
    QuietGate();
    TMainForm& form = Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutFixture(c.classless);
        // A fresh start on the fixture: rescanned, on the extension view.
        ClickTab(0);
        form.ScanItemClick();
        form.Commands().SetAllowChanges(c.allow);
        form.Commands().Settings().OptimizeSystem = c.optimize;
        form.Commands().Settings().AlwaysAsk = c.alwaysAsk;
        const bool classView = c.button == add || c.button == classDissoc;
        if (classView)
            ClickTab(1);
        ClickItem(c.item);
        if (!classView && c.choice) {
            form.ExtView.cbClasses.SetText(c.choice);
            form.cbClassesChange();
        }
        if (classView && c.choice) {
            form.ClassView.lbAssocExt.SetItemIndex(form.ClassView.lbAssocExt.Items().IndexOf(c.choice));
            form.lbAssocExtClick();
        }
        for (const TAskedQuestion& q : c.questions) {
            if (q.kind != M) {
                dialogs_.Expect(q.kind, q.answer);
                continue;
            }
            const int pick = q.answer;
            dialogs_.ExpectModal([&, pick](TForm& query) {
                auto& select = static_cast<TSelectQuery&>(query);
                EXPECT_EQ(query.Text(), "Mit txtfile assoziieren");
                EXPECT_EQ(select.laPrompt.Text(), "Bitte wählen sie die Erweiterung aus, die sie "
                                                  "mit\r\n'txtfile'\r\nassoziieren möchten.");
                EXPECT_EQ(select.cbList.Items().ToVector(),
                          (std::vector<std::string>{".htm", ".log", ".one", ".txt", ".zzz"}));
                if (pick < 0)
                    return static_cast<int>(mrCancel);
                select.cbList.SetItemIndex(select.cbList.Items().IndexOf(c.choice));
                return static_cast<int>(mrOk);
            });
        }
        dialogs_.Forget();
        const TRegistrySnapshot before = TakeRegistrySnapshot();
        // As a click runs it: an error goes to the default error handling.
        try {
            (form.*c.button)();
        } catch (...) {
            Application.HandleException();
        }

        std::vector<std::string> asked;
        for (const TAsked& a : dialogs_.Asked())
            if (a.kind != M)
                asked.push_back(a.text);
        std::vector<std::string> expected;
        for (const TAskedQuestion& q : c.questions)
            if (q.kind != M)
                expected.push_back(q.text);
        // An assertion names the source file and line after its message.
        if (!asked.empty() && !expected.empty() && asked.back().rfind(expected.back(), 0) == 0 &&
            asked.back().find("Zeile") != std::string::npos)
            asked.back() = expected.back();
        EXPECT_EQ(asked, expected);
        EXPECT_EQ(RegistryChanges(before, TakeRegistrySnapshot()), c.changes);
        EXPECT_EQ(PictureOf(form.FileClasses()), IndexOfRegistry());
        EXPECT_EQ(dialogs_.Pending(), 0u);
    }
}
