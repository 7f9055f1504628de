// The GUI layer on real windows: message boxes and the dialog seam, the
// default error handling, the assertion error, hints, shortcuts, layout and
// the controls' events.
#include <stdexcept>

#include "UiTestSupport.h"
#include "support/StringList.h"
#include "toolkit/Assert.h"
#include "toolkit/Dialogs.h"

namespace {

std::vector<std::string> Captions(const TMessageForm& box) {
    std::vector<std::string> result;
    for (const TButton* b : box.Buttons())
        result.push_back(b->Text());
    return result;
}

// A form with a few controls, a menu and a panel, for the tests below.
class TTestForm : public TForm {
public:
    TTestForm() : TForm({"TestForm", "Test", 400, 300}) {
        menu.Build({
            {&fileMenu, 0, "FileMenu", "&File"},
            {&scanItem, 1, "ScanItem", "(Re-)&scan", {VK_F5}, "(Re-)scan the registry"},
            {&offItem, 1, "OffItem", "Off", {VK_F6}, "never", false},
        });
        SetMainMenu(&menu);
        CreateControls({
            {&top, "Top", "", {0, 0, 10, 30}, this, "", TAlign::Top},
            {&bottom, "Bottom", "", {0, 0, 10, 20}, this, "", TAlign::Bottom},
            {&left, "Left", "", {0, 0, 50, 10}, this, "", TAlign::Left},
            {&client, "Client", "", {0, 0, 10, 10}, this, "panel hint", TAlign::Client},
            {&label, "Label", "Fileclass:", {8, 12, 0, 0}, &client},
            {&button, "Button", "Help", {8, 40, 75, 21}, &client, "Do you need Help?"},
            {&check, "Check", "Show Actions", {8, 70, 97, 17}, &client},
            {&combo, "Combo", "", {8, 100, 150, 21}, &client},
            {&list, "List", "", {8, 130, 100, 80}, &client, "", TAlign::None, LBS_SORT},
        });
        Show();
    }
    TMainMenu menu;
    TMenuItem fileMenu, scanItem, offItem;
    TPanel top, bottom, left;
    TPanel client{TBevelCut::Lowered, TBevelCut::Raised};
    TLabel label;
    TButton button;
    TCheckBox check;
    TComboBox combo;
    TListBox list;
};

POINT CentreOnScreen(const TWindow& w) {
    RECT r;
    GetWindowRect(w.Handle(), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Moves the pointer over a window and lets the application see it move.
void MovePointerOver(const TWindow& w, POINT at) {
    SetCursorPos(at.x, at.y);
    PostMessageA(w.Handle(), WM_MOUSEMOVE, 0, 0);
    Application.ProcessMessages();
}

} // namespace

TEST(MessageBoxes, GermanFrameTextsAndButtonsOnWindowsVersion) {
    struct Case {
        TDialogKind kind;
        const char* caption;
    } cases[] = {{TDialogKind::Warning, "Warnung"},
                 {TDialogKind::Error, "Fehler"},
                 {TDialogKind::Information, "Information"},
                 {TDialogKind::Confirmation, "Bestätigen"}};
    for (const Case& c : cases) {
        EXPECT_EQ(DialogCaption(c.kind), c.caption);
        TMessageForm box(c.kind, DialogCaption(c.kind), "text", mbOK);
        EXPECT_EQ(box.Text(), c.caption);
        // The frame holds the system's own characters: UTF-16 on the NT
        // family, the ANSI code page elsewhere.
        if (WideSystem()) {
            WCHAR shown[64] = {};
            GetWindowTextW(box.Handle(), shown, 64);
            EXPECT_EQ(WideString(shown), WideFromUtf8(c.caption));
        } else {
            char shown[64] = "";
            GetWindowTextA(box.Handle(), shown, sizeof shown);
            EXPECT_EQ(std::string(shown), AnsiFromUtf8(c.caption));
        }
    }
    // Inside the program the umlaut is UTF-8.
    EXPECT_EQ(DialogCaption(TDialogKind::Confirmation), "Best\xC3\xA4tigen");
    EXPECT_EQ(DialogCaption(TDialogKind::Plain), "Corvix - Adaptation of Extensions");

    TMessageForm question(TDialogKind::Confirmation, "Bestätigen", "Sure?", mbYes | mbNo);
    EXPECT_EQ(Captions(question), (std::vector<std::string>{"&Ja", "&Nein"}));
    TMessageForm all(TDialogKind::Warning, "Warnung", "x", mbYes | mbNo | mbOK | mbCancel);
    EXPECT_EQ(Captions(all), (std::vector<std::string>{"&Ja", "&Nein", "OK", "Abbrechen"}));
    EXPECT_EQ(question.Message().Text(), "Sure?");
    // A long text stays whole: the box grows with it.
    TMessageForm wide(TDialogKind::Plain, "t", std::string(60, 'W') + "\r\nsecond line", mbOK);
    EXPECT_GE(wide.Message().Width(), 300);
    EXPECT_GE(wide.Message().Height(), 26);
}

TEST(MessageBoxes, RealBoxAnswersEnterEscapeAndClose) {
    // No handler: the real box runs its own loop. A timer presses a key (or
    // closes the box) once it is up.
    TDialogHandler* saved = Application.SetDialogHandler(nullptr);
    // The box is found among this thread's visible windows by its frame text;
    // until it is up the timer ticks on. (GetActiveWindow is no help: without
    // a window manager under Xvfb the box need not become the active window.)
    struct Press {
        static BOOL CALLBACK IsBox(HWND window, LPARAM found) {
            const std::string text = ReadWindowText(window);
            if (IsWindowVisible(window) && (text == "Bestätigen" || text == "Warnung")) {
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }
            return TRUE;
        }
        static void Send(UINT_PTR id, UINT message, WPARAM wParam) {
            HWND box = nullptr;
            EnumThreadWindows(GetCurrentThreadId(), IsBox, reinterpret_cast<LPARAM>(&box));
            if (!box)
                return;
            KillTimer(nullptr, id);
            PostMessageA(box, message, wParam, 0);
        }
        static void CALLBACK Enter(HWND, UINT, UINT_PTR id, DWORD) { Send(id, WM_COMMAND, IDOK); }
        static void CALLBACK Escape(HWND, UINT, UINT_PTR id, DWORD) {
            Send(id, WM_COMMAND, IDCANCEL);
        }
        static void CALLBACK Close(HWND, UINT, UINT_PTR id, DWORD) { Send(id, WM_CLOSE, 0); }
    };
    SetTimer(nullptr, 0, 200, Press::Enter);
    EXPECT_EQ(MessageDlg("Enter", TDialogKind::Confirmation, mbYes | mbNo), mrYes);
    SetTimer(nullptr, 0, 200, Press::Escape);
    EXPECT_EQ(MessageDlg("Escape", TDialogKind::Confirmation, mbYes | mbNo), mrNo);
    SetTimer(nullptr, 0, 200, Press::Close);
    EXPECT_EQ(MessageDlg("Closed", TDialogKind::Confirmation, mbYes | mbNo), mrNo);
    SetTimer(nullptr, 0, 200, Press::Escape);
    EXPECT_EQ(MessageDlg("Escape", TDialogKind::Warning, mbOK | mbCancel), mrCancel);
    Application.SetDialogHandler(saved);
}

TEST(DialogSeam, ScriptsAnswersRecordsRequestsAndRefusesTheUnexpected) {
    ScriptedDialogs dialogs;
    dialogs.Expect(TDialogKind::Confirmation, mrNo);
    dialogs.Expect(TDialogKind::Plain, mrOk);
    EXPECT_EQ(MessageDlg("Sure?", TDialogKind::Confirmation, mbYes | mbNo), mrNo);
    ShowMessage("Sorry has to be done in futur");
    ASSERT_EQ(dialogs.Asked().size(), 2u);
    EXPECT_EQ(dialogs.Asked()[0].caption, "Bestätigen");
    EXPECT_EQ(dialogs.Asked()[0].text, "Sure?");
    EXPECT_EQ(dialogs.Asked()[1].kind, TDialogKind::Plain);
    EXPECT_EQ(dialogs.Asked()[1].caption, "Corvix - Adaptation of Extensions");

    // Not scripted: refused at once, recorded.
    EXPECT_THROW(MessageDlg("Again?", TDialogKind::Warning, mbOK), EUnexpectedDialog);
    ASSERT_EQ(dialogs.Unexpected().size(), 1u);
    EXPECT_EQ(dialogs.Unexpected()[0].text, "Again?");

    // A modal form is handed to the script, which answers for the user.
    TForm modal({"Modal", "Modal form", 200, 100, TBorderStyle::Dialog});
    dialogs.ExpectModal([](TForm& form) {
        EXPECT_EQ(form.Text(), "Modal form");
        return static_cast<int>(mrOk);
    });
    EXPECT_EQ(modal.ShowModal(), mrOk);

    // Help goes through the same place.
    Application.HelpContext(100);
    Application.HelpCommand(15, 0);
    ASSERT_EQ(dialogs.HelpCalls().size(), 2u);
    EXPECT_EQ(dialogs.HelpCalls()[0], std::make_pair(UINT(HELP_CONTEXT), ULONG_PTR(100)));
    EXPECT_EQ(dialogs.HelpCalls()[1], std::make_pair(UINT(15), ULONG_PTR(0)));
}

TEST(DefaultErrorHandling, AnErrorInAHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
    ScriptedDialogs dialogs;
    TTestForm form;
    int clicks = 0;
    form.button.onClick = [&] {
        ++clicks;
        if (clicks == 1)
            throw Exception("Konnte Daten für 'x' nicht holen");
        if (clicks == 2)
            throw std::runtime_error("plain error");
    };
    dialogs.Expect(TDialogKind::Error, mrOk);
    dialogs.Expect(TDialogKind::Error, mrOk);
    for (int i = 0; i < 3; ++i)
        SendMessageA(form.button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 3);
    ASSERT_EQ(dialogs.Asked().size(), 2u);
    EXPECT_EQ(dialogs.Asked()[0].caption, "Fehler");
    EXPECT_EQ(dialogs.Asked()[0].text, "Konnte Daten für 'x' nicht holen");
    EXPECT_EQ(dialogs.Asked()[1].text, "plain error");

    // The error box itself failing (here: not scripted) is swallowed.
    form.button.onClick = [] { throw Exception("again"); };
    SendMessageA(form.button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialogs.Unexpected().size(), 1u);
    EXPECT_TRUE(IsWindow(form.Handle()));
}

TEST(AssertionError, MessageFileAndLineInGerman) {
    Assert(true, "never raised");
    const int line = __LINE__ + 2;
    try {
        Assert(false, "There should be a fileclass selected.");
        FAIL() << "no error raised";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(std::string(e.what()),
                  "There should be a fileclass selected. (ToolkitTest.cpp, Zeile " +
                      std::to_string(line) + ")");
    }
    EXPECT_EQ(AssertionText("m", "C:\\src\\MainUnit.pas", 7), "m (MainUnit.pas, Zeile 7)");
}

TEST(Hints, MenuItemsAndControlsUnderThePointerReachTheHintHandler) {
    TTestForm form;
    std::vector<std::string> seen;
    Application.SetHint(""); // whatever an earlier window left under the pointer
    Application.onHint = [&] { seen.push_back(Application.Hint()); };

    SendMessageA(form.Handle(), WM_MENUSELECT, MAKEWPARAM(form.scanItem.Id(), MF_STRING),
                 reinterpret_cast<LPARAM>(GetMenu(form.Handle())));
    EXPECT_EQ(Application.Hint(), "(Re-)scan the registry");
    SendMessageA(form.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); // menu closed
    EXPECT_EQ(Application.Hint(), "");

    MovePointerOver(form.button, CentreOnScreen(form.button));
    EXPECT_EQ(Application.Hint(), "Do you need Help?");
    // A control without a hint shows its parent's; a disabled one too.
    MovePointerOver(form.check, CentreOnScreen(form.check));
    EXPECT_EQ(Application.Hint(), "panel hint");
    form.button.SetEnabled(false);
    MovePointerOver(form.client, CentreOnScreen(form.button));
    EXPECT_EQ(Application.Hint(), "Do you need Help?");
    MovePointerOver(form.top, CentreOnScreen(form.top));
    EXPECT_EQ(Application.Hint(), "");
    EXPECT_EQ(seen, (std::vector<std::string>{"(Re-)scan the registry", "", "Do you need Help?",
                                              "panel hint", "Do you need Help?", ""}));
    Application.onHint = nullptr;
}

TEST(Shortcuts, MenuShortcutsRunTheirItemUnlessDisabled) {
    TTestForm form;
    int scans = 0, offs = 0;
    form.scanItem.onClick = [&] { ++scans; };
    form.offItem.onClick = [&] { ++offs; };
    SetFocus(form.list.Handle());
    PostMessageA(form.list.Handle(), WM_KEYDOWN, VK_F5, 0);
    PostMessageA(form.list.Handle(), WM_KEYDOWN, VK_F6, 0);
    Application.ProcessMessages();
    EXPECT_EQ(scans, 1);
    EXPECT_EQ(offs, 0);
    form.offItem.SetEnabled(true);
    PostMessageA(form.list.Handle(), WM_KEYDOWN, VK_F6, 0);
    Application.ProcessMessages();
    EXPECT_EQ(offs, 1);
    EXPECT_EQ(form.scanItem.ShortCut().Text(), "F5");
    EXPECT_EQ((TShortCut{'Q', FCONTROL}).Text(), "Ctrl+Q");
}

TEST(Layout, AlignedChildrenShareTheParentAndPanelsKeepTheirBevels) {
    TTestForm form;
    const int w = form.ClientWidth(), h = form.ClientHeight();
    EXPECT_EQ(form.top.Bounds(), (TBounds{0, 0, w, 30}));
    EXPECT_EQ(form.bottom.Bounds(), (TBounds{0, h - 20, w, 20}));
    EXPECT_EQ(form.left.Bounds(), (TBounds{0, 30, 50, h - 50}));
    EXPECT_EQ(form.client.Bounds(), (TBounds{50, 30, w - 50, h - 50}));
    // A hidden aligned child gives its room to the others.
    form.left.SetVisible(false);
    EXPECT_EQ(form.client.Bounds(), (TBounds{0, 30, w, h - 50}));
    EXPECT_EQ(form.client.BevelSize(), 2);

    // Labels size themselves to their text.
    EXPECT_EQ(form.label.Height(), LineHeight());
    const int narrow = form.label.Width();
    form.label.SetText("Fileclass: a longer text");
    EXPECT_GT(form.label.Width(), narrow);
}

TEST(Controls, EventsAndListsBehaveAsTheProgramExpects) {
    TTestForm form;
    // Setting a check box to a new state runs its click, as a click would.
    int checks = 0;
    form.check.onClick = [&] { ++checks; };
    form.check.SetChecked(true);
    form.check.SetChecked(true);
    EXPECT_TRUE(form.check.Checked());
    EXPECT_EQ(checks, 1);
    SendMessageA(form.check.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form.check.Checked());
    EXPECT_EQ(checks, 2);

    // A sorted list box sorts with the platform's word sort; lookups ignore case.
    TStringList names;
    for (const char* n : {".b", ".a-b", ".ab", ".TXT"})
        names.Add(n);
    form.list.Items().Assign(names);
    EXPECT_EQ(form.list.Items().ToVector(),
              (std::vector<std::string>{".ab", ".a-b", ".b", ".TXT"}));
    EXPECT_EQ(form.list.Items().IndexOf(".txt"), 3);
    EXPECT_EQ(form.list.Items().IndexOf(".none"), -1);
    EXPECT_EQ(form.list.ItemIndex(), -1);
    form.list.SetItemIndex(2);
    EXPECT_EQ(form.list.ItemIndex(), 2);

    // Choosing an entry of a combo box: the text is the entry when onChange runs.
    form.combo.Items().Add("txtfile");
    form.combo.Items().Add("htmlfile");
    std::string seen;
    form.combo.onChange = [&] { seen = form.combo.Text(); };
    form.combo.SetItemIndex(1);
    SendMessageA(form.client.Handle(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(form.combo.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(form.combo.Handle()));
    EXPECT_EQ(seen, "htmlfile");
    form.combo.SetItemIndex(-1);
    EXPECT_EQ(form.combo.Text(), "");
}

// Text beyond the ANSI code page. On the NT family the windows are Unicode
// windows and give back exactly the text they were given, through their own
// messages; on the 95 family they hold what the code page has of it (the
// umlauts of Windows-1252) and "?" for the rest.
TEST(Controls, TextsComeBackAsTheSystemHoldsThemOnWindowsVersion) {
    TTestForm form;
    const bool wide = WideSystem();
    EXPECT_EQ(IsWindowUnicode(form.list.Handle()) != FALSE, wide);
    EXPECT_EQ(IsWindowUnicode(form.Handle()) != FALSE, wide);
    for (const std::string text : {"Zoë 文書", "Ωmega", "Bestätigen"}) {
        const std::string held = wide ? text : Utf8FromAnsi(AnsiFromUtf8(text));
        form.SetCaption(text);
        EXPECT_EQ(form.Caption(), held);
        form.label.SetText(text);
        EXPECT_EQ(form.label.Text(), held);
        form.list.Items().Clear();
        form.list.Items().Add("a");
        // Sorted: "?mega" (the 95 family's "Ωmega") comes before "a".
        const int at = form.list.Items().Add(text);
        EXPECT_EQ(at, held[0] == '?' ? 0 : 1);
        EXPECT_EQ(form.list.Items()[at], held);
        EXPECT_EQ(form.list.Items().IndexOf(text), at);
        form.combo.Items().Clear();
        form.combo.Items().Add(text);
        EXPECT_EQ(form.combo.Items()[0], held);
        TypeText(form.combo, text);
        EXPECT_EQ(form.combo.Text(), held);
        form.scanItem.SetCaption(text); // the menu is built anew with it
        EXPECT_EQ(form.scanItem.Caption(), text);
    }
    // Characters typed into the list arrive whole, also in two halves (a
    // pair of UTF-16 units, a double-byte character), and find their item.
    form.list.Items().Clear();
    for (const char* item : {"a", "Ωmega", "Zoë 文書", "𝄞 clef"})
        form.list.Items().Add(item);
    const auto type = [&](const std::string& text) {
        if (wide) {
            for (const WCHAR unit : WideFromUtf8(text))
                PostMessageW(form.list.Handle(), WM_CHAR, unit, 1);
        } else {
            for (const char byte : AnsiFromUtf8(text))
                PostMessageA(form.list.Handle(), WM_CHAR, static_cast<BYTE>(byte), 1);
        }
        Application.ProcessMessages();
        Sleep(1100); // the next letters start a new search
        return form.list.ItemIndex() < 0 ? std::string() : form.list.Items()[form.list.ItemIndex()];
    };
    EXPECT_EQ(type("z"), wide ? "Zoë 文書" : Utf8FromAnsi(AnsiFromUtf8("Zoë 文書")));
    if (wide) {
        EXPECT_EQ(type("Ω"), "Ωmega");
        EXPECT_EQ(type("𝄞"), "𝄞 clef");
    }
}

// Filling a list at once: a sorted list box ends sorted whatever order the
// texts come in (a list already in its order is taken as it stands, so a
// wrong check of that order would show here), an unsorted combo box keeps the
// order given; lookups ignore case in both.
TEST(Controls, AssignedListsEndInTheControlsOrder) {
    TTestForm form;
    struct Case {
        bool list; // the sorted list box, else the unsorted combo box
        std::vector<std::string> given;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {true, {"", ".a", ".ab", ".a-b", ".b"}, {"", ".a", ".ab", ".a-b", ".b"}},
        {true, {".b", ".a-b", ".ab", ""}, {"", ".ab", ".a-b", ".b"}},
        {true, {".ab", ".b", ".a-b"}, {".ab", ".a-b", ".b"}},
        {true, {}, {}},
        {false, {"txtfile", "htmlfile", "TXTFILE"}, {"txtfile", "htmlfile", "TXTFILE"}},
    };
    for (const Case& c : cases) {
        TStringList names;
        for (const std::string& n : c.given)
            names.Add(n);
        TItems items = c.list ? form.list.Items() : form.combo.Items();
        items.Add("stale");
        items.Assign(names);
        EXPECT_EQ(items.ToVector(), c.shown) << c.given.size();
        for (size_t i = 0; i < c.shown.size(); ++i) {
            std::string upper = c.shown[i];
            for (char& ch : upper)
                ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
            // The first entry equal to it ignoring case.
            size_t first = 0;
            while (lstrcmpiA(c.shown[first].c_str(), upper.c_str()) != 0)
                ++first;
            EXPECT_EQ(items.IndexOf(upper), int(first)) << upper;
        }
        EXPECT_EQ(items.IndexOf(".none"), -1);
        EXPECT_EQ(items.IndexOf("stale"), -1);
    }
}

TEST(Forms, ClientSizeAndScreenCentreForEveryBorderKind) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    for (TBorderStyle border :
         {TBorderStyle::Sizeable, TBorderStyle::Dialog, TBorderStyle::DialogMinimizeBox,
          TBorderStyle::SizeToolWindow, TBorderStyle::ToolWindow}) {
        TFormArgs args{"ClientForm", "Client size"};
        args.clientWidth = 297;
        args.clientHeight = 143;
        args.border = border;
        args.position = TPosition::ScreenCenter;
        TForm form(args);
        EXPECT_EQ(297, form.ClientWidth()) << static_cast<int>(border);
        EXPECT_EQ(143, form.ClientHeight()) << static_cast<int>(border);
        EXPECT_EQ((screenW - form.Width()) / 2, form.Left()) << static_cast<int>(border);
        EXPECT_EQ((screenH - form.Height()) / 2, form.Top()) << static_cast<int>(border);
    }
}

namespace {

// A dialog with an OK button (result mrOk) and a Cancel button (mrCancel).
class TOkCancelForm : public TForm {
public:
    TOkCancelForm()
        : TForm({"OkCancel", "Ok or cancel", 0, 0, TBorderStyle::ToolWindow, nullptr, 200, 60}) {
        CreateControls({
            {&ok, "ok", "OK", {8, 8, 75, 21}},
            {&cancel, "cancel", "Cancel", {100, 8, 75, 21}},
        });
        ok.SetModalResult(mrOk);
        cancel.SetModalResult(mrCancel);
        SetDefaultButton(&ok);
        SetCancelButton(&cancel);
        onShow = [this] { ++shows; };
    }
    TButton ok, cancel;
    int shows = 0;
};

} // namespace

TEST(DialogSeam, AModalFormIsShownAndGivesItsOwnResultAlsoWhenItsButtonFails) {
    ScriptedDialogs dialogs;
    struct TCase {
        const char* name;
        std::function<void(TOkCancelForm&)> act;
        int scriptAnswer;
        int result;
    };
    const TCase cases[] = {
        {"OK", [](TOkCancelForm& f) { ClickButton(f.ok); }, mrCancel, mrOk},
        {"Enter", [](TOkCancelForm& f) { PressEnter(f); }, mrNone, mrOk},
        {"Cancel", [](TOkCancelForm& f) { ClickButton(f.cancel); }, mrOk, mrCancel},
        {"Escape", [](TOkCancelForm& f) { PressEscape(f); }, mrNone, mrCancel},
        {"close box", [](TOkCancelForm& f) { CloseBox(f); }, mrNone, mrCancel},
        {"no button: the script's answer", [](TOkCancelForm&) {}, mrOk, mrOk},
    };
    for (const TCase& c : cases) {
        TOkCancelForm form;
        bool visible = false;
        dialogs.ExpectModal([&](TForm&) {
            visible = IsWindowVisible(form.Handle()) != FALSE;
            EXPECT_TRUE(form.Modal());
            c.act(form);
            return c.scriptAnswer;
        });
        EXPECT_EQ(form.ShowModal(), c.result) << c.name;
        EXPECT_TRUE(visible) << c.name;
        EXPECT_EQ(form.shows, 1) << c.name << ": the show handling ran";
        EXPECT_FALSE(IsWindowVisible(form.Handle())) << c.name;
        EXPECT_FALSE(form.Modal()) << c.name;
    }

    // A failing handler of a button with a result: the error box shows, and
    // the form closes with the button's result all the same.
    TOkCancelForm form;
    form.ok.onClick = [&] {
        EXPECT_EQ(form.ModalResult(), mrOk) << "the result is set before the handler";
        throw std::runtime_error("Erzeugung von Schlüssel .x misslungen");
    };
    dialogs.ExpectModal([&](TForm&) {
        ClickButton(form.ok);
        return static_cast<int>(mrNone);
    });
    dialogs.Expect(TDialogKind::Error, mrOk);
    dialogs.Forget();
    EXPECT_EQ(form.ShowModal(), mrOk);
    ASSERT_EQ(dialogs.Asked().size(), 2u);
    EXPECT_EQ(dialogs.Asked()[1].text, "Erzeugung von Schlüssel .x misslungen");
    EXPECT_EQ(dialogs.Pending(), 0u);
}

// A button pressed by another program (BM_CLICK sent from another thread
// while the modal loop waits) ends the loop at once, with no further input,
// also when its handler handled the waiting messages as a long operation
// does (a rescan), the mouse move the press left among them.
TEST(ModalLoop, AButtonPressedFromOutsideEndsTheLoopAtOnce) {
    TDialogHandler* saved = Application.SetDialogHandler(nullptr);
    TOkCancelForm form;
    form.ok.onClick = [] { Application.ProcessMessages(); };
    struct TPress {
        HWND form, ok;
        bool stillShown = false;
        static DWORD WINAPI Run(void* param) {
            auto* p = static_cast<TPress*>(param);
            for (int i = 0; i < 250 && !IsWindowVisible(p->form); ++i)
                Sleep(20);
            SendMessageA(p->ok, BM_CLICK, 0, 0);
            Sleep(1500);
            p->stillShown = IsWindowVisible(p->form) != FALSE;
            if (p->stillShown) // lets the loop look again, so the test ends
                PostMessageA(p->form, WM_NULL, 0, 0);
            return 0;
        }
    } press{form.Handle(), form.ok.Handle()};
    HANDLE thread = CreateThread(nullptr, 0, TPress::Run, &press, 0, nullptr);
    ASSERT_TRUE(thread);
    EXPECT_EQ(form.ShowModal(), mrOk);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_FALSE(press.stillShown);
    Application.SetDialogHandler(saved);
}

TEST(Controls, ComboBoxesWithFreeTextListOnlyAndWithoutDropDown) {
    TForm form({"Combos", "Combos", 400, 200});
    TComboBox free, listOnly{TComboStyle::DropDownList}, simple{TComboStyle::Simple};
    form.CreateControls({
        {&free, "free", "", {8, 8, 150, 21}},
        {&listOnly, "listOnly", "", {8, 40, 150, 21}},
        {&simple, "simple", "", {8, 72, 150, 21}},
    });
    struct TCase {
        TComboBox* combo;
        DWORD kind;
        bool editField;
    };
    for (const TCase& c :
         {TCase{&free, CBS_DROPDOWN, true}, TCase{&listOnly, CBS_DROPDOWNLIST, false},
          TCase{&simple, CBS_SIMPLE, true}}) {
        SCOPED_TRACE(c.combo->Name());
        EXPECT_EQ(GetWindowLongA(c.combo->Handle(), GWL_STYLE) & 3, static_cast<LONG>(c.kind));
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(c.combo->Handle(), &info));
        EXPECT_EQ(info.hwndItem != nullptr && info.hwndItem != c.combo->Handle(), c.editField);
        c.combo->Items().Add("Image");
        c.combo->Items().Add("Text");
        std::string seen = "<none>";
        c.combo->onChange = [&] { seen = c.combo->Text(); };
        ChooseEntry(*c.combo, 1);
        EXPECT_EQ(seen, "Text");
        EXPECT_EQ(c.combo->ItemIndex(), 1);
    }
    // Without a drop-down list the box is the edit field alone, as placed.
    EXPECT_EQ(simple.Bounds(), (TBounds{8, 72, 150, 21}));
    EXPECT_FALSE(SendMessageA(simple.Handle(), CB_SHOWDROPDOWN, TRUE, 0) &&
                 SendMessageA(simple.Handle(), CB_GETDROPPEDSTATE, 0, 0));
    // A list-only box takes no typed text.
    listOnly.SetText("Video");
    EXPECT_EQ(listOnly.Text(), "Text");
    free.SetText("Video");
    EXPECT_EQ(free.Text(), "Video");
}
