// The extension and class panels of the main window: their controls as
// designed, their layout on the real window, what they show, the icon
// change, and the keyboard.
#include "RegistrySnapshot.h"
#include "UiTestSupport.h"
#include "support/ZQWinDialogs.h"

namespace {

struct TRow {
    const TWindow* control;
    const char* name;
    const char* caption;
    const char* hint;
    TBounds design; // width 0: sized to its text; height 0: not compared
};

// The controls of a panel that take the focus, in their tab order.
std::vector<std::string> TabStops(const TWindow& panel) {
    std::vector<std::string> names;
    for (HWND h = GetWindow(panel.Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(h, GWL_STYLE);
        const bool group = GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT;
        if ((style & WS_TABSTOP) || group)
            names.push_back(TWindow::FromHandle(h)->Name());
    }
    return names;
}

// Gives the main window's panels the outer width `width`.
void SetPanelWidth(TMainForm& form, const TWindow& panel, int width) {
    form.SetWidth(form.Width() + width - panel.Width());
    ASSERT_EQ(panel.Width(), width);
}

void Select(TListBox& list, const std::string& text) {
    list.SetItemIndex(list.Items().IndexOf(text));
}

// The picker the change-icon dialog calls in the tests.
struct TPick {
    int calls = 0;
    int result = 1;
    std::string file;
    int index = 0;
} pick;

int WINAPI PickIcon(HWND, LPWSTR file, UINT capacity, int* index) {
    ++pick.calls;
    if (pick.result == 1) {
        MultiByteToWideChar(CP_ACP, 0, pick.file.c_str(), -1, file, capacity);
        *index = pick.index;
    }
    return pick.result;
}

} // namespace

TEST_F(MainWindowTest, BothPanelsHoldTheirControlsAsDesigned) {
    PutString(".txt", "", "txtfile");
    QuietGate();
    TMainForm& f = Open();
    const TRow rows[] = {
        {&f.ExtView.laFileClass, "laFileClass", "Fileclass:", "", {8, 12, 0, 0}},
        {&f.ExtView.bExt1, "bExt1", "", "", {8, 64, 0, 2}},
        {&f.ExtView.laContentType, "laContentType", "Content Type:", "", {8, 76, 0, 0}},
        {&f.ExtView.bExt2, "bExt2", "", "", {8, 104, 0, 2}},
        {&f.ExtView.laNew_Menu,
         "laNew_Menu",
         "No item in the 'New'-menu for this extension.",
         "",
         {8, 116, 0, 0}},
        {&f.ExtView.btnNew_Menu, "btnNew_Menu", "Add item to 'New'-menu", "", {8, 136, 169, 21}},
        {&f.ExtView.btnExtAssoc,
         "btnExtAssoc",
         "Associate",
         "Associate the selected extension to this fileclass",
         {0, 34, 65, 21}},
        {&f.ExtView.btnExtDissoc,
         "btnExtDissoc",
         "Dissociate",
         "Dissociate the selected extension from this fileclass",
         {0, 34, 65, 21}},
        {&f.ExtView.btnViewClass, "btnViewClass", "View this fileclass", "", {0, 34, 97, 21}},
        {&f.ClassView.laClassType, "laClassType", "Filetype:", "", {8, 12, 0, 0}},
        {&f.ClassView.Bevel1, "Bevel1", "", "", {8, 36, 42, 42}},
        {&f.ClassView.imgIcon, "imgIcon", "", "Current icon, Click to change", {13, 41, 32, 32}},
        {&f.ClassView.rgExtVisibility, "rgExtVisibility", " Extension ", "", {8, 88, 0, 81}},
        {&f.ClassView.cbAdvOption, "cbAdvOption", "Advanced Options", "", {8, 176, 169, 17}},
        {&f.ClassView.cbShowActions, "cbShowActions", "Show Actions", "", {8, 192, 97, 17}},
        {&f.ClassView.laLinkedExtCount, "laLinkedExtCount", "", "", {8, 216, 0, 0}},
        {&f.laHint, "laHint", "", "", {96, 12, 0, 0}},
        {&f.ClassView.lbAssocExt, "lbAssocExt", "", "", {8, 232, 0, 69}},
        {&f.ClassView.btnClassAssoc,
         "btnClassAssoc",
         "Add new Extension ...",
         "Add new extension to the selected fileclass",
         {0, 232, 113, 21}},
        {&f.ClassView.btnClassDissoc,
         "btnClassDissoc",
         "Dissociate",
         "Dissociate the selected extension from the fileclass",
         {0, 256, 113, 21}},
        {&f.ClassView.btnViewExt, "btnViewExt", "View this extension", "", {0, 280, 113, 21}},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.control->Name(), r.name);
        EXPECT_EQ(r.control->Text(), r.caption);
        EXPECT_EQ(r.control->Hint(), r.hint);
        const TBounds b = r.control->Bounds();
        if (r.design.left) {
            EXPECT_EQ(b.left, r.design.left);
        }
        EXPECT_EQ(b.top, r.design.top);
        if (r.design.width) {
            EXPECT_EQ(b.width, r.design.width);
        }
        if (r.design.height) {
            EXPECT_EQ(b.height, r.design.height);
        }
    }
    // A control's hint reaches the status bar while the pointer is over it.
    RECT r;
    GetWindowRect(f.ExtView.btnExtDissoc.Handle(), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(f.ExtView.btnExtDissoc.Handle(), WM_MOUSEMOVE, 0, 0);
    Application.ProcessMessages();
    EXPECT_EQ(f.StatusBar.PanelText(1), "Dissociate the selected extension from this fileclass");

    EXPECT_EQ(f.ClassView.rgExtVisibility.Items(),
              (std::vector<std::string>{"always show", "like default setting", "never show"}));
    EXPECT_TRUE(f.ClassView.edtIconFileName.ReadOnly());
    EXPECT_EQ(f.ClassView.pmIcon.ItemByName("ItemIconChange")->Caption(), "Change Icon");
    EXPECT_EQ(f.ClassView.pmIcon.ItemByName("ItemIconShell")->Caption(), "Shell");
    EXPECT_EQ(TabStops(f.ExtView.ExtPanel),
              (std::vector<std::string>{"cbClasses", "btnExtAssoc", "btnExtDissoc", "btnViewClass",
                                        "edtContentType", "btnNew_Menu",
                                        "btnOpensWith"}));
    EXPECT_EQ(TabStops(f.ClassView.ClassPanel),
              (std::vector<std::string>{"edtClass_Type", "rgExtVisibility", "cbAdvOption",
                                        "lbAssocExt", "btnClassAssoc", "btnClassDissoc",
                                        "btnViewExt", "edtIconFileName", "cbShowActions"}));
    // The window's chain: tabs, list, the panel's controls, then Help.
    EXPECT_EQ(TabStops(f.MainPanel), (std::vector<std::string>{"ExtPanel", "ClassPanel",
                                                               "ShortInfoPanel", "BottomPanel"}));
}

TEST(PanelLayout, TheWorkedNumbers) {
    struct Case {
        int width;
        int combo, assoc, dissoc, view;
    } cases[] = {{400, 309, 162, 227, 292},
                 {245, 154, 8, 73, 138},
                 {246, 155, 8, 73, 138},
                 {247, 156, 9, 74, 139}};
    for (const Case& c : cases) {
        TExtPanelLayout l;
        l.panelWidth = c.width;
        l.laFileClass = {8, 12, 52, 13};
        l.cbClasses = {80, 8, 193, 21};
        l.btnExtAssoc = {48, 34, 65, 21};
        l.btnExtDissoc = {112, 34, 65, 21};
        l.btnViewClass = {177, 34, 97, 21};
        l.bExt1 = l.bExt2 = {8, 64, 265, 2};
        l.edtContentType = {80, 72, 193, 21};
        const TExtPanelLayout p = ArrangeExtPanel(l);
        EXPECT_EQ(p.cbClasses.width, c.combo) << c.width;
        EXPECT_EQ(p.edtContentType.width, c.combo) << c.width;
        EXPECT_EQ(p.bExt1.width, c.width - 19) << c.width;
        EXPECT_EQ(p.bExt2.width, c.width - 19) << c.width;
        EXPECT_EQ(p.btnExtAssoc.left, c.assoc) << c.width;
        EXPECT_EQ(p.btnExtDissoc.left, c.dissoc) << c.width;
        EXPECT_EQ(p.btnViewClass.left, c.view) << c.width;
    }
    TClassPanelLayout l;
    l.panelWidth = 400;
    l.edtClass_Type = {80, 8, 161, 21};
    l.edtIconFileName = {80, 47, 161, 21};
    l.rgExtVisibility = {8, 88, 169, 81};
    l.lbAssocExt = {8, 232, 105, 69};
    l.btnClassAssoc = {120, 232, 113, 21};
    l.btnClassDissoc = {120, 256, 113, 21};
    l.btnViewExt = {120, 280, 113, 21};
    const TClassPanelLayout p = ArrangeClassPanel(l);
    EXPECT_EQ(p.edtClass_Type.width, 309);
    EXPECT_EQ(p.edtIconFileName.width, 309);
    EXPECT_EQ(p.rgExtVisibility.width, 381);
    EXPECT_EQ(p.lbAssocExt.width, 263);
    EXPECT_EQ(p.btnClassAssoc.left, 276);
    EXPECT_EQ(p.btnClassDissoc.left, 276);
    EXPECT_EQ(p.btnViewExt.left, 276);
}

TEST_F(MainWindowTest, ThePanelsFollowTheirWidthOnTheRealWindow) {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    QuietGate();
    TMainForm& f = Open();
    struct Case {
        int width;
        int combo, assoc, dissoc, view;
    } cases[] = {{400, 309, 162, 227, 292},
                 {245, 154, 8, 73, 138},
                 {246, 155, 8, 73, 138},
                 {247, 156, 9, 74, 139}};
    for (const Case& c : cases) {
        SetPanelWidth(f, f.ExtView.ExtPanel, c.width);
        EXPECT_EQ(f.ExtView.cbClasses.Width(), c.combo) << c.width;
        EXPECT_EQ(f.ExtView.edtContentType.Width(), c.combo) << c.width;
        EXPECT_EQ(f.ExtView.bExt1.Width(), c.width - 19) << c.width;
        EXPECT_EQ(f.ExtView.btnExtAssoc.Left(), c.assoc) << c.width;
        EXPECT_EQ(f.ExtView.btnExtDissoc.Left(), c.dissoc) << c.width;
        EXPECT_EQ(f.ExtView.btnViewClass.Left(), c.view) << c.width;
    }
    ClickTab(1);
    ClickItem("txtfile");
    SetPanelWidth(f, f.ClassView.ClassPanel, 400);
    EXPECT_EQ(f.ClassView.edtClass_Type.Width(), 309);
    EXPECT_EQ(f.ClassView.edtIconFileName.Width(), 309);
    EXPECT_EQ(f.ClassView.rgExtVisibility.Width(), 381);
    EXPECT_EQ(f.ClassView.lbAssocExt.Width(), 263);
    EXPECT_EQ(f.ClassView.btnClassAssoc.Left(), 276);
    EXPECT_EQ(f.ClassView.btnViewExt.Left(), 276);
}

TEST_F(MainWindowTest, TheExtensionPanelShowsClassContentTypeAndNewMenu) {
    PutString(".txt", "", "txtfile");
    PutString(".txt", "Content Type", "text/plain");
    PutKey(".txt\\ShellNew");
    PutString("txtfile", "", "Text Document");
    PutString(".doc", "", "Word.Document.8");
    PutKey(".doc\\Word.Document.8\\ShellNew");
    PutString(".zzz", "Content Type", "text/zzz");
    PutString(".htm", "", "htmlfile");
    PutString(".uml", "", "äfile");
    QuietGate();
    TMainForm& f = Open();
    EXPECT_EQ(f.ExtView.cbClasses.Items().ToVector(),
              (std::vector<std::string>{"", "äfile", "htmlfile", "txtfile", "Word.Document.8"}));
    const std::string has = "This extension has an item in the 'New'-menu.";
    const std::string hasNot = "No item in the 'New'-menu for this extension.";
    struct Case {
        const char* ext;
        const char* typed; // null: as shown
        const char* combo;
        bool assoc, dissoc, view;
        const char* contentType;
        const std::string& newMenu;
        const char* newButton;
        const char* hint;
    } cases[] = {
        {".txt", nullptr, "txtfile", false, true, true, "text/plain", has,
         "Delete item from 'New'-menu", ""},
        {".doc", nullptr, "Word.Document.8", false, true, true, "", has,
         "Delete item from 'New'-menu", ""},
        {".zzz", nullptr, "", false, false, false, "text/zzz", hasNot, "Add item to 'New'-menu",
         "not associated to a fileclass"},
        {".htm", nullptr, "htmlfile", false, true, true, "", hasNot, "Add item to 'New'-menu", ""},
        // Typed: only a to z count as the same letters in another case.
        {".txt", "TXTFILE", "TXTFILE", false, true, true, "text/plain", has,
         "Delete item from 'New'-menu", ""},
        {".uml", "ÄFILE", "ÄFILE", true, false, true, "", hasNot, "Add item to 'New'-menu", ""},
        {".txt", "", "", false, false, false, "text/plain", has, "Delete item from 'New'-menu", ""},
        {".txt", "x", "x", true, false, true, "text/plain", has, "Delete item from 'New'-menu", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ext) + " " + (c.typed ? c.typed : "-"));
        ClickItem(c.ext);
        if (c.typed) {
            f.ExtView.cbClasses.SetText(c.typed);
            f.cbClassesChange();
        }
        EXPECT_EQ(f.CurrentExt, c.ext);
        EXPECT_EQ(f.ExtView.cbClasses.Text(), c.combo);
        EXPECT_EQ(f.ExtView.btnExtAssoc.Enabled(), c.assoc);
        EXPECT_EQ(f.ExtView.btnExtDissoc.Enabled(), c.dissoc);
        EXPECT_EQ(f.ExtView.btnViewClass.Enabled(), c.view);
        EXPECT_EQ(f.ExtView.edtContentType.Text(), c.contentType);
        EXPECT_EQ(f.ExtView.laNew_Menu.Text(), c.newMenu);
        EXPECT_EQ(f.ExtView.btnNew_Menu.Text(), c.newButton);
        EXPECT_EQ(f.laHint.Text(), c.hint);
    }

    // A double click on the class box jumps to its class; with no text to
    // the extensions without class.
    ClickItem(".htm");
    SendMessageA(f.ExtView.cbClasses.Handle(), WM_LBUTTONDBLCLK, 0, 0);
    f.cbClassesDblClick();
    EXPECT_EQ(f.CurrentView, 1);
    EXPECT_EQ(f.CurrentClass, "htmlfile");
    EXPECT_TRUE(f.ShortInfo.ShortInfoPanel.Visible()); // no key of its own
    ClickTab(0);
    ClickItem(".zzz");
    f.cbClassesDblClick();
    EXPECT_EQ(f.CurrentView, 1);
    EXPECT_EQ(f.ShortInfo.lShortInfo.Text(), "Number of non associated extensions: 1");
}

TEST_F(MainWindowTest, TheClassPanelShowsTheClassAndItsExtensions) {
    PutString(".txt", "", "txtfile");
    PutString(".log", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString("txtfile\\DefaultIcon", "", "shell32.dll,3");
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
    PutString("txtfile", "NeverShowExt", "");
    PutString("txtfile", "AlwaysShowExt", "");
    PutString(".bat", "", "batfile");
    PutString("batfile", "", "Batch");
    PutString("batfile", "AlwaysShowExt", "");
    PutString("batfile\\DefaultIcon", "", "%1");
    PutKey("batfile\\shell");
    PutString(".htm", "", "htmlfile");
    PutString("htmlfile", "", "HTML");
    PutKey(".zzz");
    QuietGate();
    TMainForm& f = Open();
    ClickTab(1);
    struct Case {
        const char* cls;
        const char* description;
        const char* iconText;
        bool icon;
        int visibility;
        std::vector<std::string> extensions;
        const char* hint;
    } cases[] = {
        {"txtfile", "Text Document", "shell32.dll,3", true, 2, {".txt", ".log"}, ""},
        {"batfile", "Batch", "%1", false, 0, {".bat"}, "no action registered"},
        {"htmlfile", "HTML", "", false, 1, {".htm"}, "no action registered"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cls);
        ClickItem(c.cls);
        EXPECT_TRUE(f.ClassView.ClassPanel.Visible());
        EXPECT_EQ(f.ClassView.edtClass_Type.Text(), c.description);
        EXPECT_EQ(f.ClassView.edtIconFileName.Text(), c.iconText);
        EXPECT_EQ(f.ClassView.imgIcon.Icon() != nullptr, c.icon);
        EXPECT_EQ(f.ClassView.rgExtVisibility.ItemIndex(), c.visibility);
        EXPECT_EQ(f.ClassView.lbAssocExt.Items().ToVector(), c.extensions);
        EXPECT_EQ(f.ClassView.laLinkedExtCount.Text(),
                  "Number of associated extensions: " + std::to_string(c.extensions.size()));
        EXPECT_EQ(f.laHint.Text(), c.hint);
        EXPECT_FALSE(f.ClassView.btnClassDissoc.Enabled());
        EXPECT_FALSE(f.ClassView.btnViewExt.Enabled());
        EXPECT_TRUE(f.ClassView.btnClassAssoc.Enabled());
    }
    // The hint line never keeps a stale text: an unregistered name clears it.
    ClickItem("");
    EXPECT_EQ(f.laHint.Text(), "");

    ClickItem("txtfile");
    Select(f.ClassView.lbAssocExt, ".log");
    SendMessageA(f.ClassView.ClassPanel.Handle(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(f.ClassView.lbAssocExt.Handle()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(f.ClassView.lbAssocExt.Handle()));
    EXPECT_TRUE(f.ClassView.btnClassDissoc.Enabled());
    EXPECT_TRUE(f.ClassView.btnViewExt.Enabled());
    f.lbAssocExtDblClick();
    EXPECT_EQ(f.CurrentView, 0);
    EXPECT_EQ(f.CurrentExt, ".log");
    EXPECT_EQ(f.ExtView.cbClasses.Text(), "txtfile");
}

TEST_F(MainWindowTest, TheIconChangeStoresTheChosenIconAfterTheGateAndTheQuestion) {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString("txtfile\\DefaultIcon", "", "shell32.dll,3");
    const TPickIconEntries saved = SetPickIconEntries({nullptr, PickIcon});
    QuietGate();
    TMainForm& f = Open();
    ClickTab(1);
    ClickItem("txtfile");
    const std::string question = "Are you sure to change the icon of 'txtfile' to "
                                 "'\"C:\\windows\\system32\\shell32.dll\",4'?";
    struct Case {
        const char* name;
        bool allow;
        int picked;         // the picker's answer
        std::string stored; // DefaultIcon before
        TDialogKind kind;   // the box shown, Modal: none
        int answer;
        bool changed;
        int calls;
    } cases[] = {
        {"refused by the gate", false, 1, "shell32.dll,3", TDialogKind::Plain, mrOk, false, 0},
        {"cancelled", true, 0, "shell32.dll,3", TDialogKind::Modal, mrNone, false, 1},
        {"not confirmed", true, 1, "shell32.dll,3", TDialogKind::Confirmation, mrNo, false, 1},
        {"stored", true, 1, "shell32.dll,3", TDialogKind::Confirmation, mrYes, true, 1},
        {"a name too long for the shell", true, 1, std::string(300, 'x') + ",1", TDialogKind::Error,
         mrOk, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutString("txtfile\\DefaultIcon", "", c.stored);
        ClickItem("txtfile");
        f.Commands().SetAllowChanges(c.allow);
        pick = {};
        pick.result = c.picked;
        pick.file = "C:\\windows\\system32\\shell32.dll";
        pick.index = 4;
        if (c.kind != TDialogKind::Modal)
            dialogs_.Expect(c.kind, c.answer);
        dialogs_.Forget();
        const TRegistrySnapshot before = TakeRegistrySnapshot();
        // A click on the image and the pop-up menu's "Change Icon" run the same.
        if ((&c - cases) % 2 == 0) {
            SendMessageA(f.ClassView.ClassPanel.Handle(), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(f.ClassView.imgIcon.Handle()), STN_CLICKED),
                         reinterpret_cast<LPARAM>(f.ClassView.imgIcon.Handle()));
        } else {
            f.ClassView.ItemIconChange.Click();
        }
        EXPECT_EQ(pick.calls, c.calls);
        if (c.kind == TDialogKind::Confirmation) {
            ASSERT_EQ(dialogs_.Asked().size(), 1u);
            EXPECT_EQ(dialogs_.Asked()[0].text, question);
        }
        EXPECT_EQ(RegistryChanges(before, TakeRegistrySnapshot()),
                  c.changed ? std::vector<std::string>{"~txtfile\\DefaultIcon="}
                            : std::vector<std::string>{});
        if (c.changed) {
            EXPECT_EQ(GetText("txtfile\\DefaultIcon", ""),
                      "\"C:\\windows\\system32\\shell32.dll\",4");
            EXPECT_EQ(f.ClassView.edtIconFileName.Text(), "\"C:\\windows\\system32\\shell32.dll\",4");
            EXPECT_NE(f.ClassView.imgIcon.Icon(), nullptr);
        }
    }
    SetPickIconEntries(saved);
}

TEST_F(MainWindowTest, KeyboardSwitchesViewsAndFocusComesBack) {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    QuietGate();
    TMainForm& f = Open();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const auto press = [&](bool shift) {
        keys[VK_CONTROL] = 0x80;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        SetFocus(f.ListBox.Handle());
        PostMessageA(f.ListBox.Handle(), WM_KEYDOWN, VK_TAB, 0);
        Application.ProcessMessages();
        keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    };
    press(false);
    EXPECT_EQ(f.CurrentView, 1);
    press(false);
    EXPECT_EQ(f.CurrentView, 0);
    press(true);
    EXPECT_EQ(f.CurrentView, 1);
    press(true);
    EXPECT_EQ(f.CurrentView, 0);

    // Deactivated and activated again: the control that had the focus has it.
    f.ExtView.edtContentType.SetFocus();
    SendMessageA(f.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    SendMessageA(f.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(f.ExtView.edtContentType.Focused());
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReportedBeforeTheEnd) {
    QuietGate();
    TMainForm& f = Open();
    SetFileAttributesA(SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY);
    // The box is asked while the application has not been told to end.
    // (Once an earlier test closed a main window the flag stays set, and
    // only the box itself can be checked.)
    const bool observable = !Application.Terminated();
    struct TWatch : TDialogHandler {
        int boxes = 0;
        bool endedWhenShown = false;
        std::string text;
        int Answer(const TDialogRequest& r) override {
            if (r.kind == TDialogKind::Help)
                return 1;
            ++boxes;
            endedWhenShown = Application.Terminated();
            text = r.text;
            return mrOk;
        }
    } watch;
    TDialogHandler* previous = Application.SetDialogHandler(&watch);
    f.Close();
    Application.SetDialogHandler(previous);
    SetFileAttributesA(SettingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(watch.boxes, 1);
    EXPECT_EQ(watch.text, "nach " + SettingsPath() + " kann nicht geschrieben werden");
    if (observable) {
        EXPECT_FALSE(watch.endedWhenShown);
    }
    EXPECT_TRUE(Application.Terminated());
}
