#include "support/AppendFile.h"

#ifdef _WIN32
#include "platform/Win32.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

#ifdef _WIN32

bool AppendToFile(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER;
    size_t done = 0;
    while (ok && done < text.size()) {
        DWORD written = 0;
        ok = WriteFile(file, text.data() + done, static_cast<DWORD>(text.size() - done), &written,
                       nullptr) &&
             written > 0;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

#else // POSIX: the native build

bool AppendToFile(const std::string& path, const std::string& text) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < text.size()) {
        ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        ok = written > 0;
        if (ok)
            done += static_cast<size_t>(written);
    }
    ok = ok && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

#endif
