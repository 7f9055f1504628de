// The commands that link and unlink extensions and classes, each compared
// over the whole scratch registry before and after, with the index checked
// against a fresh scan.
#include "RegistrySnapshot.h"
#include "UiTestSupport.h"
#include "index/ZQFileAssoc.h"

namespace {

using Changes = std::vector<std::string>;

} // namespace

TEST_F(MainWindowTest, AClassLeftUnusedIsDeletedOnlyWhenEverythingSaysSo) {
    struct Case {
        bool optimize;
        bool alwaysAsk;
        bool unused;
        const char* className;
        int answer; // mrNone: no question
        bool deleted;
    } cases[] = {
        {true, true, true, "txtfile", mrYes, true},
        {true, true, true, "txtfile", mrNo, false},
        {true, false, true, "txtfile", mrNone, true}, // AlwaysAsk off: no box
        {false, true, true, "txtfile", mrNone, false},
        {true, true, false, "txtfile", mrNone, false},
        {true, true, true, "ghostclass", mrNone, false}, // no key of its own
    };
    QuietGate();
    for (const Case& c : cases) {
        PutString(".txt", "", "txtfile");
        PutString("txtfile", "", "Text Document");
        PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
        PutString(".gho", "", "ghostclass");
        TMainForm& form = Open();
        form.OptimizeSystem = c.optimize;
        form.AlwaysAsk = c.alwaysAsk;
        const TRegistrySnapshot before = TakeRegistrySnapshot();
        if (c.answer != mrNone)
            dialogs_.Expect(TDialogKind::Confirmation, c.answer);
        dialogs_.Forget();
        EXPECT_EQ(form.DeleteOrphanedClass(c.className, c.unused, "Delete it?"), c.deleted);
        if (c.answer != mrNone) {
            ASSERT_EQ(dialogs_.Asked().size(), 1u);
            EXPECT_EQ(dialogs_.Asked()[0].text, "Delete it?");
        }
        const Changes expected = c.deleted ? Changes{"-txtfile",
                                                     "-txtfile=",
                                                     "-txtfile\\shell",
                                                     "-txtfile\\shell\\open",
                                                     "-txtfile\\shell\\open\\command",
                                                     "-txtfile\\shell\\open\\command="}
                                           : Changes{};
        EXPECT_EQ(RegistryChanges(before, TakeRegistrySnapshot()), expected);
        // The index lost the class with the registry.
        EXPECT_EQ(form.FileClasses().IndexOf("txtfile") >= 0, !c.deleted);
        // The next case puts back what this one deleted.
    }
}
