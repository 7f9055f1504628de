// The file functions of the native stand-in, on the host's file system, with
// the rules of the Windows version set and injectable failures of moves.
#include "platform/FakeControl.h"
#include "platform/FakeInternal.h"

#include <cerrno>
#include <cstdio>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Files {
    int moves = 0;
    std::map<int, DWORD> failingMoves; // by the number of the move
};

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
    struct stat info;
    if (::stat(path, &info) != 0) {
        SetLastError(ErrorOf(errno));
        return INVALID_FILE_ATTRIBUTES;
    }
    if (S_ISDIR(info.st_mode))
        return FILE_ATTRIBUTE_DIRECTORY;
    return (info.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

namespace fake {

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
