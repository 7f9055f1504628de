#include "support/FileMove.h"

#include "platform/Win32.h"
#include "support/SystemFiles.h"

namespace {

bool Exists(const std::string& path) {
    return SystemFileAttributes(path) != INVALID_FILE_ATTRIBUTES;
}

const int kMaxAside = 100;

std::string AsideName(const std::string& path, int n) {
    return path + ".old" + (n == 1 ? std::string() : std::to_string(n));
}

// The number of the newest file renamed aside beside `path`, 0 for none.
int LastAside(const std::string& path) {
    for (int n = kMaxAside; n >= 1; --n)
        if (Exists(AsideName(path, n)))
            return n;
    return 0;
}

} // namespace

std::string FreeNameBeside(const std::string& path) {
    const int last = LastAside(path);
    return last == kMaxAside ? std::string() : AsideName(path, last + 1);
}

std::string PutBackAside(const std::string& path) {
    if (Exists(path))
        return path;
    const int last = LastAside(path);
    if (last == 0)
        return path;
    const std::string aside = AsideName(path, last);
    return MoveSystemFile(aside, path) ? path : aside;
}

bool MoveOver(const std::string& from, const std::string& to, bool& keepSource) {
    keepSource = false;
    if (MoveSystemFileEx(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return false;
    // Windows 95, 98 and ME.
    if (!Exists(to))
        return MoveSystemFile(from, to);
    const std::string aside = FreeNameBeside(to);
    if (aside.empty() || !MoveSystemFile(to, aside))
        return false;
    if (MoveSystemFile(from, to)) {
        DeleteSystemFile(aside);
        return true;
    }
    if (!MoveSystemFile(aside, to))
        keepSource = true;
    return false;
}
