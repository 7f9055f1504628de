#include "support/SystemFiles.h"

#include "support/SystemFunction.h"
#include "support/SystemText.h"

#include <vector>

namespace {

std::string Ansi(const std::string& text) {
    return AnsiFromUtf8(text);
}

} // namespace

#ifdef _WIN32
HANDLE OpenSystemFile(const std::string& path, DWORD access, DWORD share, DWORD creation,
                      DWORD flags) {
    if (WideSystem())
        return SYSTEM_FUNCTION("kernel32.dll", CreateFileW)(WideFromUtf8(path).c_str(), access,
                                                             share, nullptr, creation, flags,
                                                             nullptr);
    return CreateFileA(Ansi(path).c_str(), access, share, nullptr, creation, flags, nullptr);
}

#endif

bool MoveSystemFile(const std::string& from, const std::string& to) {
    if (WideSystem())
        return SYSTEM_FUNCTION("kernel32.dll", MoveFileW)(WideFromUtf8(from).c_str(),
                                                           WideFromUtf8(to).c_str()) != FALSE;
    return MoveFileA(Ansi(from).c_str(), Ansi(to).c_str()) != FALSE;
}

bool MoveSystemFileEx(const std::string& from, const std::string& to, DWORD flags) {
    if (WideSystem())
        return SYSTEM_FUNCTION("kernel32.dll", MoveFileExW)(WideFromUtf8(from).c_str(),
                                                             WideFromUtf8(to).c_str(),
                                                             flags) != FALSE;
    return MoveFileExA(Ansi(from).c_str(), Ansi(to).c_str(), flags) != FALSE;
}

bool DeleteSystemFile(const std::string& path) {
    if (WideSystem())
        return SYSTEM_FUNCTION("kernel32.dll", DeleteFileW)(WideFromUtf8(path).c_str()) != FALSE;
    return DeleteFileA(Ansi(path).c_str()) != FALSE;
}

DWORD SystemFileAttributes(const std::string& path) {
    if (WideSystem())
        return SYSTEM_FUNCTION("kernel32.dll", GetFileAttributesW)(WideFromUtf8(path).c_str());
    return GetFileAttributesA(Ansi(path).c_str());
}

std::string MachineName() {
#ifdef _WIN32
    if (WideSystem()) {
        WCHAR name[MAX_COMPUTERNAME_LENGTH + 1] = {};
        DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
        return SYSTEM_FUNCTION("kernel32.dll", GetComputerNameW)(name, &size)
                   ? Utf8FromWide(name, static_cast<int>(size))
                   : std::string();
    }
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameA(name, &size) ? Utf8FromAnsi(std::string(name, size)) : std::string();
#else
    return "STAND-IN";
#endif
}

#ifdef _WIN32
std::vector<std::string> ProgramArguments() {
    std::vector<std::string> args;
    if (WideSystem()) {
        int count = 0;
        LPWSTR* wide = SYSTEM_FUNCTION("shell32.dll", CommandLineToArgvW)(
            SYSTEM_FUNCTION("kernel32.dll", GetCommandLineW)(), &count);
        if (wide) {
            for (int i = 1; i < count; ++i)
                args.push_back(Utf8FromWide(wide[i]));
            LocalFree(wide);
            return args;
        }
    }
    for (int i = 1; i < __argc; ++i)
        args.push_back(Utf8FromAnsi(__argv[i]));
    return args;
}

std::string NewTempFile(const std::string& folder, const char* prefix) {
    if (WideSystem()) {
        WCHAR name[MAX_PATH + 16] = {};
        if (!SYSTEM_FUNCTION("kernel32.dll", GetTempFileNameW)(
                WideFromUtf8(folder).c_str(), WideFromUtf8(prefix).c_str(), 0, name))
            return std::string();
        return Utf8FromWide(name);
    }
    char name[MAX_PATH + 16] = {};
    if (!GetTempFileNameA(Ansi(folder).c_str(), prefix, 0, name))
        return std::string();
    return Utf8FromAnsi(name);
}

#endif

std::string ModuleFilePath(HMODULE module) {
    // Grows the buffer while the path fills it (long paths on NT).
    for (DWORD size = MAX_PATH;; size *= 2) {
        if (WideSystem()) {
            std::vector<WCHAR> buffer(size);
            const DWORD length =
                SYSTEM_FUNCTION("kernel32.dll", GetModuleFileNameW)(module, buffer.data(), size);
            if (length == 0) return std::string();
            if (length < size - 1 || size >= 32768) return Utf8FromWide(buffer.data(), length);
        } else {
            std::vector<char> buffer(size);
            const DWORD length = GetModuleFileNameA(module, buffer.data(), size);
            if (length == 0) return std::string();
            if (length < size - 1 || size >= 32768)
                return Utf8FromAnsi(std::string(buffer.data(), length));
        }
    }
}

std::string ExpandEnvironmentText(const std::string& text) {
    if (WideSystem()) {
        const auto expand = SYSTEM_FUNCTION("kernel32.dll", ExpandEnvironmentStringsW);
        const WideString source = WideFromUtf8(text);
        const DWORD size = expand(source.c_str(), nullptr, 0);
        if (size == 0) return text;
        std::vector<WCHAR> expanded(size + 1);
        const DWORD length = expand(source.c_str(), expanded.data(), size + 1);
        if (length == 0 || length > size + 1) return text;
        return Utf8FromWide(expanded.data());
    }
    const std::string source = Ansi(text);
    const DWORD size = ExpandEnvironmentStringsA(source.c_str(), nullptr, 0);
    if (size == 0) return text;
    std::vector<char> expanded(size + 2);
    const DWORD length = ExpandEnvironmentStringsA(source.c_str(), expanded.data(), size + 2);
    if (length == 0 || length > size + 2) return text;
    return Utf8FromAnsi(expanded.data());
}

bool EnvironmentText(const std::string& name, std::string& value) {
    if (WideSystem()) {
        const auto get = SYSTEM_FUNCTION("kernel32.dll", GetEnvironmentVariableW);
        const WideString wideName = WideFromUtf8(name);
        const DWORD size = get(wideName.c_str(), nullptr, 0);
        if (size == 0) return false;
        std::vector<WCHAR> buffer(size + 1);
        const DWORD length = get(wideName.c_str(), buffer.data(), size + 1);
        if (length == 0 || length > size) return false;
        value = Utf8FromWide(buffer.data(), static_cast<int>(length));
        return true;
    }
    const std::string ansiName = Ansi(name);
    const DWORD size = GetEnvironmentVariableA(ansiName.c_str(), nullptr, 0);
    if (size == 0) return false;
    std::vector<char> buffer(size + 1);
    const DWORD length = GetEnvironmentVariableA(ansiName.c_str(), buffer.data(), size + 1);
    if (length == 0 || length > size) return false;
    value = Utf8FromAnsi(std::string(buffer.data(), length));
    return true;
}

namespace {

// The answer of a folder function of either kind.
template <typename WideFunction, typename AnsiFunction>
std::string FolderText(WideFunction wide, AnsiFunction ansi) {
    if (WideSystem()) {
        WCHAR buffer[MAX_PATH + 1] = {};
        const UINT length = wide(buffer, MAX_PATH + 1);
        return length > 0 && length <= MAX_PATH ? Utf8FromWide(buffer, static_cast<int>(length))
                                                : std::string();
    }
    char buffer[MAX_PATH + 1] = {};
    const UINT length = ansi(buffer, MAX_PATH + 1);
    return length > 0 && length <= MAX_PATH ? Utf8FromAnsi(std::string(buffer, length))
                                            : std::string();
}

} // namespace

std::string SystemFolder() {
    return FolderText(SYSTEM_FUNCTION("kernel32.dll", GetSystemDirectoryW), GetSystemDirectoryA);
}

std::string WindowsFolder() {
    return FolderText(SYSTEM_FUNCTION("kernel32.dll", GetWindowsDirectoryW), GetWindowsDirectoryA);
}

HICON ExtractFileIcon(const std::string& file, UINT index) {
    if (WideSystem())
        return SYSTEM_FUNCTION("shell32.dll", ExtractIconW)(GetModuleHandleA(nullptr),
                                                           WideFromUtf8(file).c_str(), index);
    return ExtractIconA(GetModuleHandleA(nullptr), AnsiFromUtf8(file).c_str(), index);
}
