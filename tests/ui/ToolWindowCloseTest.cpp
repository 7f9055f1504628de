// The class view's tool windows with the main window: the close box stores
// the window's place and unticks its box, unticking stores nothing, Escape
// closes as the close box does, and the main window's shortcuts work while a
// tool window has the focus.
#include "ToolWindowSupport.h"
#include "dialogs/ActionUnit.h"
#include "dialogs/AdvOptionUnit.h"

namespace {

void PutClasses() {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe \"%1\"");
    PutDword("txtfile", "EditFlags", 0x10000);
    PutString(".htm", "", "htmlfile");
    PutString("htmlfile", "", "HTML Document");
    PutDword("htmlfile", "EditFlags", 0x8);
}

void ClickBox(TCheckBox& box) {
    SendMessageA(box.Handle(), BM_CLICK, 0, 0);
}

} // namespace

TEST_F(MainWindowTest, ToolWindowsKeepThePlaceTheUserClosedThemAt) {
    PutClasses();
    QuietGate();
    TMainForm& form = Open();
    ClickTab(1);
    ClickItem("txtfile");
    const TRegistrySnapshot before = TakeRegistrySnapshot();

    struct Window {
        TCheckBox& box;
        std::function<TClassToolForm*()> open;
        const char* section;
        bool sizeable;
        std::function<HWND(TClassToolForm&)> focusable; // where Escape is pressed
    } windows[] = {
        {form.ClassView.cbShowActions, [&] { return static_cast<TClassToolForm*>(form.ActionForm); },
         "ActionForm", true,
         [](TClassToolForm& w) { return static_cast<TActionForm&>(w).TreeNTActions.Handle(); }},
        {form.ClassView.cbAdvOption, [&] { return static_cast<TClassToolForm*>(form.AdvOptionForm); },
         "AdvOptionForm", false,
         [](TClassToolForm& w) { return static_cast<TAdvOptionForm&>(w).CheckBox(2).Handle(); }},
    };
    for (Window& w : windows) {
        // First opening: centred; unticking the box stores nothing.
        ClickBox(w.box);
        ASSERT_TRUE(w.open());
        const TBounds design = w.open()->Bounds();
        EXPECT_EQ(design, CentredBounds(design.width, design.height)) << w.section;
        w.open()->SetBounds({40, 50, design.width, design.height});
        ClickBox(w.box);
        Pump();
        EXPECT_EQ(w.open(), nullptr);
        EXPECT_EQ(Get(w.section, "Top"), "<none>") << w.section;

        // The close box stores the place, refuses the close itself and
        // unticks the box, which releases the window afterwards.
        ClickBox(w.box);
        ASSERT_TRUE(w.open());
        const TBounds moved = {60, 70, design.width + (w.sizeable ? 40 : 0),
                               design.height + (w.sizeable ? 30 : 0)};
        w.open()->SetBounds(moved);
        const HWND closing = w.open()->Handle();
        SendMessageA(closing, WM_CLOSE, 0, 0);
        EXPECT_FALSE(w.box.Checked());
        EXPECT_EQ(w.open(), nullptr);
        EXPECT_TRUE(IsWindow(closing)); // not yet: its close handling just returned
        Pump();
        EXPECT_FALSE(IsWindow(closing));
        EXPECT_EQ(Get(w.section, "Top"), "70") << w.section;
        EXPECT_EQ(Get(w.section, "Left"), "60") << w.section;
        EXPECT_EQ(Get(w.section, "Height"),
                  w.sizeable ? std::to_string(moved.height) : std::string("<none>"));
        EXPECT_EQ(Get(w.section, "Width"),
                  w.sizeable ? std::to_string(moved.width) : std::string("<none>"));

        // The next opening restores it; Escape closes as the close box does.
        ClickBox(w.box);
        ASSERT_TRUE(w.open());
        EXPECT_EQ(w.open()->Bounds(), moved) << w.section;
        EXPECT_EQ(w.open()->FileClassName, "txtfile");
        w.open()->SetBounds({80, 90, moved.width, moved.height});
        PressKey(w.focusable(*w.open()), VK_ESCAPE);
        EXPECT_FALSE(w.box.Checked()) << w.section;
        Pump();
        EXPECT_EQ(w.open(), nullptr);
        EXPECT_EQ(Get(w.section, "Top"), "90") << w.section;
    }
    EXPECT_EQ(TakeRegistrySnapshot(), before);
}

TEST_F(MainWindowTest, TheMainWindowsShortcutsWorkFromAToolWindow) {
    PutClasses();
    QuietGate();
    TMainForm& form = Open();
    ClickTab(1);
    ClickItem("txtfile");
    ClickBox(form.ClassView.cbAdvOption);
    ClickBox(form.ClassView.cbShowActions);
    ASSERT_TRUE(form.AdvOptionForm && form.ActionForm);
    EXPECT_TRUE(form.AdvOptionForm->CheckBox(16).Checked());

    // F1: the action window's own help (the help file's contents).
    PressKey(form.ActionForm->TreeNTActions.Handle(), VK_F1);
    EXPECT_EQ(dialogs_.HelpCalls(), (std::vector<std::pair<UINT, ULONG_PTR>>{{15, 0}}));

    // F5: the rescan; the list is built again and the windows follow the
    // class shown, now with its new flags.
    PutDword("txtfile", "EditFlags", 0x8);
    PutString(".log", "", "txtfile");
    PressKey(form.AdvOptionForm->CheckBox(2).Handle(), VK_F5);
    EXPECT_EQ(form.StatusBar.PanelText(0), "3/2");
    EXPECT_TRUE(form.AdvOptionForm->CheckBox(4).Checked());
    EXPECT_FALSE(form.AdvOptionForm->CheckBox(16).Checked());

    // A key without a shortcut does nothing in the main window.
    PressKey(form.ActionForm->TreeNTActions.Handle(), 'Q');
    EXPECT_EQ(Get("MainForm", "Tab"), "<none>");
    // Ctrl+Q: the main window closes and saves its state.
    PressKey(form.ActionForm->TreeNTActions.Handle(), 'Q', true);
    EXPECT_EQ(Get("MainForm", "Tab"), "1");
}
