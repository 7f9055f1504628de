// winprobe: drives a Windows GUI program from outside, for the end-to-end
// test and the run command. It runs under Wine beside the program (both
// processes talk to the same wineserver) and prints what it finds as
// key=value lines.
//
//   winprobe launch EXE [--caption TEXT] [--timeout SEC] [--dismiss CAPTION]
//                       [--no-status] [--close]
//       starts EXE (working folder: the exe's folder), answers every dialog
//       captioned CAPTION with its "OK" button, waits until a visible
//       top-level window of the process has the caption and, unless
//       --no-status, until panel 0 of its status bar reads "N/M" and its item
//       list is filled. Prints pid, the milliseconds from launch to the
//       visible window and to the filled list, and the status text. With
//       --close it then closes the window and waits for the process to end.
//   winprobe run EXE [--timeout SEC]
//       starts EXE (working folder: the exe's folder) and waits until it
//       ends. Prints pid, exit_ms (launch to end) and exit_code; the
//       program's own output goes where winprobe's goes. A benchmark times a
//       console program this way and a window program with launch, so that
//       both times start at the same CreateProcess.
//   winprobe close PID [--caption TEXT] [--timeout SEC]
//       posts WM_CLOSE to the process's window and waits for the process.
//   winprobe kill PID [--timeout SEC]
//       ends the process at once, as a crash would (TerminateProcess: no
//       window is closed, nothing of the program runs), and waits until it
//       is gone. Prints exit_code.
//   winprobe find EXENAME [--caption TEXT] [--timeout SEC]
//       waits until a process of that file name (EXENAME without its folder)
//       shows a window with the caption, and prints its pid.
//   winprobe status PID [--caption TEXT]
//       prints the status bar's panel 0.
//   winprobe version FILE
//       prints the twelve strings of FILE's version record as the program's
//       about box reads them (bytes outside ASCII as \xNN).
//   winprobe select|type|press PID ...
//       work the program's window as a user would (see ProbeDrive.h).
//   winprobe record FILE [ARG...]
//       appends its arguments after FILE, joined by blanks, as one line to
//       FILE and ends: a stand-in for a web browser that shows what a
//       program asked it to open.
//   winprobe foreground
//       prints the pid and caption of the process whose window is in the
//       foreground, and whether it is minimized.
//   winprobe counts
//       prints what a scan of HKEY_CLASSES_ROOT should count, found here
//       with the plain registry API: the keys named like an extension and
//       the distinct class names (case-insensitive, the empty name
//       included) in their default values.
//
// Under Wine the started program holds on to winprobe's standard output (the
// Unix descriptor passes to it), so a shell should send winprobe's output to a
// file, not read it through a pipe that stays open while the program runs.
//
// Exit status: 0 done, 2 usage, 3 failure (process ended, no such window),
// 4 timeout. On failure the visible windows of the process are listed.
#include <windows.h>
// commctrl.h builds on windows.h, so it comes second.
#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ProbeDrive.h"
#include "ProbeWindows.h"

using namespace probe;

namespace {

const char* const kMainCaption = "Corvix - Adaptation of Extensions";

struct Options {
    std::string caption = kMainCaption;
    std::vector<std::string> dismiss;
    DWORD timeoutMs = 60000;
    bool waitForStatus = true;
    bool close = false;
};

class Handle {
public:
    explicit Handle(HANDLE h = nullptr) : h_(h) {}
    ~Handle() {
        if (h_)
            CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

class Clock {
public:
    Clock() {
        QueryPerformanceFrequency(&freq_);
        QueryPerformanceCounter(&start_);
    }
    long ms() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<long>((now.QuadPart - start_.QuadPart) * 1000 / freq_.QuadPart);
    }

private:
    LARGE_INTEGER freq_, start_;
};

// The text of a status bar panel of a window in another process. SB_GETTEXT
// writes into a buffer of the caller, which must lie in the status bar's own
// address space: the buffer is allocated there and read back.
bool statusText(HANDLE process, HWND window, int panel, std::string& text) {
    HWND bar = nullptr;
    for (HWND child : children(window)) {
        std::string cls = className(child);
        for (char& c : cls)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (cls.find("statusbar") != std::string::npos) {
            bar = child;
            break;
        }
    }
    if (!bar)
        return false;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(bar, SB_GETTEXTLENGTHA, panel, 0, SMTO_ABORTIFHUNG, 2000, &result))
        return false;
    const SIZE_T size = LOWORD(result) + 1;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (!remote)
        return false;
    std::vector<char> buf(size + 1, '\0');
    SIZE_T read = 0;
    bool ok = SendMessageTimeoutA(bar, SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(remote),
                                  SMTO_ABORTIFHUNG, 2000, &result) &&
              ReadProcessMemory(process, remote, buf.data(), size, &read);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (ok)
        text = buf.data();
    return ok;
}

// The largest item count of the window's visible list boxes.
int listCount(HWND window) {
    int most = 0;
    for (HWND child : children(window)) {
        if (!sameText(className(child), "ListBox") || !IsWindowVisible(child))
            continue;
        DWORD_PTR count = 0;
        if (SendMessageTimeoutA(child, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count) &&
            static_cast<int>(count) > most)
            most = static_cast<int>(count);
    }
    return most;
}

// "N/M" with two decimal numbers; N is returned.
bool parseCounts(const std::string& text, long& extensions) {
    const char* p = text.c_str();
    char* end = nullptr;
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return false;
    extensions = std::strtol(p, &end, 10);
    if (*end != '/' || !std::isdigit(static_cast<unsigned char>(end[1])))
        return false;
    std::strtol(end + 1, &end, 10);
    return *end == '\0';
}

std::string oneLine(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\r')
            continue;
        out += c == '\n' ? ' ' : c;
    }
    return out;
}

void listWindows(DWORD pid) {
    for (HWND hwnd : processWindows(pid)) {
        std::printf("window=%s [%s]", oneLine(windowText(hwnd)).c_str(), className(hwnd).c_str());
        for (HWND child : children(hwnd)) {
            std::string t = windowText(child);
            if (!t.empty())
                std::printf(" | %s", oneLine(t).c_str());
        }
        std::printf("\n");
    }
}

// Answers a dialog: prints its texts and presses its "OK" button (or closes it).
void dismissDialog(HWND dialog) {
    std::string texts;
    HWND ok = nullptr;
    for (HWND child : children(dialog)) {
        std::string t = windowText(child);
        if (sameText(className(child), "Button") && (t == "OK" || t == "&OK"))
            ok = child;
        else if (!t.empty())
            texts += (texts.empty() ? "" : " | ") + oneLine(t);
    }
    std::printf("dialog=%s: %s\n", windowText(dialog).c_str(), texts.c_str());
    std::fflush(stdout);
    DWORD_PTR ignored;
    if (ok)
        SendMessageTimeoutA(ok, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    else
        PostMessageA(dialog, WM_CLOSE, 0, 0);
}

int closeAndWait(HANDLE process, DWORD pid, const Options& opt) {
    HWND window = findWindow(pid, opt.caption);
    if (!window) {
        std::printf("error=no visible window \"%s\" in process %lu\n", opt.caption.c_str(),
                    static_cast<unsigned long>(pid));
        listWindows(pid);
        return 3;
    }
    Clock clock;
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, opt.timeoutMs) != WAIT_OBJECT_0) {
        std::printf("error=the process did not end within %lu ms after WM_CLOSE\n",
                    static_cast<unsigned long>(opt.timeoutMs));
        listWindows(pid);
        return 4;
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    std::printf("closed_ms=%ld\nexit_code=%lu\n", clock.ms(), static_cast<unsigned long>(code));
    return 0;
}

// Starts EXE in its own folder; false (and a printed error) when it can't.
bool start(const std::string& exe, PROCESS_INFORMATION& pi) {
    const auto slash = exe.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : exe.substr(0, slash);
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    pi = PROCESS_INFORMATION{};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        return true;
    std::printf("error=cannot start %s (error %lu)\n", exe.c_str(),
                static_cast<unsigned long>(GetLastError()));
    return false;
}

int run(const std::string& exe, const Options& opt) {
    PROCESS_INFORMATION pi;
    Clock clock;
    if (!start(exe, pi))
        return 3;
    Handle process(pi.hProcess), thread(pi.hThread);
    if (WaitForSingleObject(process.get(), opt.timeoutMs) != WAIT_OBJECT_0) {
        std::printf("error=%s did not end within %lu ms\n", exe.c_str(),
                    static_cast<unsigned long>(opt.timeoutMs));
        return 4;
    }
    const long elapsed = clock.ms();
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    std::printf("pid=%lu\nexit_ms=%ld\nexit_code=%lu\n", static_cast<unsigned long>(pi.dwProcessId),
                elapsed, static_cast<unsigned long>(code));
    return 0;
}

int launch(const std::string& exe, const Options& opt) {
    PROCESS_INFORMATION pi;
    Clock clock;
    if (!start(exe, pi))
        return 3;
    Handle process(pi.hProcess), thread(pi.hThread);
    std::printf("pid=%lu\n", static_cast<unsigned long>(pi.dwProcessId));
    std::fflush(stdout);

    long visibleMs = -1;
    std::vector<HWND> answered;
    for (;;) {
        if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.get(), &code);
            std::printf("error=the program ended (exit code %lu) before its window was ready\n",
                        static_cast<unsigned long>(code));
            return 3;
        }
        for (HWND hwnd : processWindows(pi.dwProcessId)) {
            if (!contains(opt.dismiss, windowText(hwnd)) || contains(answered, hwnd))
                continue;
            answered.push_back(hwnd);
            dismissDialog(hwnd);
        }
        HWND window = findWindow(pi.dwProcessId, opt.caption);
        if (window && visibleMs < 0) {
            visibleMs = clock.ms();
            std::printf("window_ms=%ld\n", visibleMs);
            std::fflush(stdout);
        }
        if (window && !opt.waitForStatus)
            break;
        std::string status;
        long extensions = 0;
        if (window && statusText(process.get(), window, 0, status) &&
            parseCounts(status, extensions) && (extensions == 0 || listCount(window) > 0)) {
            std::printf("ready_ms=%ld\nstatus=%s\nlist_items=%d\nscreen=%dx%d\n", clock.ms(),
                        status.c_str(), listCount(window), GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN));
            break;
        }
        if (clock.ms() > static_cast<long>(opt.timeoutMs)) {
            std::printf("error=timeout after %lu ms waiting for %s\n",
                        static_cast<unsigned long>(opt.timeoutMs),
                        window ? "the status bar's count text" : "the window");
            if (window)
                std::printf("status=%s\n", status.c_str());
            listWindows(pi.dwProcessId);
            return 4;
        }
        Sleep(20);
    }
    std::fflush(stdout);
    return opt.close ? closeAndWait(process.get(), pi.dwProcessId, opt) : 0;
}

int killAndWait(HANDLE process, const Options& opt) {
    if (!TerminateProcess(process, 9) ||
        WaitForSingleObject(process, opt.timeoutMs) != WAIT_OBJECT_0) {
        std::printf("error=the process could not be ended (error %lu)\n",
                    static_cast<unsigned long>(GetLastError()));
        return 4;
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    std::printf("exit_code=%lu\n", static_cast<unsigned long>(code));
    return 0;
}

int withProcess(const char* pidText, const Options& opt, bool close, bool kill = false) {
    DWORD pid = std::strtoul(pidText, nullptr, 10);
    Handle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid));
    if (!process.get()) {
        std::printf("error=no process %lu\n", static_cast<unsigned long>(pid));
        return 3;
    }
    if (kill)
        return killAndWait(process.get(), opt);
    if (close)
        return closeAndWait(process.get(), pid, opt);
    HWND window = findWindow(pid, opt.caption);
    std::string status;
    if (!window || !statusText(process.get(), window, 0, status)) {
        std::printf("error=no status bar in a window \"%s\"\n", opt.caption.c_str());
        return 3;
    }
    std::printf("status=%s\n", status.c_str());
    return 0;
}

// find: the process of that file name (without its folder, any case) whose
// window with the caption shows; its pid.
int find(const char* exeName, const Options& opt) {
    const DWORD start = GetTickCount();
    do {
        Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot.get(), &entry); more;
             more = Process32Next(snapshot.get(), &entry)) {
            const char* slash = std::strrchr(entry.szExeFile, '\\');
            if (lstrcmpiA(slash ? slash + 1 : entry.szExeFile, exeName) == 0 &&
                findWindow(entry.th32ProcessID, opt.caption)) {
                std::printf("pid=%lu\n", static_cast<unsigned long>(entry.th32ProcessID));
                return 0;
            }
        }
        Sleep(100);
    } while (GetTickCount() - start < opt.timeoutMs);
    std::printf("error=no window \"%s\" of %s\n", opt.caption.c_str(), exeName);
    return 3;
}

int version(const char* file) {
    static const char* const names[] = {"CompanyName",      "FileDescription", "FileVersion",
                                        "InternalName",     "LegalCopyright",  "LegalTrademarks",
                                        "OriginalFilename", "ProductName",     "ProductVersion",
                                        "Comments",         "Homepage",        "E-mail"};
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    std::vector<char> block(size ? size : 1);
    if (!size || !GetFileVersionInfoA(file, 0, size, block.data())) {
        std::printf("error=no version record in %s\n", file);
        return 3;
    }
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < 4) {
        std::printf("error=no translation table\n");
        return 3;
    }
    char language[16];
    std::snprintf(language, sizeof language, "%04X%04X", translation[0], translation[1]);
    std::printf("Translation=%s\n", language);
    for (const char* name : names) {
        std::string path = std::string("\\StringFileInfo\\") + language + "\\" + name;
        char* value = nullptr;
        std::string shown;
        if (VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) &&
            value) {
            for (const char* p = value; *p; ++p) {
                unsigned char c = static_cast<unsigned char>(*p);
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\x%02X", c);
                shown += c < 0x80 ? std::string(1, *p) : std::string(esc);
            }
        }
        std::printf("%s=%s\n", name, shown.c_str());
    }
    return 0;
}

// An extension name: a point, then at least one character that is no point,
// blank or one of the characters Windows forbids in file names.
bool isExtensionName(const std::string& name) {
    if (name.size() < 2 || name[0] != '.')
        return false;
    // By character (CharNextA): in a Far East code page the second byte of a
    // character may be "\" or "|".
    for (const char* c = name.c_str() + 1; *c;) {
        const char* next = CharNextA(c);
        if (next == c + 1 && std::strchr(". \"*/:<>?\\|", *c))
            return false;
        c = next;
    }
    return true;
}

int counts() {
    std::vector<std::string> classes;
    long extensions = 0;
    char name[1024];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        LONG rc =
            RegEnumKeyExA(HKEY_CLASSES_ROOT, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS)
            break;
        if (rc != ERROR_SUCCESS) {
            std::printf("error=cannot list HKEY_CLASSES_ROOT (error %ld)\n", rc);
            return 3;
        }
        if (!isExtensionName(name))
            continue;
        ++extensions;
        std::string cls;
        HKEY key;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            char value[1024] = "";
            DWORD size = sizeof value - 1, type = 0;
            if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value),
                                 &size) == ERROR_SUCCESS &&
                (type == REG_SZ || type == REG_EXPAND_SZ))
                cls.assign(value, strnlen(value, size));
            RegCloseKey(key);
        }
        bool known = false;
        for (const std::string& c : classes)
            known = known || CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, c.c_str(), -1,
                                            cls.c_str(), -1) == CSTR_EQUAL;
        if (!known)
            classes.push_back(cls);
    }
    std::printf("extensions=%ld\nclasses=%lu\nstatus=%ld/%lu\n", extensions,
                static_cast<unsigned long>(classes.size()), extensions,
                static_cast<unsigned long>(classes.size()));
    return 0;
}

int record(int argc, char** argv) {
    std::string line;
    for (int i = 3; i < argc; ++i)
        line += (i > 3 ? " " : "") + std::string(argv[i]);
    FILE* file = std::fopen(argv[2], "ab");
    if (!file)
        return 3;
    std::fprintf(file, "%s\n", line.c_str());
    return std::fclose(file) == 0 ? 0 : 3;
}

int foreground() {
    HWND window = GetForegroundWindow();
    DWORD pid = 0;
    char caption[256] = "";
    if (window) {
        GetWindowThreadProcessId(window, &pid);
        GetWindowTextA(window, caption, sizeof caption);
    }
    std::printf("pid=%lu\ncaption=%s\niconic=%d\n", static_cast<unsigned long>(pid), caption,
                window && IsIconic(GetAncestor(window, GA_ROOTOWNER)) ? 1 : 0);
    return window ? 0 : 3;
}

int usage() {
    std::fprintf(stderr, "usage: winprobe launch EXE [--caption TEXT] [--timeout SEC] "
                         "[--dismiss CAPTION] [--no-status] [--close]\n"
                         "       winprobe run EXE [--timeout SEC]\n"
                         "       winprobe close PID [--caption TEXT] [--timeout SEC]\n"
                         "       winprobe kill PID [--timeout SEC]\n"
                         "       winprobe find EXENAME [--caption TEXT] [--timeout SEC]\n"
                         "       winprobe status PID [--caption TEXT]\n"
                         "       winprobe version FILE\n"
                         "       winprobe select|type PID TEXT\n"
                         "       winprobe press PID CAPTION [--answer BUTTON]... [--timeout SEC]\n"
                         "       winprobe record FILE [ARG...]\n"
                         "       winprobe foreground\n"
                         "       winprobe counts\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "counts")
        return counts();
    if (argc == 2 && std::string(argv[1]) == "foreground")
        return foreground();
    if (argc >= 2 && isDriveCommand(argv[1])) {
        const int rc = drive(argc, argv);
        return rc == 2 ? usage() : rc;
    }
    if (argc >= 3 && std::string(argv[1]) == "record")
        return record(argc, argv);
    if (argc < 3)
        return usage();
    std::string command = argv[1];
    Options opt;
    for (int i = 3; i < argc; ++i) {
        std::string a = argv[i];
        bool hasValue = i + 1 < argc;
        if (a == "--caption" && hasValue)
            opt.caption = argv[++i];
        else if (a == "--timeout" && hasValue)
            opt.timeoutMs = std::strtoul(argv[++i], nullptr, 10) * 1000;
        else if (a == "--dismiss" && hasValue)
            opt.dismiss.push_back(argv[++i]);
        else if (a == "--no-status")
            opt.waitForStatus = false;
        else if (a == "--close")
            opt.close = true;
        else
            return usage();
    }
    int rc;
    if (command == "launch")
        rc = launch(argv[2], opt);
    else if (command == "run")
        rc = run(argv[2], opt);
    else if (command == "close")
        rc = withProcess(argv[2], opt, true);
    else if (command == "kill")
        rc = withProcess(argv[2], opt, false, true);
    else if (command == "status")
        rc = withProcess(argv[2], opt, false);
    else if (command == "version")
        rc = version(argv[2]);
    else if (command == "find")
        rc = find(argv[2], opt);
    else
        rc = usage();
    std::fflush(stdout);
    return rc;
}
