#include "commands/ShellNotice.h"

#include "platform/Win32.h"

#ifdef _WIN32
#include <shlobj.h>
#endif

void NotifyAssociationsChanged() {
#ifdef _WIN32
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
#endif
}

void NotifyShellStateChanged() {
#ifdef _WIN32
    NotifyAssociationsChanged();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("ShellState"),
                        SMTO_ABORTIFHUNG, 1000, &ignored);
#endif
}
