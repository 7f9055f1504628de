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
