#include "support/FileMove.h"

#include "platform/Win32.h"

namespace {

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

std::string FreeNameBeside(const std::string& path) {
    for (int n = 1; n <= 100; ++n) {
        const std::string name = path + ".old" + (n == 1 ? std::string() : std::to_string(n));
        if (!Exists(name))
            return name;
    }
    return std::string();
}

bool MoveOver(const std::string& from, const std::string& to, bool& keepSource) {
    keepSource = false;
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return false;
    // Windows 95, 98 and ME.
    if (!Exists(to))
        return MoveFileA(from.c_str(), to.c_str()) != FALSE;
    const std::string aside = FreeNameBeside(to);
    if (aside.empty() || !MoveFileA(to.c_str(), aside.c_str()))
        return false;
    if (MoveFileA(from.c_str(), to.c_str())) {
        DeleteFileA(aside.c_str());
        return true;
    }
    if (!MoveFileA(aside.c_str(), to.c_str()))
        keepSource = true;
    return false;
}
