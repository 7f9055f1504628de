// The file functions of the native stand-in, on the host's file system, with
// the rules of the Windows version set and injectable failures of moves.
#include "platform/FakeControl.h"
#include "platform/FakeInternal.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Files {
    int moves = 0;
    std::map<int, DWORD> failingMoves; // by the number of the move
    std::set<std::string> windowsFiles; // upper case
    std::map<std::string, std::string> environment; // by upper-case name
};

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// A path of the pretended Windows: it begins with a drive letter.
bool IsWindowsPath(const char* path) {
    return path[0] != '\0' && path[1] == ':';
}

// Copies `text` as the folder functions answer.
UINT FolderAnswer(const char* text, LPSTR buffer, UINT size) {
    const UINT length = static_cast<UINT>(std::strlen(text));
    if (!buffer || size <= length)
        return length + 1;
    std::memcpy(buffer, text, length + 1);
    return length;
}

Files& State() {
    static Files files;
    return files;
}

DWORD ErrorOf(int error) {
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EEXIST:
        return ERROR_ALREADY_EXISTS;
    default:
        return ERROR_ACCESS_DENIED;
    }
}

bool Exists(LPCSTR path) {
    struct stat info;
    return ::lstat(path, &info) == 0;
}

// Counts a move; false (with the error set) when it is one set to fail.
bool MoveAllowed() {
    Files& f = State();
    auto fault = f.failingMoves.find(++f.moves);
    if (fault == f.failingMoves.end())
        return true;
    SetLastError(fault->second);
    f.failingMoves.erase(fault);
    return false;
}

BOOL Rename(LPCSTR from, LPCSTR to) {
    if (::rename(from, to) != 0) {
        SetLastError(ErrorOf(errno));
        return FALSE;
    }
    return TRUE;
}

} // namespace

BOOL MoveFileA(LPCSTR from, LPCSTR to) {
    if (!MoveAllowed())
        return FALSE;
    if (Exists(to)) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    return Rename(from, to);
}

BOOL MoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
    if (fake::detail::Windows9x()) {
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return FALSE;
    }
    if (!MoveAllowed())
        return FALSE;
    if (!(flags & MOVEFILE_REPLACE_EXISTING) && Exists(to)) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    return Rename(from, to);
}

BOOL DeleteFileA(LPCSTR path) {
    if (::unlink(path) != 0) {
        SetLastError(ErrorOf(errno));
        return FALSE;
    }
    return TRUE;
}

DWORD GetFileAttributesA(LPCSTR path) {
    if (IsWindowsPath(path)) {
        if (State().windowsFiles.count(Upper(path)))
            return FILE_ATTRIBUTE_NORMAL;
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    struct stat info;
    if (::stat(path, &info) != 0) {
        SetLastError(ErrorOf(errno));
        return INVALID_FILE_ATTRIBUTES;
    }
    if (S_ISDIR(info.st_mode))
        return FILE_ATTRIBUTE_DIRECTORY;
    return (info.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

UINT GetWindowsDirectoryA(LPSTR buffer, UINT size) {
    return FolderAnswer("C:\\WINDOWS", buffer, size);
}

UINT GetSystemDirectoryA(LPSTR buffer, UINT size) {
    return FolderAnswer("C:\\WINDOWS\\system32", buffer, size);
}

DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size) {
    const auto& set = State().environment;
    const auto found = set.find(Upper(name));
    const char* value = found != set.end() ? found->second.c_str() : std::getenv(name);
    if (!value) {
        SetLastError(ERROR_ENVVAR_NOT_FOUND);
        return 0;
    }
    return FolderAnswer(value, buffer, size);
}

namespace fake {

void AddFile(const std::string& windowsPath) {
    State().windowsFiles.insert(Upper(windowsPath));
}

void SetEnvironment(const std::string& name, const std::string& value) {
    State().environment[Upper(name)] = value;
}

void FailMove(int nth, DWORD error) {
    State().failingMoves[State().moves + nth] = error;
}

int MoveCount() {
    return State().moves;
}

namespace detail {

void ResetFiles() {
    State() = Files();
}

} // namespace detail
} // namespace fake

// The wide functions: the host's names are UTF-8, so they convert and take
// the same way as the ANSI ones.
namespace {

using fake::detail::Utf8Of;
using fake::detail::WideOf;

// Copies `text` into a wide buffer as the functions answering with a size do:
// the length without the NUL, or the size needed when it doesn't fit.
DWORD WideAnswer(const std::string& text, LPWSTR buffer, DWORD size) {
    const auto wide = WideOf(text);
    const DWORD length = static_cast<DWORD>(wide.size());
    if (!buffer || size <= length)
        return length + 1;
    std::copy(wide.c_str(), wide.c_str() + length + 1, buffer);
    return length;
}

} // namespace

BOOL MoveFileW(LPCWSTR from, LPCWSTR to) {
    return MoveFileA(Utf8Of(from).c_str(), Utf8Of(to).c_str());
}

BOOL MoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags) {
    if (fake::detail::Windows9x()) {
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return FALSE;
    }
    return MoveFileExA(Utf8Of(from).c_str(), Utf8Of(to).c_str(), flags);
}

BOOL DeleteFileW(LPCWSTR path) {
    return DeleteFileA(Utf8Of(path).c_str());
}

DWORD GetFileAttributesW(LPCWSTR path) {
    return GetFileAttributesA(Utf8Of(path).c_str());
}

DWORD GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) {
    const std::string narrow = Utf8Of(name);
    const DWORD needed = GetEnvironmentVariableA(narrow.c_str(), nullptr, 0);
    if (needed == 0)
        return 0;
    std::string value(needed, '\0');
    GetEnvironmentVariableA(narrow.c_str(), &value[0], needed);
    value.resize(needed - 1);
    return WideAnswer(value, buffer, size);
}

DWORD ExpandEnvironmentStringsW(LPCWSTR src, LPWSTR dst, DWORD size) {
    const std::string narrow = Utf8Of(src);
    const DWORD needed = ExpandEnvironmentStringsA(narrow.c_str(), nullptr, 0);
    std::string out(needed, '\0');
    ExpandEnvironmentStringsA(narrow.c_str(), &out[0], needed);
    out.resize(needed - 1);
    // ExpandEnvironmentStrings counts the NUL in its answer.
    const auto wide = WideOf(out);
    const DWORD total = static_cast<DWORD>(wide.size() + 1);
    if (dst && size >= total)
        std::copy(wide.c_str(), wide.c_str() + total, dst);
    return total;
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size) {
    char narrow[4096];
    const DWORD length = GetModuleFileNameA(module, narrow, sizeof narrow);
    if (length == 0)
        return 0;
    const auto wide = WideOf(std::string(narrow, length));
    if (!buffer || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (wide.size() < size) {
        std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, buffer);
        return static_cast<DWORD>(wide.size());
    }
    std::copy(wide.begin(), wide.begin() + size, buffer);
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}

UINT GetWindowsDirectoryW(LPWSTR buffer, UINT size) {
    return WideAnswer("C:\\WINDOWS", buffer, size);
}

UINT GetSystemDirectoryW(LPWSTR buffer, UINT size) {
    return WideAnswer("C:\\WINDOWS\\system32", buffer, size);
}

HICON ExtractIconW(HINSTANCE instance, LPCWSTR file, UINT index) {
    return ExtractIconA(instance, Utf8Of(file).c_str(), index);
}
