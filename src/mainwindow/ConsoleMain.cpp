#include "mainwindow/ConsoleMain.h"

#include "commands/CommandLine.h"

#include "platform/Win32.h"
#include "toolkit/SystemFunctions.h"

#include <ostream>
#include <streambuf>

namespace {

// A stream buffer that writes to a Windows handle, each "\n" as "\r\n" as
// console programs do; a handle that can't be written to takes the text and
// drops it.
class THandleBuffer : public std::streambuf {
public:
    explicit THandleBuffer(HANDLE handle) : handle_(handle) {}
    ~THandleBuffer() override { sync(); }

protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof())
            return traits_type::not_eof(c);
        if (c == '\n')
            pending_ += '\r';
        pending_ += static_cast<char>(c);
        if (pending_.size() >= 4096)
            sync();
        return c;
    }
    int sync() override {
        if (!pending_.empty() && handle_ && handle_ != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &written,
                      nullptr);
        }
        pending_.clear();
        return 0;
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
    THandleBuffer outBuffer(GetStdHandle(STD_OUTPUT_HANDLE));
    THandleBuffer errBuffer(GetStdHandle(STD_ERROR_HANDLE));
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    const int code = RunCommandLine(args, settingsPath, out, err);
    out.flush();
    err.flush();
    return code;
}
