#include "ProbeDrive.h"

#include <cstdio>
#include <cstdlib>

#include "ProbeWindows.h"

using namespace probe;

namespace {

const char* const kMainCaption = "Corvix - Adaptation of Extensions";

HWND mainWindow(DWORD pid) {
    HWND window = findWindow(pid, kMainCaption);
    if (!window)
        std::printf("error=no main window in process %lu\n", static_cast<unsigned long>(pid));
    return window;
}

// Tells the control's parent what the control would have told it.
void notifyParent(HWND control, WORD code) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

int selectItem(DWORD pid, const std::string& text) {
    HWND window = mainWindow(pid);
    if (!window)
        return 3;
    HWND list = nullptr;
    LRESULT most = -1;
    for (HWND child : children(window)) {
        if (!sameText(className(child), "ListBox") || !IsWindowVisible(child))
            continue;
        const LRESULT count = SendMessageA(child, LB_GETCOUNT, 0, 0);
        if (count > most) {
            most = count;
            list = child;
        }
    }
    const LRESULT index = list ? SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(text.c_str()))
                               : LB_ERR;
    if (index == LB_ERR) {
        std::printf("error=%s is not listed\n", text.c_str());
        return 3;
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    notifyParent(list, LBN_SELCHANGE);
    std::printf("selected=%s\n", text.c_str());
    return 0;
}

int typeText(DWORD pid, const std::string& text) {
    HWND window = mainWindow(pid);
    if (!window)
        return 3;
    for (HWND child : children(window)) {
        if (!sameText(className(child), "ComboBox") || !IsWindowVisible(child))
            continue;
        SetWindowTextA(child, text.c_str());
        notifyParent(child, CBN_EDITCHANGE);
        std::printf("typed=%s\n", text.c_str());
        return 0;
    }
    std::printf("error=no combo box\n");
    return 3;
}

std::string oneLine(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), '\r'), s.end());
    std::replace(s.begin(), s.end(), '\n', ' ');
    return s;
}

// A box of the process other than the main window, or null.
HWND openBox(DWORD pid, HWND window) {
    for (HWND hwnd : processWindows(pid))
        if (hwnd != window)
            return hwnd;
    return nullptr;
}

int press(DWORD pid, const std::string& caption, const std::vector<std::string>& answers,
          DWORD timeoutMs) {
    HWND window = mainWindow(pid);
    if (!window)
        return 3;
    HWND button = nullptr;
    for (HWND child : children(window))
        if (sameText(className(child), "Button") && windowText(child) == caption &&
            IsWindowVisible(child) && IsWindowEnabled(child))
            button = child;
    if (!button) {
        std::printf("error=no enabled button %s\n", caption.c_str());
        return 3;
    }
    // Posted: the command may open a box that waits for an answer.
    PostMessageA(button, BM_CLICK, 0, 0);
    size_t answered = 0;
    const DWORD start = GetTickCount();
    int quiet = 0;
    while (GetTickCount() - start < timeoutMs) {
        Sleep(50);
        HWND box = openBox(pid, window);
        if (!box) {
            // Done once nothing has come up for a while (a box takes up to two
            // seconds to appear under Wine) and the window takes input.
            if (IsWindowEnabled(window) && ++quiet >= 80)
                break;
            continue;
        }
        quiet = 0;
        std::string texts;
        HWND answer = nullptr;
        for (HWND child : children(box)) {
            const std::string t = windowText(child);
            if (answered < answers.size() && sameText(className(child), "Button") &&
                t == answers[answered])
                answer = child;
            else if (!t.empty() && !sameText(className(child), "Button"))
                texts += (texts.empty() ? "" : " | ") + oneLine(t);
        }
        std::printf("dialog=%s: %s\n", windowText(box).c_str(), texts.c_str());
        std::fflush(stdout);
        if (!answer) {
            std::printf("error=no answer for this box\n");
            return 3;
        }
        ++answered;
        PostMessageA(answer, BM_CLICK, 0, 0);
        // Wait for the box to go before looking again.
        while (IsWindow(box) && IsWindowVisible(box) && GetTickCount() - start < timeoutMs)
            Sleep(20);
    }
    if (openBox(pid, window)) {
        std::printf("error=timeout with a box open\n");
        return 4;
    }
    std::printf("answered=%lu\n", static_cast<unsigned long>(answered));
    return answered == answers.size() ? 0 : 3;
}

} // namespace

bool isDriveCommand(const std::string& command) {
    return command == "select" || command == "type" || command == "press";
}

int drive(int argc, char** argv) {
    if (argc < 4)
        return 2;
    const std::string command = argv[1];
    const DWORD pid = std::strtoul(argv[2], nullptr, 10);
    const std::string text = argv[3];
    std::vector<std::string> answers;
    DWORD timeoutMs = 30000;
    for (int i = 4; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--answer" && i + 1 < argc)
            answers.push_back(argv[++i]);
        else if (a == "--timeout" && i + 1 < argc)
            timeoutMs = std::strtoul(argv[++i], nullptr, 10) * 1000;
        else
            return 2;
    }
    int rc = 2;
    if (command == "select")
        rc = selectItem(pid, text);
    else if (command == "type")
        rc = typeText(pid, text);
    else if (command == "press")
        rc = press(pid, text, answers, timeoutMs);
    std::fflush(stdout);
    return rc;
}
