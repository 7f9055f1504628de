#include "toolkit/SystemFunctions.h"

#include <cstddef>

#include <commctrl.h>
#include <shlwapi.h>

#include "support/ZQRoutines.h"
#include "toolkit/SystemWindows.h"

// The sizes ZQRoutines decides on are those of the platform's layouts.
static_assert(sizeof(TTTOOLINFOA) == 48 && offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM) == 44 &&
                  offsetof(TTTOOLINFOA, lpszText) + sizeof(LPSTR) == 40,
              "TTTOOLINFOA: 48 bytes, 44 up to lParam, 40 up to lpszText");
static_assert(sizeof(TTTOOLINFOW) == sizeof(TTTOOLINFOA), "the wide tool info as large");

HWND RootWindow(HWND window) {
    using TGetAncestor = HWND(WINAPI*)(HWND, UINT);
    static const auto getAncestor = SystemFunction<TGetAncestor>("user32.dll", "GetAncestor");
    if (getAncestor)
        return getAncestor(window, GA_ROOT);
    // GetParent answers the owner of a top-level window: followed only from
    // a child.
    while (window && (WindowStyle(window) & WS_CHILD)) {
        const HWND parent = GetParent(window);
        if (!parent)
            break;
        window = parent;
    }
    return window;
}

HWND ComboBoxEdit(HWND combo) {
    using TGetComboBoxInfo = BOOL(WINAPI*)(HWND, COMBOBOXINFO*);
    static const auto getInfo = SystemFunction<TGetComboBoxInfo>("user32.dll", "GetComboBoxInfo");
    if (getInfo) {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        // A list-only box has no edit field (some systems name the box itself).
        if (!getInfo(combo, &info) || info.hwndItem == combo)
            return nullptr;
        return info.hwndItem;
    }
    return FindChildWindow(combo, "Edit");
}

namespace {

const UINT_PTR kLeaveTimer = 0x4C56;

// Every tenth of a second while the pointer is over the window: once it is
// not, the window is told as TrackMouseEvent would tell it.
void CALLBACK LookForLeave(HWND window, UINT, UINT_PTR id, DWORD) {
    POINT at;
    GetCursorPos(&at);
    const HWND under = WindowFromPoint(at);
    if (under == window || IsChild(window, under))
        return;
    KillTimer(window, id);
    PostWindowMessage(window, WM_MOUSELEAVE);
}

} // namespace

void TrackMouseLeave(HWND window) {
    using TTrack = BOOL(WINAPI*)(TRACKMOUSEEVENT*);
    static const auto track = [] {
        const auto user = SystemFunction<TTrack>("user32.dll", "TrackMouseEvent");
        return user ? user : SystemFunction<TTrack>("comctl32.dll", "_TrackMouseEvent");
    }();
    TRACKMOUSEEVENT request = {sizeof request, TME_LEAVE, window, 0};
    if (!track || !track(&request))
        SetTimer(window, kLeaveTimer, 100, LookForLeave);
}

DWORD WaitForEventOrMessages(HANDLE event, DWORD milliseconds, DWORD wake) {
    using TWaitEx = DWORD(WINAPI*)(DWORD, const HANDLE*, DWORD, DWORD, DWORD);
    static const auto waitEx = SystemFunction<TWaitEx>("user32.dll", "MsgWaitForMultipleObjectsEx");
    if (waitEx)
        return waitEx(1, &event, milliseconds, wake, MWMO_INPUTAVAILABLE);
    return MsgWaitForMultipleObjects(1, &event, FALSE, milliseconds, wake);
}

HANDLE CreateUnsetEvent() {
    return CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

void InitCommonControlClasses(DWORD classes) {
    using TInitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initEx = SystemFunction<TInitEx>("comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX request = {sizeof request, classes};
    if (!initEx || !initEx(&request))
        InitCommonControls();
}

UINT ToolInfoSize() {
    static const UINT size = [] {
        const auto getVersion = SystemFunction<DLLGETVERSIONPROC>("comctl32.dll", "DllGetVersion");
        DLLVERSIONINFO version = {};
        version.cbSize = sizeof version;
        if (!getVersion || FAILED(getVersion(&version)))
            return ToolInfoSizeOf(0, 0);
        return ToolInfoSizeOf(version.dwMajorVersion, version.dwMinorVersion);
    }();
    return size;
}

bool AttachParentConsole() {
    using TAttachConsole = BOOL(WINAPI*)(DWORD);
    const auto attach = SystemFunction<TAttachConsole>("kernel32.dll", "AttachConsole");
    return attach && attach(static_cast<DWORD>(-1)); // ATTACH_PARENT_PROCESS
}
