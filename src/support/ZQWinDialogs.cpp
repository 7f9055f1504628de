#include "support/ZQWinDialogs.h"

#include <commdlg.h>

#include <cstddef>
#include <vector>

#include "../../res/resource.h"
#include "support/Exception.h"
#include "support/ResString.h"
#include "support/SystemFunction.h"
#include "support/SystemText.h"
#include "support/ZQRoutines.h"

namespace {

const int kShellPickIconOrdinal = 62;

// shell32.dll, loaded from program start to program end, and its picker.
class TShellBinding {
public:
    TShellBinding() : library_(LoadLibraryA("shell32.dll")) {
        if (!library_)
            return;
        FARPROC entry = GetProcAddress(library_, MAKEINTRESOURCEA(kShellPickIconOrdinal));
        const bool nt = WideSystem();
        // The export's type is known only by its number; the cast goes
        // through void* (a plain cast between function types is refused).
        void* address = reinterpret_cast<void*>(entry);
        if (nt)
            entries.wide = reinterpret_cast<TPickIconDlgW>(address);
        else
            entries.ansi = reinterpret_cast<TPickIconDlgA>(address);
    }
    ~TShellBinding() {
        if (library_)
            FreeLibrary(library_);
    }
    TShellBinding(const TShellBinding&) = delete;
    TShellBinding& operator=(const TShellBinding&) = delete;

    TPickIconEntries entries;

private:
    HMODULE library_;
};

TShellBinding& Shell() {
    static TShellBinding binding;
    return binding;
}

// The shell's buffer can't take the name; it is refused rather than cut.
ZQException FileNameTooLong(const std::string& fileName) {
    return ZQException("The icon file name is longer than " + std::to_string(MaxIconFileName) +
                       " characters:\r\n" + fileName);
}

// Bound when the program starts, as the other units' start-up code runs.
const bool kBoundAtStart = (Shell(), true);

} // namespace

TPickIconEntries PickIconEntries() {
    return Shell().entries;
}

TPickIconEntries SetPickIconEntries(TPickIconEntries entries) {
    TPickIconEntries before = Shell().entries;
    Shell().entries = entries;
    return before;
}

bool TZQShChangeIconDialog::Execute() {
    (void)kBoundAtStart;
    const TPickIconEntries entries = Shell().entries;
    if (!entries.wide && !entries.ansi)
        throw ZQException(LoadResString(IDS_NO_CHANGE_ICON_DIALOG));
    const UINT capacity = MaxIconFileName + 1;
    if (entries.wide) {
        const WideString name = WideFromUtf8(FileName);
        if (name.size() > static_cast<size_t>(MaxIconFileName))
            throw FileNameTooLong(FileName);
        std::vector<WCHAR> buffer(capacity, 0);
        name.copy(buffer.data(), name.size());
        if (entries.wide(Owner, reinterpret_cast<LPWSTR>(buffer.data()), capacity, &IconIndex) != 1)
            return false;
        buffer[MaxIconFileName] = 0; // a picker that filled the buffer is cut at its end
        FileName = Utf8FromWide(buffer.data());
        return true;
    }
    const std::string name = AnsiFromUtf8(FileName);
    if (name.size() > static_cast<size_t>(MaxIconFileName))
        throw FileNameTooLong(FileName);
    std::vector<char> buffer(capacity, '\0');
    name.copy(buffer.data(), name.size());
    if (entries.ansi(Owner, buffer.data(), capacity, &IconIndex) != 1)
        return false;
    buffer[MaxIconFileName] = '\0';
    FileName = Utf8FromAnsi(buffer.data());
    return true;
}

namespace {

// The structure's size the running system's dialogs accept (ZQRoutines);
// the wide and the ANSI form have the same.
static_assert(sizeof(OPENFILENAMEA) == 88 &&
                  offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76,
              "OPENFILENAMEA: 88 bytes, 76 up to lpTemplateName (OPENFILENAME_SIZE_VERSION_400)");
static_assert(sizeof(OPENFILENAMEW) == sizeof(OPENFILENAMEA), "the wide form as large");
DWORD FileDialogStructSize() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) ? OpenFileNameSizeOf(version) : 76;
}

// The filter in the dialog's form: description, NUL, patterns, NUL, ..., NUL.
std::string FilterText(const TFileDialogArgs& args) {
    std::string filter;
    for (const auto& f : args.filters)
        filter += f.first + '\0' + f.second + '\0';
    return filter + '\0';
}

// `Char` is the text unit of the form, `S` the structure, `ask` the dialog
// function; `text` turns UTF-8 into the form's text, `back` the other way.
template <typename S, typename Char, typename Ask, typename Text, typename Back>
bool AskFileName(const TFileDialogArgs& args, std::string& path, Ask ask, Text text, Back back) {
    const auto filter = text(FilterText(args));
    const auto title = text(args.title);
    const auto extension = text(args.defaultExtension);
    std::vector<Char> file(0x8000, 0);
    const auto start = text(path);
    if (start.size() < file.size())
        start.copy(file.data(), start.size());
    S dialog = {};
    dialog.lStructSize = FileDialogStructSize();
    dialog.hwndOwner = args.owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = args.defaultExtension.empty() ? nullptr : extension.c_str();
    dialog.Flags = args.flags;
    if (!ask(&dialog))
        return false;
    path = back(file.data());
    return true;
}

template <typename AskW, typename AskA>
bool AskFileName(const TFileDialogArgs& args, std::string& path, AskW askWide, AskA askAnsi) {
    if (WideSystem())
        return AskFileName<OPENFILENAMEW, WCHAR>(
            args, path, askWide, [](const std::string& s) { return WideFromUtf8(s); },
            [](const WCHAR* s) { return Utf8FromWide(s); });
    return AskFileName<OPENFILENAMEA, char>(
        args, path, askAnsi, [](const std::string& s) { return AnsiFromUtf8(s); },
        [](const char* s) { return Utf8FromAnsi(s); });
}

} // namespace

bool AskOpenFileName(const TFileDialogArgs& args, std::string& path) {
    return AskFileName(args, path, SYSTEM_FUNCTION("comdlg32.dll", GetOpenFileNameW),
                       GetOpenFileNameA);
}

bool AskSaveFileName(const TFileDialogArgs& args, std::string& path) {
    return AskFileName(args, path, SYSTEM_FUNCTION("comdlg32.dll", GetSaveFileNameW),
                       GetSaveFileNameA);
}
