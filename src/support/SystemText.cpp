#include "support/SystemText.h"

#include "support/SystemFunction.h"

#include <vector>

namespace {

bool AskWideSystem() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

} // namespace

bool WideSystem() {
#ifdef _WIN32
    static const bool wide = AskWideSystem();
    return wide;
#else
    return AskWideSystem();
#endif
}

std::string AnsiFromUtf8(const std::string& text) {
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return text;
    const WideString wide = WideFromUtf8(text);
    const int count = static_cast<int>(wide.size());
    // A character the code page lacks becomes "?", never a look-alike ("Ω"
    // as "O" would name another key). Windows before 2000 know no such flag
    // and refuse it; their conversion has no look-alikes to give.
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    int size = WideCharToMultiByte(CP_ACP, flags, wide.data(), count, nullptr, 0, nullptr, nullptr);
    if (size <= 0 && GetLastError() == ERROR_INVALID_FLAGS) {
        flags = 0;
        size = WideCharToMultiByte(CP_ACP, flags, wide.data(), count, nullptr, 0, nullptr, nullptr);
    }
    if (size <= 0) return std::string();
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), count, &out[0], size, nullptr, nullptr);
    return out;
}

std::string Utf8FromAnsi(const std::string& text) {
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return text;
    const int count = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), count, nullptr, 0);
    if (size <= 0) return std::string();
    std::vector<WCHAR> wide(static_cast<size_t>(size));
    MultiByteToWideChar(CP_ACP, 0, text.data(), count, wide.data(), size);
    return Utf8FromWide(wide.data(), size);
}

unsigned long SystemLowerCase(unsigned long code) {
    if (code >= 0x10000 || code == 0)
        return code;
    WCHAR wide[2] = {static_cast<WCHAR>(code), 0};
    if (WideSystem()) {
        SYSTEM_FUNCTION("user32.dll", CharLowerBuffW)(wide, 1);
        return static_cast<unsigned short>(wide[0]);
    }
    std::string ansi = AnsiFromUtf8(Utf8FromWide(wide, 1));
    if (ansi.size() != 1 || ansi == "?")
        return code;
    CharLowerBuffA(&ansi[0], 1);
    const WideString back = WideFromUtf8(Utf8FromAnsi(ansi));
    return back.size() == 1 ? static_cast<unsigned short>(back[0]) : code;
}
