#include "mainwindow/ConsoleMain.h"

#include "commands/CommandLine.h"

#include "platform/Win32.h"
#include "toolkit/SystemFunctions.h"

namespace {

// Writes to a Windows handle, each "\n" as "\r\n" as console programs do;
// a handle that can't be written to takes the text and drops it.
class THandleWriter : public TTextWriter {
public:
    explicit THandleWriter(HANDLE handle) : handle_(handle) {}
    ~THandleWriter() override { Flush(); }
    THandleWriter(const THandleWriter&) = delete;
    THandleWriter& operator=(const THandleWriter&) = delete;

    void Write(const char* text, std::size_t size) override {
        for (std::size_t i = 0; i < size; ++i) {
            if (text[i] == '\n')
                pending_ += '\r';
            pending_ += text[i];
        }
        if (pending_.size() >= 4096)
            Flush();
    }
    void Flush() {
        if (!pending_.empty() && handle_ && handle_ != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &written,
                      nullptr);
        }
        pending_.clear();
    }

private:
    HANDLE handle_;
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
        return CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
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
