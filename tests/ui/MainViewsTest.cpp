// The two views of the main window: switching, rescanning, menu states,
// help and hints.
#include "UiTestSupport.h"

namespace {

void PutAssociations() {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString(".log", "", "txtfile");
    PutString(".htm", "", "htmlfile");
    PutString("htmlfile", "", "HTML Document");
    PutKey(".zzz");
}

} // namespace

TEST_F(MainWindowTest, SwitchingViewsRebuildsTheListAndReselectsTheLastItem) {
    PutAssociations();
    QuietGate();
    TMainForm& form = Open();
    ClickItem(".txt");
    EXPECT_EQ(form.CurrentExt, ".txt");
    EXPECT_EQ(form.laHint.Text(), "");
    ClickItem(".zzz");
    EXPECT_EQ(form.laHint.Text(), "not associated to a fileclass");

    ClickTab(1);
    EXPECT_EQ(form.ListBox.Items().ToVector(),
              (std::vector<std::string>{"", "htmlfile", "txtfile"}));
    EXPECT_EQ(Selected(form), ""); // nothing shown yet in this view: the first item
    ClickItem("txtfile");
    EXPECT_TRUE(form.ClassView.ClassPanel.Visible());
    EXPECT_FALSE(form.ExtView.ExtPanel.Visible());

    ClickTab(0);
    EXPECT_EQ(Selected(form), ".zzz");
    ClickTab(1);
    EXPECT_EQ(Selected(form), "txtfile");

    // Clicking the selected tab again rebuilds nothing; the rescan does.
    PutString(".abc", "", "txtfile");
    ClickTab(1);
    EXPECT_EQ(form.ListBox.Items().Count(), 3);
    EXPECT_EQ(form.StatusBar.PanelText(0), "4/3");
    SetFocus(form.ListBox.Handle());
    PostMessageA(form.ListBox.Handle(), WM_KEYDOWN, VK_F5, 0); // the shortcut of "(Re-)scan"
    Application.ProcessMessages();
    EXPECT_EQ(form.StatusBar.PanelText(0), "5/3");
    EXPECT_EQ(Selected(form), "txtfile");
    ClickTab(0);
    EXPECT_EQ(form.ListBox.Items().Count(), 5);
    EXPECT_EQ(Selected(form), ".zzz");
}

TEST_F(MainWindowTest, MenuStatesFollowTheViewAndTheGate) {
    PutAssociations();
    QuietGate();
    TMainForm& form = Create();
    form.Show();
    EXPECT_FALSE(form.NewExtensionItem.Enabled());
    EXPECT_FALSE(form.DeleteExtensionItem.Enabled());
    EXPECT_FALSE(form.DeleteFileclassItem.Enabled());
    EXPECT_FALSE(form.NewMenuItem.Enabled());
    EXPECT_TRUE(form.OpenWithListsItem.Enabled()) << "an extension is shown";
    EXPECT_FALSE(form.SelectProgramItem.Enabled());
    EXPECT_FALSE(form.tbtnNew.Enabled());
    EXPECT_TRUE(form.tbtnScan.Enabled());

    // With changes allowed (as on Windows 2000 without safe mode):
    form.Commands().SetAllowChanges(true);
    ClickTab(1);
    EXPECT_TRUE(form.NewFileclassItem.Enabled());
    EXPECT_FALSE(form.NewFileclassItem.Visible());
    EXPECT_FALSE(form.NewExtensionItem.Enabled());
    EXPECT_FALSE(form.DeleteExtensionItem.Enabled());
    EXPECT_FALSE(form.OpenWithListsItem.Enabled() || form.tbtnOpenwithLists.Enabled());
    ClickItem("htmlfile");
    EXPECT_TRUE(form.DeleteFileclassItem.Enabled());
    ClickItem(""); // no key of its own
    EXPECT_FALSE(form.DeleteFileclassItem.Enabled());
    ClickTab(0);
    EXPECT_TRUE(form.NewExtensionItem.Enabled());
    EXPECT_TRUE(form.DeleteExtensionItem.Enabled());
    EXPECT_FALSE(form.NewFileclassItem.Enabled());
    EXPECT_FALSE(form.DeleteFileclassItem.Enabled());
}

TEST_F(MainWindowTest, HelpAsksForTheTopicOfTheView) {
    QuietGate();
    TMainForm& form = Open();
    dialogs_.Forget();
    SendMessageA(form.btnHelp.Handle(), BM_CLICK, 0, 0);
    ClickTab(1);
    SendMessageA(form.btnHelp.Handle(), BM_CLICK, 0, 0);
    form.HelpItem.Click();
    form.tbtnHelp.Click();
    EXPECT_EQ(dialogs_.HelpCalls(),
              (std::vector<std::pair<UINT, ULONG_PTR>>{
                  {HELP_CONTEXT, 100}, {HELP_CONTEXT, 200}, {15, 0}, {15, 0}}));
}

TEST_F(MainWindowTest, HintsOfMenuItemsAndControlsGoToStatusPanelOne) {
    QuietGate();
    TMainForm& form = Open();
    SendMessageA(form.Handle(), WM_MENUSELECT, MAKEWPARAM(form.ConfigurationItem.Id(), MF_STRING),
                 reinterpret_cast<LPARAM>(GetMenu(form.Handle())));
    EXPECT_EQ(form.StatusBar.PanelText(1), "Configurate the program");
    SendMessageA(form.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(form.StatusBar.PanelText(1), "");

    // The pointer over the first tool bar button.
    RECT r;
    SendMessageA(form.ToolBar.Handle(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(form.ToolBar.Handle(), &p);
    SetCursorPos(p.x, p.y);
    PostMessageA(form.ToolBar.Handle(), WM_MOUSEMOVE, 0, 0);
    Application.ProcessMessages();
    EXPECT_EQ(form.StatusBar.PanelText(1), "(Re-)scan the registry");
}

TEST_F(MainWindowTest, ExitClosesTheWindowAndSavesItsState) {
    QuietGate();
    TMainForm& form = Open();
    ClickTab(1);
    form.ExitItem.Click();
    EXPECT_EQ(Get("MainForm", "Tab"), "1");
    EXPECT_EQ(form.ExitItem.ShortCut().Text(), "Ctrl+Q");
}

TEST_F(MainWindowTest, ScanGoesOnPastAnUnreadableClassAndShowingItReportsTheError) {
    PutString(".abc", "", "txtfile");
    PutDword(".zodd", "", 5); // a default value that holds no text
    QuietGate();
    TMainForm& form = Open();
    EXPECT_EQ(form.StatusBar.PanelText(0), "2/2");
    EXPECT_EQ(form.StatusBar.PanelText(1), "1 extension key could not be read");
    ClickTab(1);
    ClickItem("");
    EXPECT_EQ(form.ShortInfo.lbShortInfo.Items().ToVector(), (std::vector<std::string>{".zodd"}));

    // Showing the extension reads its class again; the layer's error goes to
    // the error box and the window goes on.
    ClickTab(0);
    dialogs_.Expect(TDialogKind::Error, mrOk);
    ClickItem(".zodd");
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].caption, "Fehler");
    EXPECT_EQ(dialogs_.Asked()[0].text.rfind("Ungültiger Datentyp für", 0), 0u)
        << dialogs_.Asked()[0].text;
    ClickItem(".abc");
    EXPECT_EQ(form.CurrentExt, ".abc");

    // Each scan says anew how many keys it could not read, and nothing when
    // it read them all.
    const struct {
        std::function<void()> change;
        const char* hint;
    } rescans[] = {
        {[] { PutBinary(".zbin", "", std::string("\x01\x02", 2)); },
         "2 extension keys could not be read"},
        {[] { PutString(".zodd", "", "txtfile"); }, "1 extension key could not be read"},
        {[] { PutString(".zbin", "", "txtfile"); }, ""},
    };
    for (const auto& rescan : rescans) {
        rescan.change();
        form.ScanItem.Click();
        EXPECT_EQ(form.StatusBar.PanelText(1), rescan.hint);
    }
}
