// The window of the association check, opened from the main window: its
// findings, sorting, showing an item in the main window, a repair with its
// question, the views and the index after it, and the check run again.
#include "UiTestSupport.h"
#include "dialogs/CheckForm.h"
#include "support/RegistryDump.h"

#include <cstdlib>

namespace {

void PutProblems() {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1"); // fine
    PutString(".gone", "", "gonefile");                               // missing-class
    PutKey(".empty");                                                 // empty-extension
    PutKey(".shn\\ShellNew");                                         // fine
    PutString(".bad", "", "badfile");
    PutString("badfile\\shell\\open\\command", "", "C:\\nowhere\\gone.exe \"%1\"");
}

std::vector<std::string> Rows(TCheckForm& check) {
    std::vector<std::string> rows;
    for (int row = 0; row < check.List.RowCount(); ++row)
        rows.push_back(check.List.onGetText(row, 0) + " " + check.List.onGetText(row, 1));
    return rows;
}

int RowOf(TCheckForm& check, const std::string& name) {
    for (int row = 0; row < check.List.RowCount(); ++row)
        if (check.List.onGetText(row, 1) == name)
            return row;
    return -1;
}

} // namespace

class CheckFormTest : public MainWindowTest {
protected:
    void SetUp() override {
        QuietGate();
        PutProblems();
    }
};

TEST_F(CheckFormTest, ListsSortsShowsAndRepairsTheFindings) {
    TMainForm& f = Open();
    f.Commands().SetAllowChanges(true);
    f.CheckItemClick();
    ASSERT_TRUE(f.CheckForm);
    TCheckForm& check = *f.CheckForm;
    EXPECT_TRUE(check.Visible());
    check.WaitForCheck();
    EXPECT_FALSE(check.Checking());
    EXPECT_EQ(Rows(check), (std::vector<std::string>{"empty-extension .empty",
                                                     "missing-class .gone",
                                                     "missing-program badfile"}));
    EXPECT_EQ(check.StatusBar.PanelText(0), "3 findings in 5 extensions and 2 classes");

    // A click on the kind column sorts by kind; twice, the other way round.
    check.SortBy(0);
    EXPECT_EQ(Rows(check).front(), "empty-extension .empty");
    check.SortBy(0);
    EXPECT_EQ(Rows(check).front(), "missing-program badfile");

    // A double click shows the item in its view.
    check.List.SelectRow(RowOf(check, ".gone"));
    check.ListDblClick();
    EXPECT_EQ(f.CurrentView, 0);
    EXPECT_EQ(f.ListBox.Items()[f.ListBox.ItemIndex()], ".gone");
    check.List.SelectRow(RowOf(check, "badfile"));
    EXPECT_TRUE(check.btnShow.Enabled());
    EXPECT_FALSE(check.btnRepairKind.Enabled()) << "no command repairs a missing program";
    check.ListDblClick();
    EXPECT_EQ(f.CurrentView, 1);
    EXPECT_EQ(f.ListBox.Items()[f.ListBox.ItemIndex()], "badfile");

    if (const char* wait = std::getenv("CORVIX_CHECK_SCREENSHOT_WAIT")) {
        // Time for a screenshot of the window as a user sees it.
        check.BringToFront();
        const DWORD until = GetTickCount() + 1000 * std::atoi(wait);
        while (GetTickCount() < until) {
            Pump();
            Sleep(50);
        }
    }

    // Repairing the empty extension: one question, the key gone, the
    // index as a scan finds it, the check run again without it.
    check.List.SelectRow(RowOf(check, ".empty"));
    ASSERT_TRUE(check.btnRepair.Enabled());
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    ClickButton(check.btnRepair);
    EXPECT_FALSE(HasKey(".empty"));
    EXPECT_EQ(PictureOf(f.FileClasses()), IndexOfRegistry());
    EXPECT_TRUE(check.Checking());
    check.WaitForCheck();
    // In the order the user chose: by kind, the other way round.
    EXPECT_EQ(Rows(check), (std::vector<std::string>{"missing-program badfile",
                                                     "missing-class .gone"}));
    EXPECT_TRUE(f.UndoItem.Enabled());
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].text, "Are you sure to delete '.empty'?");
}

TEST_F(CheckFormTest, StopsACheckAndChecksAgainWithF5) {
    TMainForm& f = Open();
    f.CheckItemClick();
    TCheckForm& check = *f.CheckForm;
    check.StopCheck();
    check.WaitForCheck();
    EXPECT_FALSE(check.Checking());
    EXPECT_LE(check.List.RowCount(), 3);
    EXPECT_TRUE(check.btnCheck.Enabled());
    EXPECT_FALSE(check.btnStop.Enabled());
    EXPECT_TRUE(check.FormShortCut(VK_F5));
    EXPECT_TRUE(check.Checking());
    EXPECT_FALSE(check.btnCheck.Enabled());
    check.WaitForCheck();
    EXPECT_EQ(check.List.RowCount(), 3);
    // Closing the window while it checks stops the check.
    check.StartCheck();
    check.Close();
    EXPECT_FALSE(check.Visible());
    check.WaitForCheck();
}
