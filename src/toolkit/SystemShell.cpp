#include "toolkit/SystemShell.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <vector>

#include "support/SystemFiles.h"
#include "support/SystemFunction.h"
#include "support/SystemText.h"

std::string ProgramFilePath() {
    return ModuleFilePath();
}

bool FileExists(const std::string& path) {
    const DWORD attributes = SystemFileAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string SystemErrorText(DWORD code) {
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    std::string result;
    if (WideSystem()) {
        WCHAR* text = nullptr;
        const DWORD length = SYSTEM_FUNCTION("kernel32.dll", FormatMessageW)(
            flags, nullptr, code, 0, reinterpret_cast<WCHAR*>(&text), 0, nullptr);
        if (length)
            result = Utf8FromWide(text, static_cast<int>(length));
        LocalFree(text);
    } else {
        char* text = nullptr;
        const DWORD length =
            FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
        if (length)
            result = Utf8FromAnsi(std::string(text, length));
        LocalFree(text);
    }
    while (!result.empty() &&
           (result.back() == '\r' || result.back() == '\n' || result.back() == ' '))
        result.pop_back();
    return result.empty() ? "error " + std::to_string(code) : result;
}

std::string ExpandEnvironmentVariables(const std::string& text) {
    return ExpandEnvironmentText(text);
}

bool ElevationOffered() {
    OSVERSIONINFOA rec{};
    rec.dwOSVersionInfoSize = sizeof rec;
    if (!GetVersionExA(&rec) || rec.dwPlatformId != VER_PLATFORM_WIN32_NT || rec.dwMajorVersion < 6)
        return false;
    const auto openToken = SYSTEM_FUNCTION("advapi32.dll", OpenProcessToken);
    const auto tokenInformation = SYSTEM_FUNCTION("advapi32.dll", GetTokenInformation);
    HANDLE token = nullptr;
    if (!openToken || !tokenInformation || !openToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool known =
        tokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) != FALSE;
    CloseHandle(token);
    return known && !elevation.TokenIsElevated;
}

INT_PTR ShellExecuteOf(HWND owner, const char* verb, const std::string& file,
                       const std::string& parameters) {
    if (WideSystem()) {
        const WideString wideVerb = verb ? WideFromUtf8(verb) : WideString();
        const WideString wideFile = WideFromUtf8(file), wideParameters = WideFromUtf8(parameters);
        return reinterpret_cast<INT_PTR>(SYSTEM_FUNCTION("shell32.dll", ShellExecuteW)(
            owner, verb ? wideVerb.c_str() : nullptr, wideFile.c_str(),
            parameters.empty() ? nullptr : wideParameters.c_str(), nullptr, SW_SHOWNORMAL));
    }
    const std::string ansiFile = AnsiFromUtf8(file), ansiParameters = AnsiFromUtf8(parameters);
    return reinterpret_cast<INT_PTR>(ShellExecuteA(
        owner, verb, ansiFile.c_str(), parameters.empty() ? nullptr : ansiParameters.c_str(),
        nullptr, SW_SHOWNORMAL));
}

std::string FindExecutableOf(const std::string& document) {
    if (WideSystem()) {
        WCHAR found[MAX_PATH] = {};
        const auto result = reinterpret_cast<INT_PTR>(SYSTEM_FUNCTION(
            "shell32.dll", FindExecutableW)(WideFromUtf8(document).c_str(), nullptr, found));
        return result > 32 ? Utf8FromWide(found) : std::string();
    }
    char found[MAX_PATH] = "";
    const auto result =
        reinterpret_cast<INT_PTR>(FindExecutableA(AnsiFromUtf8(document).c_str(), nullptr, found));
    return result > 32 ? Utf8FromAnsi(found) : std::string();
}

std::string AssociatedCommand(const char* extension, const char* verb) {
    // The shell's light-weight library is not on every Windows 95: looked
    // for at run time.
    HMODULE library = LoadLibraryA("shlwapi.dll");
    if (!library)
        return std::string();
    std::string command;
    if (WideSystem()) {
        using TQuery = HRESULT(WINAPI*)(DWORD, DWORD, LPCWSTR, LPCWSTR, LPWSTR, DWORD*);
        auto query = reinterpret_cast<TQuery>(
            reinterpret_cast<void*>(GetProcAddress(library, "AssocQueryStringW")));
        WCHAR found[2048] = {};
        DWORD size = sizeof found / sizeof found[0];
        if (query && query(0, ASSOCSTR_COMMAND, WideFromUtf8(extension).c_str(),
                           WideFromUtf8(verb).c_str(), found, &size) == S_OK)
            command = Utf8FromWide(found);
    } else {
        using TQuery = HRESULT(WINAPI*)(DWORD, DWORD, LPCSTR, LPCSTR, LPSTR, DWORD*);
        auto query = reinterpret_cast<TQuery>(
            reinterpret_cast<void*>(GetProcAddress(library, "AssocQueryStringA")));
        char found[2048] = "";
        DWORD size = sizeof found;
        if (query && query(0, ASSOCSTR_COMMAND, extension, verb, found, &size) == S_OK)
            command = Utf8FromAnsi(found);
    }
    FreeLibrary(library);
    return command;
}

HICON ExtractIconOf(const std::string& file, int index) {
    HICON icon = ExtractFileIcon(file, static_cast<UINT>(index));
    return reinterpret_cast<UINT_PTR>(icon) <= 1 ? nullptr : icon;
}

bool WinHelpOf(HWND owner, const std::string& file, UINT command, ULONG_PTR data) {
    if (WideSystem())
        return SYSTEM_FUNCTION("user32.dll", WinHelpW)(owner, WideFromUtf8(file).c_str(), command,
                                                       data) != FALSE;
    return WinHelpA(owner, AnsiFromUtf8(file).c_str(), command, data) != FALSE;
}
