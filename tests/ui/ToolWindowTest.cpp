// The class view's tool windows: the toolkit's close actions and deferred
// release they rest on, the two windows themselves, and the check boxes of
// the class panel that open and close them.
#include "ToolWindowSupport.h"
#include "dialogs/ActionUnit.h"
#include "dialogs/AdvOptionUnit.h"

namespace {

// A form that tells when it is destroyed.
class TWatchedForm : public TForm {
public:
    explicit TWatchedForm(bool* destroyed)
        : TForm({"Watched", "Watched", 200, 100, TBorderStyle::ToolWindow}), destroyed_(destroyed) {
    }
    ~TWatchedForm() override { *destroyed_ = true; }

private:
    bool* destroyed_;
};

bool Visible(const TForm& form) {
    return IsWindowVisible(form.Handle()) != FALSE;
}

void ClickBox(TCheckBox& box) {
    SendMessageA(box.Handle(), BM_CLICK, 0, 0);
}

} // namespace

TEST(CloseActions, RefuseHideOrFreeAfterTheCloseHandlingHasReturned) {
    struct Case {
        TCloseAction action;
        bool owned;
        bool visibleAfterClose;
        bool destroyedAfterPump;
    } cases[] = {
        {TCloseAction::None, true, true, false},
        {TCloseAction::Hide, true, false, false},
        {TCloseAction::Free, true, false, true},
        {TCloseAction::Free, false, false, false}, // not the application's: only hidden
    };
    for (const Case& c : cases) {
        bool destroyed = false;
        std::unique_ptr<TWatchedForm> own;
        TWatchedForm* form = nullptr;
        if (c.owned) {
            form = &Application.CreateForm<TWatchedForm>(&destroyed);
        } else {
            own = std::make_unique<TWatchedForm>(&destroyed);
            form = own.get();
        }
        form->Show();
        bool aliveInHandler = false;
        form->onClose = [&] {
            form->SetCloseAction(c.action);
            if (c.action == TCloseAction::Free)
                Application.Release(*form); // asked from inside: nothing goes yet
            aliveInHandler = !destroyed && IsWindow(form->Handle());
        };
        const HWND hwnd = form->Handle();
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        const int line = static_cast<int>(c.action) * 10 + c.owned;
        EXPECT_TRUE(aliveInHandler) << line;
        EXPECT_FALSE(destroyed) << line;
        EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, c.visibleAfterClose) << line;
        Pump();
        EXPECT_EQ(destroyed, c.destroyedAfterPump) << line;
        EXPECT_EQ(IsWindow(hwnd) != FALSE, !c.destroyedAfterPump) << line;
        if (!destroyed)
            Application.FreeForm(form);
    }
}

TEST(CloseActions, AModalFormThatRefusesStaysInItsLoop) {
    TForm modal({"Modal", "Modal", 200, 100, TBorderStyle::Dialog});
    int closes = 0;
    modal.onClose = [&] {
        if (++closes == 1)
            modal.SetCloseAction(TCloseAction::None);
    };
    TDialogHandler* saved = Application.SetDialogHandler(nullptr);
    // Two close requests wait in the queue: the first is refused, the second ends the loop.
    PostMessageA(modal.Handle(), WM_CLOSE, 0, 0);
    PostMessageA(modal.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(modal.ShowModal(), mrCancel);
    Application.SetDialogHandler(saved);
    EXPECT_EQ(closes, 2);
}

TEST_F(ToolWindowTest, ActionAndFlagsWindowsShowTheClassInTheirCaption) {
    PutString("txtfile", "", "Text Document");
    TActionForm actions(Commands(), folder_.File("settings.ini"));
    TAdvOptionForm flags(Commands(), folder_.File("settings.ini"));

    // The action window: sizeable tool window, 285 x 300.
    EXPECT_EQ(actions.Width(), 285);
    EXPECT_EQ(actions.Height(), 300);
    EXPECT_TRUE(GetWindowLongA(actions.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongA(actions.Handle(), GWL_STYLE) & WS_THICKFRAME);
    // The flags window: fixed tool window, client area 386 x 317.
    EXPECT_EQ(flags.ClientWidth(), 386);
    EXPECT_EQ(flags.ClientHeight(), 317);
    EXPECT_TRUE(GetWindowLongA(flags.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongA(flags.Handle(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(flags.btnOK.Bounds(), (TBounds{304, 7, 75, 21}));
    EXPECT_EQ(flags.Panel2.Height(), 36);
    // OK keeps 7 pixels to the right edge of its row.
    EXPECT_EQ(actions.btnOK.Left(), actions.Panel2.Width() - 75 - 7);
    EXPECT_EQ(actions.btnHelp.Bounds(), (TBounds{8, 7, 75, 21}));

    struct Case {
        const char* name;
        const char* actionCaption;
        bool actionPanel;
        const char* flagsCaption;
        bool flagsBox;
    } cases[] = {
        {"txtfile", "txtfile", true, "txtfile", true},
        {"", "no fileclass selected", false, "no fileclass selected", false},
        {"ghostclass", "ghostclass is not registered to the system.", false, "ghostclass", true},
    };
    for (const Case& c : cases) {
        actions.SetFileClass(c.name);
        flags.SetFileClass(c.name);
        EXPECT_EQ(actions.FileClassName, c.name);
        EXPECT_EQ(actions.Text(), c.actionCaption);
        EXPECT_EQ(actions.Panel1.Visible(), c.actionPanel) << c.name;
        EXPECT_EQ(flags.FileClassName, c.name);
        EXPECT_EQ(flags.Text(), c.flagsCaption);
        EXPECT_EQ(flags.gbExtOptions.Visible(), c.flagsBox) << c.name;
    }

    // OK without a verb asks for one; a class without a key takes no flags.
    // The flags window's Help opens topic 60.
    dialogs_.Expect(TDialogKind::Plain, mrOk);
    dialogs_.Expect(TDialogKind::Error, mrOk);
    SendMessageA(actions.btnOK.Handle(), BM_CLICK, 0, 0);
    SendMessageA(flags.btnOK.Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(dialogs_.Asked().size(), 2u);
    EXPECT_EQ(dialogs_.Asked()[0].text, "Please select an action first.");
    EXPECT_EQ(dialogs_.Asked()[1].text, "ghostclass is not registered to the system.");
    SendMessageA(flags.btnHelp.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialogs_.HelpCalls(), (std::vector<std::pair<UINT, ULONG_PTR>>{{HELP_CONTEXT, 60}}));

    // The close box neither hides nor frees the window; it tells its user.
    flags.ShowFileClass("txtfile");
    int told = 0;
    flags.onUserClose = [&] { ++told; };
    SendMessageA(flags.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(Visible(flags));
}

TEST_F(MainWindowTest, TheBoxesOpenOneToolWindowEachThatFollowsTheClassShown) {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString(".htm", "", "htmlfile");
    PutString("htmlfile", "", "HTML Document");
    PutString(".gho", "", "ghostclass");
    PutKey(".zzz");
    QuietGate();
    TMainForm& form = Open();
    ClickTab(1);

    struct Box {
        TCheckBox& box;
        std::function<TClassToolForm*()> window;
    } boxes[] = {
        {form.ClassView.cbShowActions, [&] { return static_cast<TClassToolForm*>(form.ActionForm); }},
        {form.ClassView.cbAdvOption, [&] { return static_cast<TClassToolForm*>(form.AdvOptionForm); }},
    };
    for (Box& b : boxes) {
        ClickItem("txtfile");
        // Ticked: one window, shown, on the selected class.
        ClickBox(b.box);
        ASSERT_TRUE(b.window()) << b.box.Text();
        TClassToolForm* window = b.window();
        EXPECT_TRUE(Visible(*window));
        EXPECT_EQ(window->FileClassName, "txtfile");
        EXPECT_TRUE(Application.Owns(*window));
        ClickItem("htmlfile");
        EXPECT_EQ(window->FileClassName, "htmlfile");
        ClickItem(""); // the short-info panel shows; the window follows all the same
        EXPECT_EQ(window->Text(), "no fileclass selected");
        ClickItem("ghostclass");
        EXPECT_EQ(window->FileClassName, "ghostclass");
        // Switching to the extension view leaves it on the last class.
        ClickTab(0);
        EXPECT_EQ(window->FileClassName, "ghostclass");
        ClickTab(1);

        // Unticked: hidden at once, destroyed once the click is handled.
        const HWND hwnd = window->Handle();
        ClickBox(b.box);
        EXPECT_EQ(b.window(), nullptr);
        EXPECT_FALSE(IsWindowVisible(hwnd));
        Pump();
        EXPECT_FALSE(IsWindow(hwnd));

        // The window's own close unticks the box; the window is destroyed
        // only after its close handling has returned.
        ClickBox(b.box);
        ASSERT_TRUE(b.window());
        const HWND again = b.window()->Handle();
        SendMessageA(again, WM_CLOSE, 0, 0);
        EXPECT_FALSE(b.box.Checked());
        EXPECT_EQ(b.window(), nullptr);
        EXPECT_TRUE(IsWindow(again));
        Pump();
        EXPECT_FALSE(IsWindow(again));
    }

    // Both open at once, and both go with the main window.
    ClickBox(form.ClassView.cbShowActions);
    ClickBox(form.ClassView.cbAdvOption);
    const HWND actions = form.ActionForm->Handle(), flags = form.AdvOptionForm->Handle();
    EXPECT_NE(actions, flags);
    CloseAndDestroy();
    EXPECT_FALSE(IsWindow(actions));
    EXPECT_FALSE(IsWindow(flags));
}
