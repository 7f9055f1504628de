#include "mainwindow/ConsoleMain.h"

#include "commands/CommandLine.h"

#include "platform/Win32.h"
#include "support/SystemFiles.h"
#include "support/SystemText.h"
#include "toolkit/SystemFunctions.h"

namespace {

// Writes to a Windows handle, each "\n" as "\r\n" as console programs do;
// a handle that can't be written to takes the text and drops it. A console
// on the NT family takes UTF-16 (WriteConsoleW), so every character shows as
// it is; a file or a pipe, and the console on the 95 family, take the text
// in the ANSI code page, as scripts and other programs read it.
class THandleWriter : public TTextWriter {
public:
    explicit THandleWriter(HANDLE handle) : handle_(handle) {
        DWORD mode = 0;
        console_ = WideSystem() && usable() && GetConsoleMode(handle_, &mode);
    }
    ~THandleWriter() override { Flush(); }
    THandleWriter(const THandleWriter&) = delete;
    THandleWriter& operator=(const THandleWriter&) = delete;

    void Write(const char* text, std::size_t size) override {
        for (std::size_t i = 0; i < size; ++i) {
            if (text[i] == '\n')
                pending_ += '\r';
            pending_ += text[i];
        }
        // Whole lines only, so that no character is cut in two.
        if (pending_.size() >= 4096) {
            const std::size_t end = pending_.rfind('\n');
            if (end != std::string::npos) {
                Put(pending_.substr(0, end + 1));
                pending_.erase(0, end + 1);
            }
        }
    }
    void Flush() {
        Put(pending_);
        pending_.clear();
    }

private:
    bool usable() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }

    void Put(const std::string& text) {
        if (text.empty() || !usable())
            return;
        DWORD written = 0;
        if (console_) {
            const WideString wide = WideFromUtf8(text);
            SYSTEM_FUNCTION("kernel32.dll", WriteConsoleW)(
                handle_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
            return;
        }
        const std::string ansi = AnsiFromUtf8(text);
        WriteFile(handle_, ansi.data(), static_cast<DWORD>(ansi.size()), &written, nullptr);
    }

    HANDLE handle_;
    bool console_ = false;
    std::string pending_;
};

// A program of the windows subsystem gets standard handles only when its
// caller redirected them; otherwise its text goes to the caller's console.
// AttachConsole is looked up: Windows 95 to 2000 do not have it.
void ReachCallersConsole() {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE && err && err != INVALID_HANDLE_VALUE)
        return;
    if (!AttachParentConsole())
        return;
    const auto open = [] {
        return OpenSystemFile("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                              OPEN_EXISTING, 0);
    };
    if (!out || out == INVALID_HANDLE_VALUE)
        SetStdHandle(STD_OUTPUT_HANDLE, open());
    if (!err || err == INVALID_HANDLE_VALUE)
        SetStdHandle(STD_ERROR_HANDLE, open());
}

} // namespace

int RunConsole(const std::vector<std::string>& args, const std::string& settingsPath) {
    ReachCallersConsole();
    THandleWriter out(GetStdHandle(STD_OUTPUT_HANDLE));
    THandleWriter err(GetStdHandle(STD_ERROR_HANDLE));
    const int code = RunCommandLine(args, settingsPath, out, err);
    out.Flush();
    err.Flush();
    return code;
}
