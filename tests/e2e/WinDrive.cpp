// windrive: plays a user's steps on the windows of a running process, for
// the end-to-end tests. It runs under Wine beside the program.
//
//   windrive PID STEP...
//
// Steps, each on the current window (the last one waited for):
//   wait=CAPTION      waits (30 s at most) for a visible top-level window of
//                     the process with that caption (a trailing * matches
//                     any rest) and makes it the current window once the
//                     window's thread is idle (the command before is done)
//   command=ID        chooses the menu item with the command id ID (a disabled
//                     item does nothing, as in the program)
//   type=N:TEXT       puts TEXT into the Nth edit field of the window (0 is the
//                     first, in tab order, parts of combo boxes and fields with
//                     a button included), as
//                     typing does: the field reports the change
//   click=TEXT        presses the enabled button captioned TEXT and waits
//                     until its window has closed when the press closes it
//   tab=N             selects tab N of the window's tab control, as the arrow
//                     keys do
//   select=TEXT       selects the entry TEXT of the window's item list, as a
//                     click does
//   check=TEXT        clicks the check box (or button) captioned TEXT, which
//                     toggles a check box, and goes on at once
//   key=NAME          presses a key (F1 to F12, HOME, END, UP, DOWN, ESCAPE,
//                     RETURN) in the control that has the window's focus (or
//                     else its first control in tab order), as the keyboard
//                     does
//   mouse=CLASS:X,Y   clicks with the left mouse button at X,Y of the window's
//                     first control of that window class
//   bounds=NAME       prints "NAME=left,top,width,height": the window's place
//                     on the screen
//   show=minimized    minimizes the window, as its title bar button does
//   items=NAME:A|B    prints "NAME=count" of the window's item list,
//                     "NAME_found=..." (which of A, B, ... it lists) and
//                     "NAME_selected=..." (which of them is selected)
//   retype=OLD:NEW    replaces the text of the edit field that holds OLD
//                     with NEW, as typing does (it can be taken back)
//   ctrl=TEXT:KEY     presses Ctrl+KEY (a letter) from the keyboard in the
//                     edit field that holds TEXT, the field having the focus
//   field=TEXT        waits (3 s at most) until an edit field of the window
//                     holds TEXT
//
// Exit status: 0 done, 2 usage, 3 a step failed (the step is named on stderr).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

DWORD gPid = 0;

std::string windowText(HWND hwnd) {
    char buf[1024] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

std::string classOf(HWND hwnd) {
    char buf[256] = "";
    GetClassNameA(hwnd, buf, sizeof buf);
    return buf;
}

bool captionMatches(const std::string& caption, const std::string& pattern) {
    if (!pattern.empty() && pattern.back() == '*')
        return caption.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    return caption == pattern;
}

std::string withoutAmpersands(const std::string& text) {
    std::string result;
    for (char c : text)
        if (c != '&')
            result += c;
    return result;
}

BOOL CALLBACK collectTop(HWND hwnd, LPARAM lp) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == gPid && IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK collectChild(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> childrenOf(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND waitForWindow(const std::string& caption) {
    for (int tries = 0; tries < 300; ++tries) {
        std::vector<HWND> windows;
        EnumWindows(collectTop, reinterpret_cast<LPARAM>(&windows));
        for (HWND hwnd : windows)
            if (captionMatches(windowText(hwnd), caption))
                return hwnd;
        Sleep(100);
    }
    return nullptr;
}

HWND childOfClass(HWND window, const char* cls, int index) {
    for (HWND child : childrenOf(window))
        if (lstrcmpiA(classOf(child).c_str(), cls) == 0 && index-- == 0)
            return child;
    return nullptr;
}

// An edit field's text: asked of the field itself (GetWindowText does not
// ask a window of another process).
std::string fieldText(HWND edit) {
    char buf[1024] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(edit, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_NORMAL,
                        5000, &length);
    return buf;
}

// The edit field of the window that holds `text`; null (the texts the
// fields hold logged, for a failing test to show) when none does.
HWND editHolding(HWND window, const std::string& text, bool log = true) {
    std::string texts;
    for (HWND child : childrenOf(window))
        if (lstrcmpiA(classOf(child).c_str(), "Edit") == 0) {
            if (fieldText(child) == text)
                return child;
            texts += " [" + fieldText(child) + "]";
        }
    if (log)
        std::fprintf(stderr, "no edit field holds \"%s\":%s\n", text.c_str(), texts.c_str());
    return nullptr;
}

// Ctrl+KEY as the keyboard sends it, into `edit`: the driver shares the
// program's input state for the while, so it can give the field the focus.
bool pressCtrlKey(HWND window, HWND edit, char key) {
    const DWORD own = GetCurrentThreadId();
    const DWORD program = GetWindowThreadProcessId(edit, nullptr);
    if (!AttachThreadInput(own, program, TRUE))
        return false;
    SetForegroundWindow(window);
    SetFocus(edit);
    INPUT input[4] = {};
    const WORD keys[4] = {VK_CONTROL, static_cast<WORD>(key), static_cast<WORD>(key), VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = keys[i];
        input[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    const bool sent = SendInput(4, input, sizeof(INPUT)) == 4;
    // The program takes the keys before the input states part again.
    DWORD_PTR result = 0;
    Sleep(300);
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
    AttachThreadInput(own, program, FALSE);
    return sent;
}

// The button of the window captioned `text` (ampersands ignored) that can be
// pressed, waiting for it a while.
HWND buttonOf(HWND window, const std::string& text) {
    for (int tries = 0; tries < 100; ++tries) {
        for (HWND child : childrenOf(window))
            if (lstrcmpiA(classOf(child).c_str(), "Button") == 0 &&
                withoutAmpersands(windowText(child)) == withoutAmpersands(text) &&
                IsWindowVisible(child) && IsWindowEnabled(child))
                return child;
        Sleep(100);
    }
    return nullptr;
}

// The Nth edit field: the system's, or the program's field with a button
// (a class of its own made from the system's).
HWND editField(HWND window, int index) {
    for (HWND child : childrenOf(window)) {
        const std::string cls = classOf(child);
        if ((lstrcmpiA(cls.c_str(), "Edit") == 0 || cls == "ZQButtonEdit") && index-- == 0)
            return child;
    }
    return nullptr;
}

UINT keyCode(const std::string& name) {
    if (name.size() >= 2 && name[0] == 'F' && std::atoi(name.c_str() + 1) >= 1 &&
        std::atoi(name.c_str() + 1) <= 12)
        return VK_F1 + std::atoi(name.c_str() + 1) - 1;
    const struct {
        const char* name;
        UINT code;
    } keys[] = {{"HOME", VK_HOME}, {"END", VK_END},       {"UP", VK_UP},
                {"DOWN", VK_DOWN}, {"ESCAPE", VK_ESCAPE}, {"RETURN", VK_RETURN}};
    for (const auto& key : keys)
        if (name == key.name)
            return key.code;
    return 0;
}

void notifyParent(HWND control, WORD code) {
    PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

bool step(HWND& current, const std::string& name, const std::string& arg) {
    if (name == "wait") {
        current = waitForWindow(arg);
        // The window answers once its thread is back at its message loop,
        // so the work of a command pressed before has been done by then.
        DWORD_PTR result = 0;
        return current &&
               SendMessageTimeoutA(current, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result) != 0;
    }
    if (!current)
        return false;
    if (name == "command") {
        // Menus live in the program's own process and can't be read from
        // here; their items are chosen by command id.
        const UINT id = static_cast<UINT>(std::strtoul(arg.c_str(), nullptr, 0));
        return id != 0 && PostMessageA(current, WM_COMMAND, MAKEWPARAM(id, 0), 0) != FALSE;
    }
    if (name == "type") {
        const size_t colon = arg.find(':');
        HWND edit = editField(current, std::atoi(arg.substr(0, colon).c_str()));
        if (!edit || colon == std::string::npos)
            return false;
        // Replacing the whole text, as typing does, makes the field report
        // the change (to its combo box, too, which WM_SETTEXT would not).
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(arg.c_str() + colon + 1));
        return true;
    }
    if (name == "click") {
        HWND button = buttonOf(current, arg);
        if (!button)
            return false;
        // Logged with the window's texts, for a failing test to show.
        std::string texts;
        for (HWND part : childrenOf(current))
            if (lstrcmpiA(classOf(part).c_str(), "Static") == 0)
                texts += " [" + windowText(part) + "]";
        std::fprintf(stderr, "%s in \"%s\"%s\n", arg.c_str(), windowText(current).c_str(),
                     texts.c_str());
        notifyParent(button, BN_CLICKED);
        // A button that ends a dialog: wait until it is gone.
        for (int wait = 0; wait < 50 && IsWindowVisible(current); ++wait)
            Sleep(100);
        return true;
    }
    if (name == "check") {
        HWND box = buttonOf(current, arg);
        return box && PostMessageA(box, BM_CLICK, 0, 0) != FALSE;
    }
    if (name == "key") {
        const UINT key = keyCode(arg);
        // The control with the focus when it is in this window, else the
        // first one Tab would give the focus to.
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        HWND target = nullptr;
        if (GetGUIThreadInfo(GetWindowThreadProcessId(current, nullptr), &info) && info.hwndFocus &&
            (info.hwndFocus == current || IsChild(current, info.hwndFocus)))
            target = info.hwndFocus;
        if (!target)
            target = GetNextDlgTabItem(current, nullptr, FALSE);
        if (!target)
            target = current;
        return key != 0 && PostMessageA(target, WM_KEYDOWN, key, 1) != FALSE &&
               PostMessageA(target, WM_KEYUP, key, 0xC0000001) != FALSE;
    }
    if (name == "mouse") {
        const size_t colon = arg.find(':'), comma = arg.find(',');
        if (colon == std::string::npos || comma == std::string::npos || comma < colon)
            return false;
        HWND control = childOfClass(current, arg.substr(0, colon).c_str(), 0);
        const LPARAM at =
            MAKELPARAM(std::atoi(arg.c_str() + colon + 1), std::atoi(arg.c_str() + comma + 1));
        return control && PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at) != FALSE &&
               PostMessageA(control, WM_LBUTTONUP, 0, at) != FALSE;
    }
    if (name == "bounds") {
        RECT r;
        if (!GetWindowRect(current, &r))
            return false;
        std::printf("%s=%ld,%ld,%ld,%ld\n", arg.c_str(), r.left, r.top, r.right - r.left,
                    r.bottom - r.top);
        std::fflush(stdout);
        return true;
    }
    if (name == "tab") {
        HWND tabs = childOfClass(current, "SysTabControl32", 0);
        if (!tabs)
            return false;
        const int wanted = std::atoi(arg.c_str());
        for (int tries = 0; tries < 10; ++tries) {
            const int now = static_cast<int>(SendMessageA(tabs, 0x130B /* TCM_GETCURSEL */, 0, 0));
            if (now == wanted)
                return true;
            SendMessageA(tabs, WM_SETFOCUS, 0, 0);
            PostMessageA(tabs, WM_KEYDOWN, now < wanted ? VK_RIGHT : VK_LEFT, 0);
            Sleep(300);
        }
        return false;
    }
    if (name == "retype") {
        const size_t colon = arg.find(':');
        HWND edit =
            colon == std::string::npos ? nullptr : editHolding(current, arg.substr(0, colon));
        if (!edit)
            return false;
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(arg.c_str() + colon + 1));
        return true;
    }
    if (name == "ctrl") {
        const size_t colon = arg.rfind(':');
        HWND edit =
            colon == std::string::npos ? nullptr : editHolding(current, arg.substr(0, colon));
        return edit && colon + 2 == arg.size() && pressCtrlKey(current, edit, arg[colon + 1]);
    }
    if (name == "field") {
        for (int tries = 0; tries < 30; ++tries) {
            if (editHolding(current, arg, false))
                return true;
            Sleep(100);
        }
        return editHolding(current, arg) != nullptr;
    }
    if (name == "select") {
        HWND list = childOfClass(current, "ListBox", 0);
        if (!list)
            return false;
        const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(arg.c_str()));
        if (index == LB_ERR)
            return false;
        SendMessageA(list, LB_SETCURSEL, index, 0);
        notifyParent(list, LBN_SELCHANGE);
        Sleep(300);
        return true;
    }
    if (name == "items") {
        // The item list as shown: "NAME=count", "NAME_found=a|b" (those of
        // the texts asked for that it lists) and "NAME_selected=a" (the one
        // of them selected). Texts are asked for by name: an item's text
        // can't be read from another process under Wine.
        const size_t colon = arg.find(':');
        const std::string label = arg.substr(0, colon);
        HWND list = childOfClass(current, "ListBox", 0);
        if (!list)
            return false;
        const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
        std::string found, chosen;
        for (size_t at = colon; at != std::string::npos && at < arg.size();) {
            const size_t bar = arg.find('|', at + 1);
            const std::string text = arg.substr(at + 1, bar == std::string::npos ? bar : bar - at - 1);
            at = bar;
            const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(text.c_str()));
            if (index == LB_ERR)
                continue;
            found += (found.empty() ? "" : "|") + text;
            if (index == selected)
                chosen = text;
        }
        std::printf("%s=%d\n%s_found=%s\n%s_selected=%s\n", label.c_str(),
                    static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)), label.c_str(),
                    found.c_str(), label.c_str(), chosen.c_str());
        std::fflush(stdout);
        return true;
    }
    if (name == "show" && arg == "minimized") {
        ShowWindow(current, SW_MINIMIZE);
        return IsIconic(current) != FALSE;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: windrive PID STEP...\n");
        return 2;
    }
    gPid = static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10));
    HWND current = nullptr;
    for (int i = 2; i < argc; ++i) {
        const std::string text = argv[i];
        const size_t equals = text.find('=');
        if (equals == std::string::npos ||
            !step(current, text.substr(0, equals), text.substr(equals + 1))) {
            std::fprintf(stderr, "step failed: %s\n", argv[i]);
            return 3;
        }
    }
    return 0;
}
