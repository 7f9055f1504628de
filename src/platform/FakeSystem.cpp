// The system side of the native stand-in: the version record, screen
// metrics, icon extraction, the executable's path and the last error. The
// version records of the named systems are the ones Wine 8 reports when told
// to pretend that version.
#include "platform/FakeControl.h"
#include "platform/FakeInternal.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits.h>
#include <set>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct VersionRecord {
    DWORD platformId;
    DWORD major;
    DWORD minor;
    DWORD build; // 95/98/ME: major.minor in the high word, build in the low word
    std::string csd;
    bool ok;
};

struct NamedVersion {
    const char* name;
    VersionRecord record;
};

const NamedVersion kVersions[] = {
    {"win95", {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0x040003B6, "", true}},
    {"win98", {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x040A08AE, " A ", true}},
    {"winme", {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 0x045A0BB8, " ", true}},
    {"nt40", {VER_PLATFORM_WIN32_NT, 4, 0, 1381, "Service Pack 6a", true}},
    {"win2k", {VER_PLATFORM_WIN32_NT, 5, 0, 2195, "Service Pack 4", true}},
    {"winxp", {VER_PLATFORM_WIN32_NT, 5, 1, 2600, "Service Pack 3", true}},
    {"win2003", {VER_PLATFORM_WIN32_NT, 5, 2, 3790, "Service Pack 2", true}},
    {"win7", {VER_PLATFORM_WIN32_NT, 6, 1, 7601, "Service Pack 1", true}},
};

const VersionRecord& DefaultVersion() {
    return kVersions[4].record;
} // win2k

const uintptr_t kOwnModule = 0x00400000;

struct System {
    VersionRecord version = DefaultVersion();
    bool dbcs = false;
    std::vector<fake::IconRequest> iconRequests;
    std::set<uintptr_t> liveIcons;
    uintptr_t nextIcon = 0x00010040;
    std::string moduleFileName; // empty: the real executable
};

System& Sys() {
    static System system;
    return system;
}

thread_local DWORD lastError = 0;

std::string RealExecutablePath() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string("/proc/self/exe");
}

enum class FileKind { Missing, Executable, IconFile, Other };

FileKind KindOfFile(const char* file) {
    struct stat info;
    if (!file || !*file || stat(file, &info) != 0 || !S_ISREG(info.st_mode))
        return FileKind::Missing;
    unsigned char head[4] = {0, 0, 0, 0};
    if (FILE* f = std::fopen(file, "rb")) {
        size_t n = std::fread(head, 1, sizeof head, f);
        std::fclose(f);
        if (n >= 2 && head[0] == 'M' && head[1] == 'Z')
            return FileKind::Executable;
        if (n == 4 && head[0] == 0 && head[1] == 0 && head[2] == 1 && head[3] == 0)
            return FileKind::IconFile;
        return FileKind::Other;
    }
    return FileKind::Missing;
}

WORD ServicePackMajor(const std::string& csd) {
    const char prefix[] = "Service Pack ";
    if (csd.compare(0, sizeof prefix - 1, prefix) != 0)
        return 0;
    return static_cast<WORD>(std::atoi(csd.c_str() + sizeof prefix - 1));
}

} // namespace

BOOL GetVersionExA(LPOSVERSIONINFOA info) {
    if (!info) {
        lastError = ERROR_INVALID_PARAMETER;
        return FALSE;
    }
    const DWORD size = info->dwOSVersionInfoSize;
    if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA)) {
        lastError = ERROR_INSUFFICIENT_BUFFER;
        return FALSE;
    }
    const VersionRecord& v = Sys().version;
    if (!v.ok) {
        lastError = ERROR_INVALID_PARAMETER;
        return FALSE;
    }
    info->dwMajorVersion = v.major;
    info->dwMinorVersion = v.minor;
    info->dwBuildNumber = v.build;
    info->dwPlatformId = v.platformId;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    std::strncpy(info->szCSDVersion, v.csd.c_str(), sizeof info->szCSDVersion - 1);
    if (size == sizeof(OSVERSIONINFOEXA)) {
        OSVERSIONINFOEXA* ex = reinterpret_cast<OSVERSIONINFOEXA*>(info);
        const bool nt = v.platformId == VER_PLATFORM_WIN32_NT;
        ex->wServicePackMajor = nt ? ServicePackMajor(v.csd) : 0;
        ex->wServicePackMinor = 0;
        ex->wSuiteMask = 0;
        ex->wProductType = !nt                              ? 0
                           : (v.major == 5 && v.minor == 2) ? VER_NT_SERVER
                                                            : VER_NT_WORKSTATION;
        ex->wReserved = 0;
    }
    return TRUE;
}

int GetSystemMetrics(int nIndex) {
    switch (nIndex) {
    case SM_CXSCREEN:
        return 1024;
    case SM_CYSCREEN:
        return 768;
    case SM_DBCSENABLED:
        return Sys().dbcs ? 1 : 0;
    default:
        return 0;
    }
}

// The ANSI code page is Windows-1252, or a double-byte one (Shift-JIS's lead
// byte ranges) on a Far East system.
BOOL GetCPInfo(UINT, LPCPINFO info) {
    if (!info)
        return FALSE;
    *info = CPINFO{};
    info->MaxCharSize = Sys().dbcs ? 2 : 1;
    info->DefaultChar[0] = '?';
    if (Sys().dbcs) {
        const BYTE ranges[] = {0x81, 0x9F, 0xE0, 0xFC};
        std::copy(std::begin(ranges), std::end(ranges), info->LeadByte);
    }
    return TRUE;
}

namespace {

// Windows-1252's characters 0x80 to 0x9F (the five it has none for map to
// the C1 controls of the same number, both ways, as in Windows and Wine);
// the others are those of Latin-1.
const char16_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const char16_t kPrivateBase = 0xE000;

// The UTF-16 unit of one ANSI character (one or two bytes), 0 for none.
char16_t WideOfAnsi(BYTE lead, BYTE trail, bool pair) {
    if (!pair) {
        if (lead >= 0x80 && lead < 0xA0) return Sys().dbcs ? 0 : k1252High[lead - 0x80];
        return lead;
    }
    const unsigned code = lead << 8 | trail;
    if (code >= 0x8340 && code <= 0x837E) return static_cast<char16_t>(0x30A1 + code - 0x8340);
    if (code >= 0x8380 && code <= 0x8396) return static_cast<char16_t>(0x30E0 + code - 0x8380);
    return static_cast<char16_t>(kPrivateBase + ((lead - 0x81) * 256 + trail) % 0x1900);
}

// The ANSI bytes of one UTF-16 unit, empty when the code page lacks it.
std::string AnsiOfWide(char16_t c) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    if (!Sys().dbcs) {
        if (c >= 0xA0 && c <= 0xFF) return std::string(1, static_cast<char>(c));
        for (int i = 0; i < 32; ++i)
            if (k1252High[i] == c) return std::string(1, static_cast<char>(0x80 + i));
        return std::string();
    }
    unsigned code = 0;
    if (c >= 0x30A1 && c <= 0x30DF) code = 0x8340 + (c - 0x30A1);
    else if (c >= 0x30E0 && c <= 0x30F6) code = 0x8380 + (c - 0x30E0);
    else if (c >= kPrivateBase && c < kPrivateBase + 0x1900) {
        const unsigned index = c - kPrivateBase;
        code = (0x81 + index / 256) << 8 | (index % 256);
    } else if (c >= 0xA1 && c <= 0xDF) {
        return std::string(1, static_cast<char>(c));
    }
    if (!code) return std::string();
    return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

} // namespace

int MultiByteToWideChar(UINT, DWORD, LPCSTR text, int count, LPWSTR out, int room) {
    if (!text) return 0;
    if (count < 0) count = static_cast<int>(std::strlen(text)) + 1;
    int written = 0;
    for (int i = 0; i < count; ++i) {
        const auto lead = static_cast<BYTE>(text[i]);
        const bool pair = IsDBCSLeadByte(lead) && i + 1 < count && text[i + 1] != '\0';
        char16_t c = WideOfAnsi(lead, pair ? static_cast<BYTE>(text[i + 1]) : 0, pair);
        if (pair) ++i;
        if (!c && lead) c = 0xFFFD;
        if (room) {
            if (written >= room) {
                SetLastError(ERROR_INSUFFICIENT_BUFFER);
                return 0;
            }
            out[written] = c;
        }
        ++written;
    }
    return written;
}

int WideCharToMultiByte(UINT, DWORD, LPCWSTR text, int count, LPSTR out, int room, LPCSTR,
                        BOOL* usedDefault) {
    if (!text) return 0;
    if (count < 0) {
        count = 0;
        while (text[count]) ++count;
        ++count;
    }
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        std::string one = AnsiOfWide(text[i]);
        if (one.empty()) {
            one = "?";
            if (usedDefault) *usedDefault = TRUE;
        }
        bytes += one;
    }
    if (room) {
        if (static_cast<int>(bytes.size()) > room) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        std::copy(bytes.begin(), bytes.end(), out);
    }
    return static_cast<int>(bytes.size());
}

BOOL IsDBCSLeadByte(BYTE c) {
    return Sys().dbcs && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? TRUE : FALSE;
}

DWORD CharLowerBuffA(LPSTR text, DWORD length) {
    for (DWORD i = 0; text && i < length; ++i) {
        const auto c = static_cast<BYTE>(text[i]);
        if (IsDBCSLeadByte(c) && i + 1 < length) {
            ++i;
            continue;
        }
        BYTE lower = c;
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            lower = static_cast<BYTE>(c + 0x20);
        else if (c == 0x8A || c == 0x8C || c == 0x8E)
            lower = static_cast<BYTE>(c + 0x10);
        else if (c == 0x9F)
            lower = 0xFF;
        text[i] = static_cast<char>(lower);
    }
    return length;
}

DWORD CharLowerBuffW(LPWSTR text, DWORD length) {
    for (DWORD i = 0; text && i < length; ++i) {
        const char16_t c = text[i];
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
            (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
            text[i] = static_cast<char16_t>(c + 0x20);
        else if (c >= 0x400 && c <= 0x40F)
            text[i] = static_cast<char16_t>(c + 0x50);
        else if (c == 0x160 || c == 0x152 || c == 0x17D)
            text[i] = static_cast<char16_t>(c + 1);
        else if (c == 0x178)
            text[i] = 0xFF;
    }
    return length;
}

// The result Windows documents: 0 when the file holds no icon (a missing file
// included), 1 when it is no executable, library or icon file, else an icon.
// Any executable is taken to hold an icon at any index; an icon file holds
// one, at index 0.
HICON ExtractIconA(HINSTANCE, LPCSTR pszExeFileName, UINT nIconIndex) {
    System& s = Sys();
    s.iconRequests.push_back({pszExeFileName ? pszExeFileName : "", nIconIndex});
    switch (KindOfFile(pszExeFileName)) {
    case FileKind::Missing:
        return nullptr;
    case FileKind::Other:
        return reinterpret_cast<HICON>(static_cast<uintptr_t>(1));
    case FileKind::IconFile:
        if (nIconIndex != 0)
            return nullptr;
        break;
    case FileKind::Executable:
        break;
    }
    uintptr_t icon = s.nextIcon;
    s.nextIcon += 0x10000;
    s.liveIcons.insert(icon);
    return reinterpret_cast<HICON>(icon);
}

DWORD ExpandEnvironmentStringsA(LPCSTR src, LPSTR dst, DWORD size) {
    std::string text = src ? src : "", out;
    for (size_t i = 0; i < text.size();) {
        const size_t close = text[i] == '%' ? text.find('%', i + 1) : std::string::npos;
        std::string value;
        if (close != std::string::npos) {
            const std::string name = text.substr(i + 1, close - i - 1);
            value.resize(GetEnvironmentVariableA(name.c_str(), nullptr, 0));
        }
        if (!value.empty()) {
            GetEnvironmentVariableA(text.substr(i + 1, close - i - 1).c_str(), &value[0],
                                    static_cast<DWORD>(value.size()));
            value.pop_back();
            out += value;
            i = close + 1;
        } else {
            out += text[i++];
        }
    }
    const DWORD needed = static_cast<DWORD>(out.size() + 1);
    if (dst && size >= needed)
        std::memcpy(dst, out.c_str(), needed);
    return needed;
}

BOOL DestroyIcon(HICON hIcon) {
    return Sys().liveIcons.erase(reinterpret_cast<uintptr_t>(hIcon)) ? TRUE : FALSE;
}

HMODULE GetModuleHandleA(LPCSTR lpModuleName) {
    if (lpModuleName) {
        lastError = ERROR_MOD_NOT_FOUND;
        return nullptr;
    }
    return reinterpret_cast<HMODULE>(kOwnModule);
}

// Truncation as on Windows XP (and Wine): a short buffer gets as many
// characters as fit, without a NUL, and the result is the buffer size.
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    if (hModule && reinterpret_cast<uintptr_t>(hModule) != kOwnModule) {
        lastError = ERROR_MOD_NOT_FOUND;
        return 0;
    }
    const std::string& configured = Sys().moduleFileName;
    const std::string path = configured.empty() ? RealExecutablePath() : configured;
    if (nSize == 0 || !lpFilename) {
        lastError = ERROR_INSUFFICIENT_BUFFER;
        return 0;
    }
    if (path.size() < nSize) {
        std::memcpy(lpFilename, path.c_str(), path.size() + 1);
        return static_cast<DWORD>(path.size());
    }
    std::memcpy(lpFilename, path.data(), nSize);
    lastError = ERROR_INSUFFICIENT_BUFFER;
    return nSize;
}

DWORD GetLastError() {
    return lastError;
}

void SetLastError(DWORD dwErrCode) {
    lastError = dwErrCode;
}

namespace fake {

void SetVersion(DWORD platformId, DWORD major, DWORD minor, DWORD build, const char* csd, bool ok) {
    Sys().version = VersionRecord{platformId, major, minor, build, csd ? csd : "", ok};
}

void SetVersion(const std::string& wineName) {
    for (const NamedVersion& v : kVersions) {
        if (wineName == v.name) {
            Sys().version = v.record;
            return;
        }
    }
    throw std::invalid_argument("fake::SetVersion: unknown system " + wineName);
}

void SetDbcsEnabled(bool on) {
    Sys().dbcs = on;
}

const std::vector<IconRequest>& IconRequests() {
    return Sys().iconRequests;
}

void SetModuleFileName(const std::string& path) {
    // "/proc/self/exe" names the real executable, as by default.
    Sys().moduleFileName = path == "/proc/self/exe" ? std::string() : path;
}

namespace detail {

bool Windows9x() {
    return Sys().version.platformId == VER_PLATFORM_WIN32_WINDOWS;
}

void ResetSystem() {
    System& s = Sys();
    s.version = DefaultVersion();
    s.dbcs = false;
    s.iconRequests.clear();
    s.moduleFileName.clear();
    ResetFiles();
}

} // namespace detail
} // namespace fake

namespace fake {
namespace detail {

std::string Utf8Of(LPCWSTR text) {
    std::string out;
    for (size_t i = 0; text && text[i]; ++i) {
        unsigned long code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

std::basic_string<WCHAR> WideOf(const std::string& text) {
    std::basic_string<WCHAR> out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        unsigned long code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<WCHAR>(0xD800 | (code >> 10));
            out += static_cast<WCHAR>(0xDC00 | (code & 0x3FF));
        } else {
            out += static_cast<WCHAR>(code);
        }
    }
    return out;
}

} // namespace detail
} // namespace fake
