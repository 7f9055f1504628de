// The main window's start-up, window state and shutdown against a settings
// file of the test's own.
#include "UiTestSupport.h"
#include "index/ZQFileAssoc.h"
#include "toolkit/ScreenPlacement.h"

namespace {

void PutAssociations() {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString(".htm", "", "htmlfile");
    PutString("htmlfile", "", "HTML Document");
    PutKey(".zzz");
}

} // namespace

TEST_F(MainWindowTest, FirstStartWithoutSettingsScansAndOpensCentredOnTheFirstTab) {
    PutAssociations();
    ExpectGateWarning();
    TMainForm& form = Open();

    EXPECT_EQ(form.Text(), "Corvix - Adaptation of Extensions");
    EXPECT_EQ(form.Bounds(),
              (TBounds{(ScreenWidth() - 385) / 2, (ScreenHeight() - 465) / 2, 385, 465}));
    ASSERT_EQ(form.TabControl.TabCount(), 2);
    EXPECT_EQ(form.TabControl.TabCaption(0), "File Extensions");
    EXPECT_EQ(form.TabControl.TabCaption(1), "File Classes");
    EXPECT_EQ(form.TabControl.TabIndex(), 0);
    EXPECT_EQ(form.CurrentView, 0);
    EXPECT_FALSE(form.ForceViewUpdate);
    // The scan ran: three extensions, three classes (one the empty name).
    EXPECT_EQ(form.StatusBar.PanelText(0), "3/3");
    EXPECT_EQ(form.FileClasses().Count(), 3);
    EXPECT_EQ(form.ListBox.Items().ToVector(), (std::vector<std::string>{".htm", ".txt", ".zzz"}));
    EXPECT_EQ(form.ListBox.ItemIndex(), 0);
    EXPECT_EQ(form.CurrentExt, ".htm");
    EXPECT_TRUE(form.ExtView.ExtPanel.Visible());
    EXPECT_TRUE(form.Commands().Settings().OptimizeSystem);
    EXPECT_TRUE(form.Commands().Settings().AlwaysAsk);
    EXPECT_FALSE(form.Commands().AllowChanges());
    // The layout of the frame as designed.
    EXPECT_EQ(form.ListBox.Width(), 121);
    EXPECT_EQ(form.ZQSplitter1.Width(), 7);
    EXPECT_EQ(form.ZQSplitter1.Left(), form.ListPanel.Left() + 121);
    EXPECT_EQ(form.BottomPanel.Height(), 36);
    EXPECT_EQ(form.StatusBar.PanelCount(), 3);
    EXPECT_EQ(form.ToolBar.ImageCount(), 9); // the last one is the check mark
    EXPECT_FALSE(form.NewFileclassItem.Visible());
}

TEST_F(MainWindowTest, StateIsSavedOnCloseAndRestoredAtTheNextStart) {
    PutAssociations();
    QuietGate();
    TMainForm& form = Open();
    ClickTab(1);
    EXPECT_EQ(form.CurrentView, 1);
    ClickItem("htmlfile");
    form.SetBounds({100, 80, 500, 400});
    CloseAndDestroy();

    EXPECT_TRUE(Application.Terminated());
    EXPECT_EQ(Get("MainForm", "Top"), "80");
    EXPECT_EQ(Get("MainForm", "Left"), "100");
    EXPECT_EQ(Get("MainForm", "Height"), "400");
    EXPECT_EQ(Get("MainForm", "Width"), "500");
    EXPECT_EQ(Get("MainForm", "Maximized"), "0");
    EXPECT_EQ(Get("MainForm", "Tab"), "1");
    EXPECT_EQ(Get("MainForm", "LastExt"), ".htm");
    EXPECT_EQ(Get("MainForm", "LastClass"), "htmlfile");
    // Closing told the help system to close this program's help window.
    ASSERT_FALSE(dialogs_.HelpCalls().empty());
    EXPECT_EQ(dialogs_.HelpCalls().back().first, UINT(HELP_QUIT));

    Set("MainForm", "LastExt", ".txt");
    TMainForm& again = Open();
    EXPECT_EQ(again.Bounds(), (TBounds{100, 80, 500, 400}));
    EXPECT_EQ(again.TabControl.TabIndex(), 1);
    EXPECT_EQ(again.CurrentView, 1);
    EXPECT_EQ(again.ListBox.Items()[again.ListBox.ItemIndex()], "htmlfile");
    EXPECT_EQ(again.CurrentClass, "htmlfile");
    // The extension view reselects the saved extension.
    ClickTab(0);
    EXPECT_EQ(again.ListBox.Items()[again.ListBox.ItemIndex()], ".txt");
    EXPECT_EQ(again.CurrentExt, ".txt");
}

TEST_F(MainWindowTest, BoundsOutsideTheScreenComeBackAndAnUnknownTabReadsAsTheFirst) {
    PutAssociations();
    QuietGate();
    Set("MainForm", "Left", "5000");
    Set("MainForm", "Top", "-300");
    Set("MainForm", "Tab", "5");
    Set("MainForm", "LastClass", "txtfile");
    TMainForm& form = Open();
    EXPECT_EQ(form.Bounds(), (TBounds{ScreenWidth() - 385, 0, 385, 465}));
    EXPECT_EQ(form.TabControl.TabIndex(), 0);
    EXPECT_EQ(form.CurrentView, 0);
    EXPECT_EQ(form.ListBox.Items()[0], ".htm");

    // The rule itself: shrunk to the screen, then moved onto it.
    EXPECT_EQ(PlaceOnScreen({-32000, -32000, 160, 24}, 1024, 768), (TBounds{0, 0, 160, 24}));
    EXPECT_EQ(PlaceOnScreen({10, 10, 3000, 2000}, 1024, 768), (TBounds{0, 0, 1024, 768}));
    EXPECT_EQ(PlaceOnScreen({900, 700, 385, 465}, 1024, 768), (TBounds{639, 303, 385, 465}));
    EXPECT_EQ(PlaceOnScreen({20, 30, 385, 465}, 1024, 768), (TBounds{20, 30, 385, 465}));
}

TEST_F(MainWindowTest, MaximizedWindowOpensMaximizedAndIsSavedSo) {
    QuietGate();
    Set("MainForm", "Maximized", "1");
    Set("MainForm", "Top", "7"); // not read while maximized
    TMainForm& form = Open();
    EXPECT_TRUE(form.Maximized());
    EXPECT_NE(form.Top(), 7);
    CloseAndDestroy();
    EXPECT_EQ(Get("MainForm", "Maximized"), "1");
}

TEST_F(MainWindowTest, SwitchedOffRestoringLeavesTheFileAlone) {
    PutAssociations();
    QuietGate();
    Set("MainForm", "RestoreWnd", "0");
    Set("MainForm", "RestoreTab", "0");
    Set("MainForm", "RestoreSelItem", "0");
    Set("MainForm", "Top", "7");
    Set("MainForm", "Width", "999");
    Set("MainForm", "LastExt", ".txt");
    TMainForm& form = Open();
    EXPECT_NE(form.Width(), 999);
    EXPECT_EQ(form.CurrentExt, ".htm");
    ClickTab(1);
    CloseAndDestroy();
    EXPECT_EQ(Get("MainForm", "Top"), "7");
    EXPECT_EQ(Get("MainForm", "Width"), "999");
    EXPECT_EQ(Get("MainForm", "Left"), "<none>");
    EXPECT_EQ(Get("MainForm", "Tab"), "<none>");
    EXPECT_EQ(Get("MainForm", "LastExt"), ".txt");
    EXPECT_EQ(Get("MainForm", "LastClass"), "<none>");
}

TEST_F(MainWindowTest, WithoutStartupScanTheClassViewStaysEmpty) {
    PutAssociations();
    QuietGate();
    Set("config", "StartupScan", "0");
    Set("config", "OptimizeSystem", "0");
    Set("config", "AlwaysAsk", "0");
    TMainForm& form = Open();
    EXPECT_FALSE(form.Commands().Settings().OptimizeSystem);
    EXPECT_FALSE(form.Commands().Settings().AlwaysAsk);
    EXPECT_EQ(form.StatusBar.PanelText(0), "");
    EXPECT_EQ(form.FileClasses().Count(), 0);
    EXPECT_EQ(form.ListBox.Items().Count(), 3); // the extension view reads the registry
    ClickTab(1);
    EXPECT_EQ(form.ListBox.Items().Count(), 0);
    EXPECT_TRUE(form.ClassView.ClassPanel.Visible());
    EXPECT_FALSE(form.ShortInfo.ShortInfoPanel.Visible());
}

TEST_F(MainWindowTest, StartingOnTheClassTabWithoutScanShowsNothingSelected) {
    QuietGate();
    Set("config", "StartupScan", "0");
    Set("MainForm", "Tab", "1");
    TMainForm& form = Open();
    EXPECT_EQ(form.CurrentView, 1);
    EXPECT_TRUE(form.ShortInfo.ShortInfoPanel.Visible());
    EXPECT_EQ(form.ShortInfo.lShortInfo.Text(), "No fileclass selected.");
}

TEST_F(MainWindowTest, StartsWithoutTheExplorerSettingsKey) {
    const std::string advanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    EXPECT_FALSE(HasKey(advanced, HKEY_CURRENT_USER)); // as in a fresh Wine prefix
    EXPECT_FALSE(StartupHideFileExt());
    PutKey(advanced, HKEY_CURRENT_USER);
    EXPECT_FALSE(StartupHideFileExt()); // no value
    PutDword(advanced, "HideFileExt", 1, HKEY_CURRENT_USER);
    EXPECT_TRUE(StartupHideFileExt());
    PutDword(advanced, "HideFileExt", 2, HKEY_CURRENT_USER);
    EXPECT_FALSE(StartupHideFileExt());
    PutString(advanced, "HideFileExt", "1", HKEY_CURRENT_USER);
    EXPECT_FALSE(StartupHideFileExt());
    // And the window opens.
    QuietGate();
    EXPECT_TRUE(Open().Visible());
}
