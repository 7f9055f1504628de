#include "support/FileLock.h"

#ifdef _WIN32
#include "platform/Win32.h"
#include "support/SystemFiles.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

const unsigned kPauseMs = 20;

} // namespace

#ifdef _WIN32

// A file opened without sharing is the lock: every system of the family
// refuses a second open with a sharing violation until the handle is closed.
TFileLock::TFileLock(const std::string& path, unsigned waitMs) : handle_(INVALID_HANDLE_VALUE) {
    for (unsigned waited = 0;; waited += kPauseMs) {
        handle_ = OpenSystemFile(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL);
        if (handle_ != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION ||
            waited >= waitMs)
            return;
        Sleep(kPauseMs);
    }
}

TFileLock::~TFileLock() {
    if (Locked())
        CloseHandle(handle_);
}

bool TFileLock::Locked() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

#else // POSIX: the native build

TFileLock::TFileLock(const std::string& path, unsigned waitMs)
    : fd_(::open(path.c_str(), O_RDWR | O_CREAT, 0644)) {
    for (unsigned waited = 0; fd_ >= 0; waited += kPauseMs) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
            return;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= waitMs) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
        ::usleep(kPauseMs * 1000);
    }
}

TFileLock::~TFileLock() {
    if (Locked())
        ::close(fd_);
}

bool TFileLock::Locked() const {
    return fd_ >= 0;
}

#endif
