#include "support/WholeFile.h"

#include "support/TextSearch.h"
#include "support/FileMove.h"

#ifdef _WIN32
#include "platform/Win32.h"
#include "support/SystemFiles.h"
#else
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <vector>

#ifdef _WIN32

namespace {

// Owns a file handle.
class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (Valid())
            CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return h_; }
    bool Close() {
        HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return CloseHandle(h) != FALSE;
    }

private:
    HANDLE h_;
};

std::string FolderOf(const std::string& path) {
    const std::string folder = FolderOfPath(path);
    return folder.empty() ? std::string(".") : folder;
}

bool WriteAll(HANDLE h, const std::string& contents) {
    size_t done = 0;
    while (done < contents.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - done, 1u << 20));
        if (!WriteFile(h, contents.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return FlushFileBuffers(h) != FALSE;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    FileHandle file(OpenSystemFile(PutBackAside(path), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL));
    if (!file.Valid())
        return false;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got,
                      nullptr)) {
            contents.clear();
            return false;
        }
        if (got == 0)
            return true;
        contents.append(buffer.data(), got);
    }
}

bool CanReplaceFile(const std::string& path) {
    DWORD attributes = SystemFileAttributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
        return false;
    FileHandle probe(OpenSystemFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL));
    return probe.Valid();
}

bool ReplaceWholeFile(const std::string& path, const std::string& contents) {
    if (!CanReplaceFile(path))
        return false;
    const std::string temp = NewTempFile(FolderOf(path), "ini");
    if (temp.empty())
        return false;
    bool written = false;
    {
        FileHandle file(OpenSystemFile(temp, GENERIC_WRITE, 0, TRUNCATE_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL));
        written = file.Valid() && WriteAll(file.Get(), contents) && file.Close();
    }
    bool keepTemp = false;
    if (written && MoveOver(temp, path, keepTemp))
        return true;
    if (!keepTemp)
        DeleteSystemFile(temp);
    return false;
}

#else // POSIX: the native build

namespace {

// Owns a file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    bool Valid() const { return fd_ >= 0; }
    int Get() const { return fd_; }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const std::string& contents) {
    size_t done = 0;
    while (done < contents.size()) {
        ssize_t written = ::write(fd, contents.data() + done, contents.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<size_t>(written);
    }
    return ::fsync(fd) == 0;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    FileDescriptor file(::open(PutBackAside(path).c_str(), O_RDONLY));
    if (!file.Valid())
        return false;
    struct stat info;
    if (::fstat(file.Get(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        ssize_t got = ::read(file.Get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            contents.clear();
            return false;
        }
        if (got == 0)
            return true;
        contents.append(buffer.data(), static_cast<size_t>(got));
    }
}

bool CanReplaceFile(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT;
    // A file without the owner's write bit counts as read-only, as the
    // read-only attribute does on Windows, even for a user (root) who could
    // write it all the same.
    if (!S_ISREG(info.st_mode) || !(info.st_mode & S_IWUSR))
        return false;
    FileDescriptor probe(::open(path.c_str(), O_RDONLY));
    return probe.Valid();
}

bool ReplaceWholeFile(const std::string& path, const std::string& contents) {
    if (!CanReplaceFile(path))
        return false;
    struct stat info;
    mode_t mode = ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
    std::string temp = path + ".XXXXXX";
    FileDescriptor file(::mkstemp(&temp[0]));
    if (!file.Valid())
        return false;
    bool written = ::fchmod(file.Get(), mode) == 0 && WriteAll(file.Get(), contents);
    written = file.Close() && written;
    // The move is the one of the Windows build, on the stand-in's file
    // functions, so that its steps are tested natively.
    bool keepTemp = false;
    if (written && MoveOver(temp, path, keepTemp))
        return true;
    if (!keepTemp)
        ::unlink(temp.c_str());
    return false;
}

#endif
