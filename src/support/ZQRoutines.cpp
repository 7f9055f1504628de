#include "support/ZQRoutines.h"

#include <cstring>

namespace {

// The build number field of Windows ME: 4.90 in the high word, build 3000 in
// the low word.
const DWORD kWindowsMEBuildField = 0x045A0BB8; // 73010104

// The service text as a string; the platform's buffer is not guaranteed to be
// terminated when it is full.
std::string ServiceText(const OSVERSIONINFOA& rec) {
    const char* text = rec.szCSDVersion;
    size_t length = 0;
    while (length < sizeof(rec.szCSDVersion) && text[length] != '\0')
        ++length;
    return std::string(text, length);
}

// The second character of the service text, the first being a blank by the
// platform's convention (" A " on Windows 98 Second Edition, " B" on
// Windows 95 release B); 0 when the text is shorter.
char SecondServiceChar(const OSVERSIONINFOA& rec) {
    std::string text = ServiceText(rec);
    return text.size() >= 2 ? text[1] : '\0';
}

// The release letter the version code is decided by: the second character of
// the service text with blanks trimmed, so that a blank there counts as no
// letter at all.
char ReleaseLetter(const OSVERSIONINFOA& rec) {
    char c = SecondServiceChar(rec);
    return static_cast<unsigned char>(c) <= ' ' ? '\0' : c;
}

int Windows9xCode(const OSVERSIONINFOA& rec) {
    switch (rec.dwMinorVersion) {
    case 0:
        return ReleaseLetter(rec) == 'B' ? 2 : 1;
    case 10:
        return ReleaseLetter(rec) == 'A' ? 4 : 3;
    case 90:
        return rec.dwBuildNumber == kWindowsMEBuildField ? 5 : 0;
    default:
        return 0;
    }
}

int WindowsNTCode(const OSVERSIONINFOA& rec) {
    switch (rec.dwMajorVersion) {
    case 3:
        return 6;
    case 4:
        return 7;
    case 5:
        if (rec.dwMinorVersion == 0)
            return 8;
        if (rec.dwMinorVersion == 1)
            return 9;
        return 0;
    default:
        return 0;
    }
}

// Asks the platform for its version record; false when it can't be had.
bool QueryVersionRecord(OSVERSIONINFOA& rec) {
    std::memset(&rec, 0, sizeof(rec));
    rec.dwOSVersionInfoSize = sizeof(rec);
    return GetVersionExA(&rec) != FALSE;
}

} // namespace

int OSVersionCodeOf(const OSVERSIONINFOA& rec, std::string* text) {
    int code = 0;
    std::string build;
    switch (rec.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        code = Windows9xCode(rec);
        // The high word of the 9x build field repeats the version number.
        build = std::to_string(rec.dwBuildNumber & 0xFFFF);
        break;
    case VER_PLATFORM_WIN32_NT:
        code = WindowsNTCode(rec);
        build = std::to_string(rec.dwBuildNumber);
        break;
    default:
        break; // another platform: no build number in the text
    }
    if (text)
        *text = std::to_string(rec.dwMajorVersion) + "." + std::to_string(rec.dwMinorVersion) +
                ", Build " + build;
    return code;
}

std::string OSNameOf(const OSVERSIONINFOA* rec) {
    if (!rec)
        return "Unknown";
    const DWORD major = rec->dwMajorVersion, minor = rec->dwMinorVersion;
    switch (rec->dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        if (major == 4 && minor == 0)
            return " Windows 95";
        if (major == 4 && minor == 10)
            return SecondServiceChar(*rec) == 'A' ? "Windows 98SE" : "Windows 98";
        if (major == 4 && minor == 90)
            return "Windows ME";
        return "Unknown";
    case VER_PLATFORM_WIN32_NT:
        if (major <= 4)
            return "Windows NT";
        if (major == 5 && minor == 0)
            return "Windows 2000";
        if (major == 5 && minor == 1)
            return "Whistler";
        return "Unknown";
    default:
        return "Unknown";
    }
}

int GetOSVersion(std::string& text) {
    OSVERSIONINFOA rec;
    if (!QueryVersionRecord(rec)) {
        text.clear();
        return 0;
    }
    return OSVersionCodeOf(rec, &text);
}

int GetOSVersionCode() {
    std::string text;
    return GetOSVersion(text);
}

void GetOSName(std::string& name) {
    OSVERSIONINFOA rec;
    name = OSNameOf(QueryVersionRecord(rec) ? &rec : nullptr);
}

bool IsWindows95Family() {
    OSVERSIONINFOA rec;
    return QueryVersionRecord(rec) && rec.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool IsWindows10OrLater() {
    OSVERSIONINFOA rec;
    return QueryVersionRecord(rec) && rec.dwPlatformId == VER_PLATFORM_WIN32_NT &&
           rec.dwMajorVersion >= 10;
}

unsigned OpenFileNameSizeOf(const OSVERSIONINFOA& rec) {
    const bool newDialogs = rec.dwPlatformId == VER_PLATFORM_WIN32_NT && rec.dwMajorVersion >= 5;
    return newDialogs ? 88 : 76;
}

unsigned ToolInfoSizeOf(unsigned major, unsigned minor) {
    if (major >= 6)
        return 48;
    if (major > 4 || (major == 4 && minor >= 70))
        return 44;
    return 40;
}
