// Finding windows of another process and reading their texts: the helpers
// winprobe's commands share.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace probe {

inline std::string windowText(HWND hwnd) {
    char buf[1024] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

inline std::string className(HWND hwnd) {
    char buf[256] = "";
    GetClassNameA(hwnd, buf, sizeof buf);
    return buf;
}

template <typename T> bool contains(const std::vector<T>& items, const T& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

inline bool sameText(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

inline BOOL CALLBACK collectProcessWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->pid && IsWindowVisible(hwnd))
        search->found.push_back(hwnd);
    return TRUE;
}

inline BOOL CALLBACK collectChild(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

// Visible top-level windows of one process.
inline std::vector<HWND> processWindows(DWORD pid) {
    WindowSearch search{pid, {}};
    EnumWindows(collectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline HWND findWindow(DWORD pid, const std::string& caption) {
    for (HWND hwnd : processWindows(pid))
        if (windowText(hwnd) == caption)
            return hwnd;
    return nullptr;
}

inline std::vector<HWND> children(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace probe
