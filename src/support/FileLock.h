// Taking turns at a file that several processes write: while a TFileLock
// lives, its process alone holds the lock file open. The lock file is a file
// of its own beside the one shared, never replaced, so that the lock outlives
// a replacement of the shared file; a process that ends, also by a crash,
// gives its lock up.
#pragma once

#include <string>

class TFileLock {
public:
    // Takes the lock file `path` (created as needed), waiting up to `waitMs`
    // milliseconds while another process holds it. Locked() tells whether
    // it was had.
    explicit TFileLock(const std::string& path, unsigned waitMs = 10000);
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    bool Locked() const;

private:
#ifdef _WIN32
    void* handle_;
#else
    int fd_;
#endif
};
