#include "support/ZQWinDialogs.h"

#include <vector>

#include "../../res/resource.h"
#include "support/Exception.h"
#include "support/ResString.h"

namespace {

const int kShellPickIconOrdinal = 62;

// shell32.dll, loaded from program start to program end, and its picker.
class TShellBinding {
public:
    TShellBinding() : library_(LoadLibraryA("shell32.dll")) {
        if (!library_)
            return;
        FARPROC entry = GetProcAddress(library_, MAKEINTRESOURCEA(kShellPickIconOrdinal));
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        const bool nt = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
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
        std::vector<wchar_t> buffer(capacity, L'\0');
        const int length = FileName.empty()
                               ? 0
                               : MultiByteToWideChar(CP_ACP, 0, FileName.c_str(),
                                                     static_cast<int>(FileName.size()), nullptr, 0);
        if (length > MaxIconFileName)
            throw FileNameTooLong(FileName);
        if (length > 0)
            MultiByteToWideChar(CP_ACP, 0, FileName.c_str(), static_cast<int>(FileName.size()),
                                buffer.data(), length);
        if (entries.wide(Owner, buffer.data(), capacity, &IconIndex) != 1)
            return false;
        buffer[MaxIconFileName] = L'\0'; // a picker that filled the buffer is cut at its end
        const int size =
            WideCharToMultiByte(CP_ACP, 0, buffer.data(), -1, nullptr, 0, nullptr, nullptr);
        std::string chosen(size > 0 ? static_cast<size_t>(size) : 1, '\0');
        WideCharToMultiByte(CP_ACP, 0, buffer.data(), -1, &chosen[0], size, nullptr, nullptr);
        chosen.resize(chosen.find('\0'));
        FileName = chosen;
        return true;
    }
    if (FileName.size() > static_cast<size_t>(MaxIconFileName))
        throw FileNameTooLong(FileName);
    std::vector<char> buffer(capacity, '\0');
    FileName.copy(buffer.data(), FileName.size());
    if (entries.ansi(Owner, buffer.data(), capacity, &IconIndex) != 1)
        return false;
    buffer[MaxIconFileName] = '\0';
    FileName = buffer.data();
    return true;
}
