#include "toolkit/FirstInstance.h"

#include "toolkit/SystemWindows.h"

TFirstInstance::TFirstInstance(const char* name)
    : mutex_(CreateMutexA(nullptr, FALSE, name)),
      first_(mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS) {}

TFirstInstance::~TFirstInstance() {
    if (mutex_)
        CloseHandle(mutex_);
}

bool BringWindowToFront(const char* windowClass, const char* caption, DWORD waitMs) {
    const DWORD pause = 100;
    HWND window = FindTopLevelWindow(windowClass, caption);
    for (DWORD waited = 0; !window && waited < waitMs; waited += pause) {
        Sleep(pause);
        window = FindTopLevelWindow(windowClass, caption);
    }
    if (!window)
        return false;
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    // While a modal dialog is open the window is disabled; the dialog is
    // what the user works with.
    SetForegroundWindow(GetLastActivePopup(window));
    return true;
}
