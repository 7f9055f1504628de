// The short-info panel: its three modes on the real window and the layout
// arithmetic of its resize handling.
#include "UiTestSupport.h"

namespace {

TShortInfoLayout DesignLayout(int width, int height, int captionWidth) {
    TShortInfoLayout l;
    l.panelWidth = width;
    l.panelHeight = height;
    l.caption = {8, 8, captionWidth, 13};
    l.list = {8, 24, 105, 81};
    l.btnReg = {120, 24, 113, 21};
    l.btnViewExt = {120, 84, 113, 21};
    l.listVisible = l.regVisible = l.viewExtVisible = true;
    return l;
}

void SelectShortInfoEntry(TMainForm& form, const std::string& text) {
    const int index = form.ShortInfo.lbShortInfo.Items().IndexOf(text);
    ASSERT_GE(index, 0);
    form.ShortInfo.lbShortInfo.SetItemIndex(index);
    SendMessageA(form.ShortInfo.ShortInfoPanel.Handle(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(form.ShortInfo.lbShortInfo.Handle()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(form.ShortInfo.lbShortInfo.Handle()));
}

} // namespace

TEST(ShortInfoLayout, DesignValues) {
    const TShortInfoLayout l = ArrangeShortInfo(DesignLayout(545, 393, 150));
    EXPECT_EQ(l.list, (TBounds{8, 29, 408, 356}));
    EXPECT_EQ(l.btnViewExt, (TBounds{424, 364, 113, 21}));
    EXPECT_EQ(l.btnReg, (TBounds{424, 29, 113, 21}));
    EXPECT_EQ(l.caption, (TBounds{(545 - 150) / 2, 8, 150, 13}));

    // Centred when it fits within 8 pixels of each edge, else at 8.
    EXPECT_EQ(ArrangeShortInfo(DesignLayout(400, 300, 201)).caption.left, 99);
    EXPECT_EQ(ArrangeShortInfo(DesignLayout(400, 300, 384)).caption.left, 8);
    EXPECT_EQ(ArrangeShortInfo(DesignLayout(400, 300, 385)).caption.left, 8);

    // Nothing selected: only the caption moves; hidden controls stay put.
    TShortInfoLayout nothing = DesignLayout(545, 393, 150);
    nothing.listVisible = nothing.regVisible = nothing.viewExtVisible = false;
    const TShortInfoLayout placed = ArrangeShortInfo(nothing);
    EXPECT_EQ(placed.list, nothing.list);
    EXPECT_EQ(placed.btnReg, nothing.btnReg);
    EXPECT_EQ(placed.btnViewExt, nothing.btnViewExt);
    EXPECT_EQ(placed.caption.left, 197);

    EXPECT_EQ(ShortInfoCaption(simNothingSelected, "extension"), "No extension selected.");
    EXPECT_EQ(ShortInfoCaption(simClassNotRegistered, "100%s"),
              "'100%s' is not registered to the system.");
    EXPECT_EQ(ShortInfoCaption(simExtensionsWithoutClass, "2"),
              "Number of non associated extensions: 2");
}

TEST_F(MainWindowTest, ShortInfoModesOfTheClassView) {
    PutKey(".aaa");                      // no class
    PutString(".bbb", "", "ghostclass"); // a class without a key
    PutString(".bb2", "", "ghostclass");
    PutString(".ccc", "", "txtfile"); // a registered class
    PutString("txtfile", "", "Text Document");
    PutString(".ddd", "", "bad\\name"); // no valid class name
    QuietGate();
    TMainForm& form = Open();
    ClickTab(1);

    ClickItem("");
    EXPECT_TRUE(form.ShortInfo.ShortInfoPanel.Visible());
    EXPECT_FALSE(form.ClassView.ClassPanel.Visible());
    EXPECT_EQ(form.ShortInfo.lShortInfo.Text(), "Number of non associated extensions: 1");
    EXPECT_EQ(form.ShortInfo.lbShortInfo.Items().ToVector(), (std::vector<std::string>{".aaa"}));
    EXPECT_FALSE(form.ShortInfo.btnReg.Visible());
    EXPECT_TRUE(form.ShortInfo.btnShortInfoViewExt.Visible());
    EXPECT_FALSE(form.ShortInfo.btnShortInfoViewExt.Enabled());
    EXPECT_FALSE(form.DeleteFileclassItem.Enabled());
    // Laid out on the panel's real size: the list fills it below the
    // caption, the button stands beside its lower end.
    const int pw = form.ShortInfo.ShortInfoPanel.Width(), ph = form.ShortInfo.ShortInfoPanel.Height();
    const int listTop = 8 + LineHeight() + 8; // 29 with Tahoma 8 pt
    EXPECT_EQ(form.ShortInfo.lShortInfo.Height(), LineHeight());
    EXPECT_EQ(form.ShortInfo.lbShortInfo.Bounds(),
              (TBounds{8, listTop, pw - 8 - 8 - 113 - 8, ph - listTop - 8}));
    EXPECT_EQ(form.ShortInfo.btnShortInfoViewExt.Bounds(), (TBounds{pw - 8 - 113, ph - 8 - 21, 113, 21}));

    ClickItem("ghostclass");
    EXPECT_EQ(form.CurrentClass, "ghostclass");
    EXPECT_EQ(form.ShortInfo.lShortInfo.Text(), "'ghostclass' is not registered to the system.");
    EXPECT_EQ(form.ShortInfo.lbShortInfo.Items().ToVector(), (std::vector<std::string>{".bbb", ".bb2"}));
    EXPECT_TRUE(form.ShortInfo.btnReg.Visible());
    EXPECT_EQ(form.ShortInfo.btnReg.Bounds(), (TBounds{pw - 8 - 113, listTop, 113, 21}));
    ClickItem("bad\\name");
    EXPECT_EQ(form.ShortInfo.lShortInfo.Text(), "'bad\\name' is not registered to the system.");

    ClickItem("txtfile");
    EXPECT_TRUE(form.ClassView.ClassPanel.Visible());
    EXPECT_FALSE(form.ShortInfo.ShortInfoPanel.Visible());

    form.ShowClassDetails(-1);
    EXPECT_EQ(form.ShortInfo.lShortInfo.Text(), "No fileclass selected.");
    EXPECT_FALSE(form.ShortInfo.lbShortInfo.Visible());
    EXPECT_FALSE(form.ShortInfo.btnReg.Visible());
    EXPECT_FALSE(form.ShortInfo.btnShortInfoViewExt.Visible());
    EXPECT_EQ(form.ShortInfo.lShortInfo.Left(), (pw - form.ShortInfo.lShortInfo.Width()) / 2);
    EXPECT_EQ(form.CurrentClass, "txtfile"); // kept when nothing is selected
}

TEST_F(MainWindowTest, ViewThisExtensionJumpsToTheExtensionView) {
    PutString(".bbb", "", "ghostclass");
    PutString(".bb2", "", "ghostclass");
    PutKey(".aaa");
    QuietGate();
    TMainForm& form = Open();
    ClickTab(1);
    ClickItem("ghostclass");
    SelectShortInfoEntry(form, ".bb2");
    EXPECT_TRUE(form.ShortInfo.btnShortInfoViewExt.Enabled());
    SendMessageA(form.ShortInfo.btnShortInfoViewExt.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.TabControl.TabIndex(), 0);
    EXPECT_EQ(form.CurrentView, 0);
    EXPECT_EQ(form.CurrentExt, ".bb2");
    EXPECT_EQ(form.ListBox.Items()[form.ListBox.ItemIndex()], ".bb2");
    EXPECT_FALSE(form.ShortInfo.ShortInfoPanel.Visible());
    EXPECT_TRUE(form.ExtView.ExtPanel.Visible());

    // A double click on the list with nothing chosen: the extension view
    // shows its first extension.
    ClickTab(1);
    form.ShortInfo.lbShortInfo.SetItemIndex(-1);
    form.lbShortInfoDblClick();
    EXPECT_EQ(form.CurrentView, 0);
    EXPECT_EQ(form.CurrentExt, ".aaa");
}

TEST_F(MainWindowTest, EmptyExtensionListShowsNothingSelected) {
    QuietGate();
    TMainForm& form = Open();
    EXPECT_EQ(form.ListBox.Items().Count(), 0);
    EXPECT_TRUE(form.ShortInfo.ShortInfoPanel.Visible());
    EXPECT_FALSE(form.ExtView.ExtPanel.Visible());
    EXPECT_EQ(form.ShortInfo.lShortInfo.Text(), "No extension selected.");
    EXPECT_EQ(form.CurrentExt, "");
    EXPECT_FALSE(form.DeleteExtensionItem.Enabled());
    EXPECT_EQ(form.StatusBar.PanelText(0), "0/0");
}
