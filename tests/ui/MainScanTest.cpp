// The scan as the main window runs it: the window stays alive while the scan
// reads (messages are handled, the progress shows, the commands that need the
// index are off), and afterwards the counts, the commands and the selection
// are as before a scan.
#include "UiTestSupport.h"

#include "index/ZQFileAssoc.h"
#include "toolkit/Handles.h"

namespace {

void PutAssociations() {
    PutString(".txt", "", "txtfile");
    PutString("txtfile", "", "Text Document");
    PutString(".log", "", "txtfile");
    PutString(".htm", "", "htmlfile");
    PutString("htmlfile", "", "HTML Document");
    PutString(".doc", "", "docfile"); // a class without a key of its own
    PutKey(".zzz");                   // no class: the empty name
}

// A hidden window of the test's own: a message posted to it runs onMessage
// when the program's message handling gets to it.
class TMessageProbe {
public:
    explicit TMessageProbe(std::function<void()> onMessage) : onMessage_(std::move(onMessage)) {
        static const char* const kClass = "CorvixTestMessageProbe";
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc); // fails harmlessly when registered before
        hwnd_ = CreateWindowExA(0, kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TMessageProbe() { DestroyWindow(hwnd_); }
    TMessageProbe(const TMessageProbe&) = delete;
    TMessageProbe& operator=(const TMessageProbe&) = delete;

    void Post() { PostMessageA(hwnd_, WM_APP, 0, 0); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* probe = reinterpret_cast<TMessageProbe*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (msg == WM_APP && probe) {
            probe->onMessage_();
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    std::function<void()> onMessage_;
    HWND hwnd_ = nullptr;
};

// Once armed, holds the window's scans before their first key (after the
// enumeration has told the total) until Release; the scan reads on a thread
// of its own, so without the hold it could end before the window has looked
// at it.
class TScanHold {
public:
    TScanHold() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    explicit TScanHold(TMainForm& form) : TScanHold() { Arm(form); }
    void Arm(TMainForm& form) {
        HANDLE event = event_.Get();
        form.ScanObserver = [event](int read, int) {
            if (read == 0)
                WaitForSingleObject(event, 10000); // a broken test does not hang
            return true;
        };
    }
    void Release() { SetEvent(event_.Get()); }

private:
    TEventHandle event_;
};

BOOL CALLBACK NoteEnabled(HWND control, LPARAM found) {
    if (IsWindowVisible(control) && IsWindowEnabled(control))
        *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

// Whether any control inside the window shows itself enabled.
bool AnyEnabledInside(HWND parent) {
    bool any = false;
    EnumChildWindows(parent, NoteEnabled, reinterpret_cast<LPARAM>(&any));
    return any;
}

// What a user sees of the window, in one line.
std::string StateOf(TMainForm& form) {
    auto flag = [](bool on) { return on ? "on" : "off"; };
    const int selected = form.ListBox.ItemIndex();
    return std::string("visible ") + flag(IsWindowVisible(form.Handle()) != FALSE) +
           ", busy cursor " + flag(GetCursor() == LoadCursorA(nullptr, IDC_WAIT)) + ", rescan " +
           flag(form.ScanItem.Enabled()) + "/" + flag(form.tbtnScan.Enabled()) + ", views " +
           flag(form.TabControl.Enabled()) + "/" +
           flag(AnyEnabledInside(form.TabControl.Handle())) + ", new extension " +
           flag(form.NewExtensionItem.Enabled()) + ", status \"" + form.StatusBar.PanelText(0) +
           "\", " + std::to_string(form.ListBox.Items().Count()) + " listed, selected " +
           (selected < 0 ? "none" : form.ListBox.Items()[selected]);
}

} // namespace

// However the scan is started, a message posted before it is handled while
// it reads (the scan shows its progress from the first key here, as a long
// one does after a moment), with the window visible and the index commands
// off; afterwards everything is back and the item shown before is selected.
TEST_F(MainWindowTest, AScanKeepsTheWindowAliveAndRestoresItsState) {
    PutAssociations();
    QuietGate();
    Set("config", "AllowMods", "1"); // not read: the warning is off, changes stay refused
    Set("MainForm", "LastExt", ".log");

    struct Case {
        const char* start;
        std::string during;
        std::string after;
    };
    const Case cases[] = {
        {"start-up",
         "visible on, busy cursor on, rescan off/off, views off/off, new extension off, "
         "status \"0 of 5\", 0 listed, selected none",
         "visible on, busy cursor off, rescan on/on, views on/on, new extension off, "
         "status \"5/4\", 5 listed, selected .log"},
        {"F5",
         "visible on, busy cursor on, rescan off/off, views off/off, new extension off, "
         "status \"0 of 6\", 5 listed, selected .htm",
         "visible on, busy cursor off, rescan on/on, views on/on, new extension off, "
         "status \"6/4\", 6 listed, selected .htm"},
        {"menu",
         "visible on, busy cursor on, rescan off/off, views off/off, new extension off, "
         "status \"0 of 6\", 5 listed, selected .htm",
         "visible on, busy cursor off, rescan on/on, views on/on, new extension off, "
         "status \"6/4\", 6 listed, selected .htm"},
        {"toolbar",
         "visible on, busy cursor on, rescan off/off, views off/off, new extension off, "
         "status \"0 of 6\", 5 listed, selected .htm",
         "visible on, busy cursor off, rescan on/on, views on/on, new extension off, "
         "status \"6/4\", 6 listed, selected .htm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        const std::string start = c.start;
        PutAssociations();
        RegDeleteKeyA(HKEY_CLASSES_ROOT, ".abc"); // added by the case before
        std::vector<std::string> seen;
        bool newMenuButtonSeen = false;
        TMainForm& form = Create();
        form.ScanProgressDelay = 0;
        TScanHold hold;
        TMessageProbe probe([&] {
            seen.push_back(StateOf(form));
            newMenuButtonSeen = IsWindowVisible(form.ExtView.btnNew_Menu.Handle()) != FALSE;
            hold.Release();
        });
        if (start == "start-up") {
            hold.Arm(form);
            probe.Post();
            form.Show();
        } else {
            form.Show();
            ClickItem(".htm");
            hold.Arm(form);
            PutString(".abc", "", "txtfile"); // the rescan finds it
            if (start == "F5") {
                SetFocus(form.ListBox.Handle());
                PostMessageA(form.ListBox.Handle(), WM_KEYDOWN, VK_F5, 0);
                probe.Post(); // after the key, so it waits for the scan's own rounds
                Application.ProcessMessages();
            } else {
                probe.Post();
                (start == "menu") ? form.ScanItem.Click() : form.tbtnScan.Click();
            }
        }
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0], c.during);
        EXPECT_EQ(StateOf(form), c.after);
        // The 'New'-menu button gets its caption with the first extension
        // shown; until then it is not shown as an empty box.
        EXPECT_EQ(newMenuButtonSeen, start != "start-up");
        EXPECT_TRUE(IsWindowVisible(form.ExtView.btnNew_Menu.Handle()));
        Pump();
        EXPECT_EQ(seen.size(), 1u);
    }
}

// A scan that ends within the delay looks as a scan always did: no progress
// text, no commands switched off, and the window's messages wait for it.
TEST_F(MainWindowTest, AShortScanShowsNoProgress) {
    PutAssociations();
    QuietGate();
    std::vector<std::string> seen;
    TMessageProbe probe([&] { seen.push_back(StateOf(*form_)); });
    TMainForm& form = Open();
    ASSERT_EQ(form.ScanProgressDelay, 300u);
    ClickItem(".txt");
    probe.Post();
    form.ScanItem.Click();
    EXPECT_TRUE(seen.empty());
    Pump();
    EXPECT_EQ(seen,
              (std::vector<std::string>{
                  "visible on, busy cursor off, rescan on/on, views on/on, new extension off, "
                  "status \"5/4\", 5 listed, selected .txt"}));
}

// Closing the window while the scan reads ends the scan: the index, the
// status bar's counts and the list stay those of the last complete scan, and
// the window's state is saved as at any close.
TEST_F(MainWindowTest, ClosingTheWindowStopsTheScan) {
    PutAssociations();
    QuietGate();
    TMainForm& form = Open();
    ClickItem(".htm");
    PutString(".abc", "", "txtfile");
    form.ScanProgressDelay = 0;
    TScanHold hold(form);
    // The scan goes on only once the close has been handled.
    TMessageProbe release([&] { hold.Release(); });
    TMessageProbe close([&] {
        PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
        release.Post();
    });
    close.Post();
    form.ScanItem.Click();

    EXPECT_EQ(form.FileClasses().Count(), 4);
    EXPECT_EQ(form.FileClasses().ClassExtensionCount("txtfile"), 2) << "not .abc";
    EXPECT_EQ(form.StatusBar.PanelText(0), "5/4");
    EXPECT_EQ(form.ListBox.Items().Count(), 5);
    EXPECT_EQ(Get("MainForm", "LastExt"), ".htm");
}
