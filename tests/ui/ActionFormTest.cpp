// The action window: loading a class (tree, bold default verb, caption),
// showing a verb, the layout, its buttons and its bounds in the settings file.
#include "ToolWindowSupport.h"
#include "dialogs/ActionUnit.h"

namespace {

// The tree's nodes, a bold one marked with a leading "*".
std::vector<std::string> Nodes(TActionForm& form) {
    std::vector<std::string> nodes;
    for (int i = 0; i < form.TreeNTActions.Count(); ++i)
        nodes.push_back(((form.TreeNTActions.NodeStyle(i) & fsBold) ? "*" : "") +
                        form.TreeNTActions.NodeText(i));
    return nodes;
}

// The five fields: command, DDE message, application, topic, ifexec.
std::vector<std::string> Fields(TActionForm& form) {
    return {form.edtCommand.Text(), form.edtDDECommand.Text(), form.edtDDEApp.Text(),
            form.edtDDETopic.Text(), form.edtDDEIfExec.Text()};
}

void FillFields(TActionForm& form, const std::string& text) {
    for (TEdit* e :
         {static_cast<TEdit*>(&form.edtCommand), static_cast<TEdit*>(&form.edtDDECommand),
          &form.edtDDEApp, &form.edtDDETopic, &form.edtDDEIfExec})
        e->SetText(text);
}

void PutVerbs(const std::string& cls, std::initializer_list<const char*> verbs) {
    for (const char* verb : verbs)
        PutString(cls + "\\shell\\" + verb + "\\command", "", std::string(verb) + ".exe \"%1\"");
}

} // namespace

TEST_F(ToolWindowTest, ActionWindowListsTheVerbsWithTheDefaultInBold) {
    PutString("noshell", "", "No shell");
    PutKey("emptyshell\\shell");
    PutString("defaultonly\\shell", "", "print");
    PutString("named\\shell", "", "print");
    PutVerbs("named", {"open", "print"});
    PutString("nomatch\\shell", "", "preview");
    PutVerbs("nomatch", {"open", "print"});
    PutString("upper\\shell", "", "PRINT");
    PutVerbs("upper", {"open", "Print"});
    PutVerbs("openfound", {"Edit", "Open", "Print"});
    PutVerbs("first", {"edit", "preview"});
    PutString("umlaut\\shell", "", "Ändern");
    PutVerbs("umlaut", {"ändern", "open"});
    PutString(".txt", "", "ghost"); // used by an extension, no key of its own
    const TRegistrySnapshot before = TakeRegistrySnapshot();

    const std::vector<std::string> filled(5, "kept");
    const std::vector<std::string> empty(5, "");
    struct Case {
        const char* name;
        const char* caption;
        bool panelShown;
        std::vector<std::string> nodes;
        std::vector<std::string> fields;
    } cases[] = {
        {"", "no fileclass selected", false, {}, filled},
        {"ghost", "ghost is not registered to the system.", false, {}, filled},
        {"a\\b", "a\\b is not registered to the system.", false, {}, filled},
        {"noshell", "noshell", true, {}, empty},
        {"emptyshell", "emptyshell", true, {}, empty},
        {"defaultonly", "defaultonly", true, {}, filled},
        {"named", "named", true, {"open", "*print"}, filled},
        {"nomatch", "nomatch", true, {"open", "print"}, filled},
        {"upper", "upper", true, {"open", "*Print"}, filled},
        {"openfound", "openfound", true, {"Edit", "*Open", "Print"}, filled},
        {"first", "first", true, {"*edit", "preview"}, filled},
        {"umlaut", "umlaut", true, {"open", "*ändern"}, filled},
    };
    TActionForm form(Commands(), SettingsPath());
    for (const Case& c : cases) {
        FillFields(form, "kept");
        form.SetFileClass(c.name);
        EXPECT_EQ(form.Text(), c.caption) << c.name;
        EXPECT_EQ(form.FileClassName, c.name);
        EXPECT_EQ(form.Panel1.Visible(), c.panelShown) << c.name;
        EXPECT_TRUE(form.Panel2.Visible());
        EXPECT_EQ(Nodes(form), c.nodes) << c.name;
        EXPECT_EQ(form.Actions.Items().size(), c.nodes.size()) << c.name;
        EXPECT_EQ(form.TreeNTActions.Selected(), -1) << c.name; // loading selects nothing
        EXPECT_EQ(Fields(form), c.fields) << c.name;
    }
    EXPECT_EQ(TakeRegistrySnapshot(), before);
}

TEST_F(ToolWindowTest, SelectingAVerbShowsItsCommandAndDdeSettings) {
    PutString("cls\\shell\\open\\command", "", "viewer.exe \"%1\"");
    PutString("cls\\shell\\open\\ddeexec", "", "[open(\"%1\")]");
    PutString("cls\\shell\\open\\ddeexec\\application", "", "Viewer");
    PutString("cls\\shell\\open\\ddeexec\\topic", "", "System");
    PutString("cls\\shell\\open\\ddeexec\\ifexec", "", "[]");
    PutString("cls\\shell\\print\\command", "", "viewer.exe /p \"%1\"");
    PutString("cls\\shell\\print\\ddeexec", "", "[print(\"%1\")]");
    PutString("cls\\shell\\print\\ddeexec\\application", "", "Viewer");
    PutKey("cls\\shell\\preview"); // neither command nor ddeexec
    PutRaw("bad\\shell\\open\\command", "", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    const TRegistrySnapshot before = TakeRegistrySnapshot();

    TActionForm form(Commands(), SettingsPath());
    form.ShowFileClass("cls");
    ASSERT_EQ(Nodes(form), (std::vector<std::string>{"*open", "preview", "print"}));
    struct Step {
        int node;
        std::vector<std::string> fields;
    } steps[] = {
        {0, {"viewer.exe \"%1\"", "[open(\"%1\")]", "Viewer", "System", "[]"}},
        {2, {"viewer.exe /p \"%1\"", "[print(\"%1\")]", "Viewer", "", ""}},
        {1, {"", "", "", "", ""}},
    };
    for (const Step& s : steps) {
        form.TreeNTActions.SetSelected(s.node);
        EXPECT_EQ(Fields(form), s.fields) << s.node;
    }
    // A change to no selection leaves the fields.
    form.TreeNTActions.SetSelected(0);
    form.TreeNTActions.SetSelected(-1);
    EXPECT_EQ(Fields(form)[0], "viewer.exe \"%1\"");

    // A command that holds no text: the error box, and the fields set before stay.
    form.SetFileClass("bad");
    dialogs_.Expect(TDialogKind::Error, mrOk);
    form.TreeNTActions.SetSelected(0); // reported by the tree's notification handling
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].kind, TDialogKind::Error);
    EXPECT_EQ(TakeRegistrySnapshot(), before);
}

TEST_F(ToolWindowTest, WhileChangesAreNotAllowedTheFieldsAreReadOnlyAndEachEditingControlSaysSo) {
    PutVerbs("cls", {"open", "print"});
    const TRegistrySnapshot before = TakeRegistrySnapshot();
    Commands().SetAllowChanges(false);
    TActionForm form(Commands(), SettingsPath());
    form.ShowFileClass("cls");
    form.TreeNTActions.SetSelected(1);
    for (TEdit* e : {static_cast<TEdit*>(&form.edtCommand), static_cast<TEdit*>(&form.edtDDECommand),
                     &form.edtDDEApp, &form.edtDDETopic, &form.edtDDEIfExec})
        EXPECT_TRUE(e->ReadOnly());
    for (TSpeedButton* b : {&form.edtCommand.Button, &form.edtDDECommand.Button}) {
        dialogs_.Expect(TDialogKind::Plain, mrOk);
        b->Click();
    }
    for (TButton* b : {&form.btnOK, &form.btnNew, &form.btnDel, &form.btnDefault}) {
        dialogs_.Expect(TDialogKind::Plain, mrOk);
        b->Click();
    }
    dialogs_.Expect(TDialogKind::Plain, mrOk);
    SendMessageA(form.Handle(), WM_COMMAND, IDOK, 0); // Enter
    ASSERT_EQ(dialogs_.Asked().size(), 7u);
    for (const TAsked& asked : dialogs_.Asked())
        EXPECT_EQ(asked.text, kChangesRefused);
    // Help opens the help file's contents: no topic of its own.
    form.btnHelp.Click();
    ASSERT_EQ(dialogs_.HelpCalls().size(), 1u);
    EXPECT_EQ(dialogs_.HelpCalls()[0], (std::pair<UINT, ULONG_PTR>{15, 0}));
    EXPECT_EQ(form.ToolTips.TipOf(form.btnOK), "Confirm your changes");
    EXPECT_EQ(form.ToolTips.TipOf(form.btnHelp), "Do you need Help?");
    form.Close();
    EXPECT_EQ(TakeRegistrySnapshot(), before);
}

TEST_F(ToolWindowTest, ActionWindowKeepsItsSevenPixelGapsAtEverySize) {
    PutVerbs("cls", {"open"});
    TActionForm form(Commands(), SettingsPath());
    form.ShowFileClass("cls");
    EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_STYLE) & WS_THICKFRAME);
    for (TBounds size :
         {TBounds{100, 100, 285, 300}, TBounds{50, 40, 520, 460}, TBounds{100, 100, 240, 260}}) {
        form.SetBounds(size);
        const int w = form.ClientWidth(), h = form.ClientHeight();
        EXPECT_EQ(form.Panel2.Bounds(), (TBounds{0, h - 36, w, 36}));
        EXPECT_EQ(form.Panel1.Bounds(), (TBounds{0, 0, w, h - 36}));
        EXPECT_EQ(form.gbDDE.Bounds(), (TBounds{0, h - 36 - 121, w, 121}));
        EXPECT_EQ(form.pCommand.Bounds(), (TBounds{0, h - 36 - 121 - 30, w, 30}));
        EXPECT_EQ(form.TreeNTActions.Bounds(), (TBounds{0, 0, w - 75 - 14, h - 36 - 151}));
        for (TButton* b : {&form.btnNew, &form.btnDel, &form.btnDefault})
            EXPECT_EQ(b->Left(), form.TreeNTActions.Bounds().Right() + 7) << size.width;
        EXPECT_EQ(form.btnNew.Top(), 8);
        EXPECT_EQ(form.btnDel.Top(), 32);
        EXPECT_EQ(form.btnDefault.Top(), 64);
        EXPECT_EQ(form.edtCommand.Bounds(), (TBounds{80, 5, w - 80 - 7, 21})) << size.width;
        int top = 16;
        for (TEdit* e : {static_cast<TEdit*>(&form.edtDDECommand), &form.edtDDEApp,
                         &form.edtDDETopic, &form.edtDDEIfExec}) {
            EXPECT_EQ(e->Bounds(), (TBounds{80, top, w - 80 - 7, 21})) << size.width;
            top += 24;
        }
        EXPECT_EQ(form.btnOK.Bounds(), (TBounds{w - 75 - 7, 7, 75, 21}));
        EXPECT_EQ(form.btnHelp.Bounds(), (TBounds{8, 7, 75, 21}));
    }
    // The labels at their places.
    EXPECT_EQ(form.laCommand.Left(), 10);
    EXPECT_EQ(form.laCommand.Top(), 9);
    int top = 20;
    for (TLabel* l : {&form.laDDECommand, &form.laDDEApp, &form.laDDETopic, &form.laDDEIfExec}) {
        EXPECT_EQ(l->Bounds().left, 16);
        EXPECT_EQ(l->Bounds().top, top);
        top += 24;
    }
    // Tab order: tree, the three buttons, the command, the DDE fields, OK, Help.
    std::vector<HWND> order;
    for (HWND h = GetNextDlgTabItem(form.Handle(), form.TreeNTActions.Handle(), FALSE);
         h && h != form.TreeNTActions.Handle(); h = GetNextDlgTabItem(form.Handle(), h, FALSE))
        order.push_back(h);
    EXPECT_EQ(order, (std::vector<HWND>{form.btnNew.Handle(), form.btnDel.Handle(),
                                        form.btnDefault.Handle(), form.edtCommand.Handle(),
                                        form.edtDDECommand.Handle(), form.edtDDEApp.Handle(),
                                        form.edtDDETopic.Handle(), form.edtDDEIfExec.Handle(),
                                        form.btnOK.Handle(), form.btnHelp.Handle()}));
}

TEST_F(ToolWindowTest, ActionWindowOpensCentredAndWithTheBoundsItWasClosedWith) {
    {
        TActionForm form(Commands(), SettingsPath());
        form.ShowFileClass("");
        EXPECT_EQ(form.Bounds(), CentredBounds(285, 300));
        form.SetBounds({30, 50, 400, 350});
        form.Close();
    }
    EXPECT_EQ(Get("ActionForm", "Top"), "50");
    EXPECT_EQ(Get("ActionForm", "Left"), "30");
    EXPECT_EQ(Get("ActionForm", "Height"), "350");
    EXPECT_EQ(Get("ActionForm", "Width"), "400");
    {
        TActionForm form(Commands(), SettingsPath());
        form.ShowFileClass("");
        EXPECT_EQ(form.Bounds(), (TBounds{30, 50, 400, 350}));
    }
    // Top and Left default to the centre for the size before the stored one
    // is applied; stored bounds from a minimized window or a larger screen
    // come back onto this one.
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    struct Stored {
        std::vector<std::pair<const char*, int>> keys;
        TBounds expected;
    } stored[] = {
        {{{"Height", 200}, {"Width", 500}}, {(screenW - 285) / 2, (screenH - 300) / 2, 500, 200}},
        {{{"Top", -32000}, {"Left", -32000}, {"Height", 300}, {"Width", 285}}, {0, 0, 285, 300}},
        // (A window as large as the whole screen is left out: Wine's X11 driver
        // fails on destroying such a tool window.)
        {{{"Top", 10}, {"Left", 20}, {"Height", screenH + 400}, {"Width", 300}},
         {20, 0, 300, screenH}},
        {{{"Top", 10}, {"Left", screenW - 100}, {"Height", 300}, {"Width", screenW + 50}},
         {0, 10, screenW, 300}},
    };
    for (const Stored& s : stored) {
        DeleteFileA(SettingsPath().c_str());
        for (const auto& key : s.keys)
            Set("ActionForm", key.first, key.second);
        TActionForm form(Commands(), SettingsPath());
        form.ShowFileClass("");
        EXPECT_EQ(form.Bounds(), s.expected) << s.keys.front().first;
    }
}
