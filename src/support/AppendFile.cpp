#include "support/AppendFile.h"

#include <algorithm>

#ifdef _WIN32
#include "platform/Win32.h"
#include "support/SystemFiles.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

bool AppendToFile(const std::string& path, const std::string& text, bool& cutBack) {
    cutBack = true;
    HANDLE file = OpenSystemFile(path, GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const DWORD length = SetFilePointer(file, 0, nullptr, FILE_END);
    bool ok = length != INVALID_SET_FILE_POINTER;
    size_t done = 0;
    while (ok && done < text.size()) {
        DWORD written = 0;
        ok = WriteFile(file, text.data() + done, static_cast<DWORD>(text.size() - done), &written,
                       nullptr) &&
             written > 0;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    if (!ok && done > 0)
        cutBack = SetFilePointer(file, static_cast<LONG>(length), nullptr, FILE_BEGIN) == length &&
                  SetEndOfFile(file) && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

bool ReadFileEnds(const std::string& path, size_t count, size_t& length, std::string& head,
                  std::string& tail) {
    length = 0;
    head.clear();
    tail.clear();
    HANDLE file = OpenSystemFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    const DWORD size = GetFileSize(file, nullptr);
    bool ok = size != INVALID_FILE_SIZE;
    auto readAt = [&](DWORD offset, std::string& part) {
        part.assign(std::min<size_t>(count, size - offset), '\0');
        DWORD got = 0;
        return part.empty() ||
               (SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) == offset &&
                ReadFile(file, &part[0], static_cast<DWORD>(part.size()), &got, nullptr) &&
                got == part.size());
    };
    if (ok) {
        length = size;
        ok = readAt(0, head) &&
             readAt(size - static_cast<DWORD>(std::min<size_t>(count, size)), tail);
    }
    CloseHandle(file);
    return ok;
}

#else // POSIX: the native build

bool AppendToFile(const std::string& path, const std::string& text, bool& cutBack) {
    cutBack = true;
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return false;
    struct stat info;
    bool ok = ::fstat(fd, &info) == 0;
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
    if (!ok && done > 0)
        cutBack = ::ftruncate(fd, info.st_size) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool ReadFileEnds(const std::string& path, size_t count, size_t& length, std::string& head,
                  std::string& tail) {
    length = 0;
    head.clear();
    tail.clear();
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR;
    struct stat info;
    bool ok = ::fstat(fd, &info) == 0;
    auto readAt = [&](off_t offset, std::string& part) {
        part.assign(std::min<size_t>(count, info.st_size - offset), '\0');
        return ::pread(fd, &part[0], part.size(), offset) == static_cast<ssize_t>(part.size());
    };
    if (ok) {
        length = static_cast<size_t>(info.st_size);
        ok = readAt(0, head) &&
             readAt(info.st_size - static_cast<off_t>(std::min<size_t>(count, length)), tail);
    }
    ::close(fd);
    return ok;
}

#endif
