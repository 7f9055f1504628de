// corvix.com: the console front of corvix.exe. cmd.exe prefers a .com to an
// .exe of the same name, so "corvix --list extensions" typed in a console runs
// this small console program. It starts corvix.exe (the program of its own
// name and folder with ".exe") with the same arguments, waits for it and ends
// with its exit code, so that the prompt comes back when the command is done
// and %ERRORLEVEL% is the command's. Without arguments, or with those that
// only name the item the window starts at, it starts the window and ends at
// once.
//
// corvix.exe is a program of the windows subsystem: Windows 95 to 2000 give
// it no way to reach the console it was started from. Output that goes to a
// console therefore reaches corvix.exe as a pipe, and this program copies
// what comes through the pipe to its console; output that goes to a file or
// a pipe already is handed to corvix.exe as it is.
//
// On the NT family the wide functions carry the command line, so that
// arguments beyond the ANSI code page reach corvix.exe unchanged; the 95
// family has only the ANSI ones. Exit code 5 when corvix.exe can't be started.
#include "support/CommandTail.h"
#include "toolkit/SystemFunctions.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

const DWORD kCouldNotStart = 5;

bool IsNT() {
    return (GetVersion() & 0x80000000u) == 0;
}

// Copies what comes through a pipe to the console until corvix.exe ends.
struct TRelay {
    HANDLE from = nullptr;
    HANDLE to = nullptr;
};

DWORD WINAPI Relay(void* param) {
    const TRelay& relay = *static_cast<TRelay*>(param);
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(relay.from, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        DWORD written = 0;
        WriteFile(relay.to, buffer, read, &written, nullptr);
    }
    return 0;
}

// One standard handle of this program as corvix.exe gets it: a console's
// output through a pipe that `relay` empties, anything else as an
// inheritable copy of the handle itself. Null when there is none.
class TPassedHandle {
public:
    TPassedHandle(DWORD which, bool output) {
        const HANDLE own = GetStdHandle(which);
        if (!own || own == INVALID_HANDLE_VALUE)
            return;
        DWORD mode = 0;
        if (output && GetConsoleMode(own, &mode)) {
            SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
            HANDLE read = nullptr;
            if (!CreatePipe(&read, &passed_, &inherit, 0))
                return;
            // The end this program reads must not be inherited, or the pipe
            // would stay open in corvix.exe and never end.
            HANDLE ownRead = nullptr;
            DuplicateHandle(GetCurrentProcess(), read, GetCurrentProcess(), &ownRead, 0, FALSE,
                            DUPLICATE_SAME_ACCESS);
            CloseHandle(read);
            relay_.from = ownRead;
            relay_.to = own;
        } else {
            DuplicateHandle(GetCurrentProcess(), own, GetCurrentProcess(), &passed_, 0, TRUE,
                            DUPLICATE_SAME_ACCESS);
        }
    }
    ~TPassedHandle() {
        ClosePassed();
        if (thread_) {
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
        }
        if (relay_.from)
            CloseHandle(relay_.from);
    }
    TPassedHandle(const TPassedHandle&) = delete;
    TPassedHandle& operator=(const TPassedHandle&) = delete;

    HANDLE Get() const { return passed_; }
    // After corvix.exe has started: this program's copy of its end goes,
    // and the copying begins.
    void Started() {
        ClosePassed();
        if (relay_.from) {
            DWORD id = 0;
            thread_ = CreateThread(nullptr, 0, Relay, &relay_, 0, &id);
        }
    }

private:
    void ClosePassed() {
        if (passed_)
            CloseHandle(passed_);
        passed_ = nullptr;
    }

    HANDLE passed_ = nullptr;
    TRelay relay_;
    HANDLE thread_ = nullptr;
};

// The command line that starts corvix.exe beside this program with this
// program's arguments, and whether they run a command it must wait for.
template <typename Char> struct TStart {
    std::basic_string<Char> program;
    std::basic_string<Char> line;
    bool runsCommand = false;
};

template <typename Char>
TStart<Char> StartOf(const std::basic_string<Char>& ownPath, const std::basic_string<Char>& own) {
    TStart<Char> start;
    // The program of the same name with ".exe" (a renamed pair still finds
    // each other).
    const size_t slash = ownPath.find_last_of(Char('\\'));
    const size_t dot = ownPath.find_last_of(Char('.'));
    const std::string exe = ".exe";
    start.program =
        ownPath.substr(0, dot != std::basic_string<Char>::npos &&
                                  (slash == std::basic_string<Char>::npos || dot > slash)
                              ? dot
                              : ownPath.size());
    start.program.append(exe.begin(), exe.end());
    const std::basic_string<Char> tail = CommandTail(own);
    // Arguments that start the window at an item are passed on without
    // waiting, as a start without arguments.
    start.runsCommand = !StartsWindow(SplitArguments(tail));
    start.line = Char('"') + start.program + Char('"');
    if (!tail.empty())
        start.line += Char(' ') + tail;
    return start;
}

void Complain(const std::string& text) {
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    if (err && err != INVALID_HANDLE_VALUE)
        WriteFile(err, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// Starts corvix.exe with `startup`; the process handle, null when it failed.
HANDLE StartProgram(STARTUPINFOA& startup, bool& runsCommand, std::string& program) {
    PROCESS_INFORMATION process = {};
    BOOL started = FALSE;
    using TModuleFileName = DWORD(WINAPI*)(HMODULE, wchar_t*, DWORD);
    using TCommandLine = wchar_t*(WINAPI*)();
    using TCreateProcess =
        BOOL(WINAPI*)(const wchar_t*, wchar_t*, SECURITY_ATTRIBUTES*, SECURITY_ATTRIBUTES*, BOOL,
                      DWORD, void*, const wchar_t*, STARTUPINFOW*, PROCESS_INFORMATION*);
    // The wide functions are looked up: Windows 95 would refuse to load a
    // program that imports them.
    const auto moduleFileName =
        SystemFunction<TModuleFileName>("kernel32.dll", "GetModuleFileNameW");
    const auto commandLine = SystemFunction<TCommandLine>("kernel32.dll", "GetCommandLineW");
    const auto createProcess = SystemFunction<TCreateProcess>("kernel32.dll", "CreateProcessW");
    if (IsNT() && moduleFileName && commandLine && createProcess) {
        wchar_t path[MAX_PATH];
        const DWORD length = moduleFileName(nullptr, path, MAX_PATH);
        const TStart<wchar_t> start = StartOf(std::wstring(path, length < MAX_PATH ? length : 0),
                                              std::wstring(commandLine()));
        runsCommand = start.runsCommand;
        STARTUPINFOW wide = {};
        wide.cb = sizeof wide;
        wide.dwFlags = startup.dwFlags;
        wide.hStdInput = startup.hStdInput;
        wide.hStdOutput = startup.hStdOutput;
        wide.hStdError = startup.hStdError;
        std::vector<wchar_t> line(start.line.begin(), start.line.end());
        line.push_back(L'\0');
        started = createProcess(start.program.c_str(), line.data(), nullptr, nullptr, runsCommand,
                                0, nullptr, nullptr, &wide, &process);
        program.assign(start.program.begin(), start.program.end()); // for a message only
    } else {
        char path[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        const TStart<char> start = StartOf(std::string(path, length < MAX_PATH ? length : 0),
                                           std::string(GetCommandLineA()));
        runsCommand = start.runsCommand;
        std::vector<char> line(start.line.begin(), start.line.end());
        line.push_back('\0');
        started = CreateProcessA(start.program.c_str(), line.data(), nullptr, nullptr, runsCommand,
                                 0, nullptr, nullptr, &startup, &process);
        program = start.program;
    }
    if (!started)
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

} // namespace

int main() {
    TPassedHandle input(STD_INPUT_HANDLE, false);
    TPassedHandle output(STD_OUTPUT_HANDLE, true);
    TPassedHandle error(STD_ERROR_HANDLE, true);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.Get();
    startup.hStdOutput = output.Get();
    startup.hStdError = error.Get();
    bool runsCommand = false;
    std::string program;
    const HANDLE process = StartProgram(startup, runsCommand, program);
    if (!process) {
        Complain("corvix: " + program + " could not be started (error " +
                 std::to_string(GetLastError()) + ").\r\n");
        return static_cast<int>(kCouldNotStart);
    }
    input.Started();
    output.Started();
    error.Started();
    DWORD code = 0;
    if (runsCommand) {
        WaitForSingleObject(process, INFINITE);
        if (!GetExitCodeProcess(process, &code))
            code = kCouldNotStart;
    }
    CloseHandle(process);
    return static_cast<int>(code);
}
