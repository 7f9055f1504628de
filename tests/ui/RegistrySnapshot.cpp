#include "RegistrySnapshot.h"

#include <algorithm>

#include "platform/Win32.h"

namespace {

void TakeKey(HKEY key, const std::string& path, TRegistrySnapshot& snapshot) {
    if (!path.empty())
        snapshot[path] = "";
    char name[1024];
    std::string data(65536, '\0');
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name, type = 0, size = static_cast<DWORD>(data.size());
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type,
                          reinterpret_cast<BYTE*>(&data[0]), &size) != ERROR_SUCCESS)
            break;
        snapshot[path + "=" + std::string(name, nameLength)] =
            std::to_string(type) + ":" + data.substr(0, size);
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        subkeys.emplace_back(name, nameLength);
    }
    for (const std::string& subkey : subkeys) {
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, subkey.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS)
            continue;
        TakeKey(child, path.empty() ? subkey : path + "\\" + subkey, snapshot);
        RegCloseKey(child);
    }
}

} // namespace

TRegistrySnapshot TakeRegistrySnapshot() {
    TRegistrySnapshot snapshot;
    TakeKey(HKEY_CLASSES_ROOT, "", snapshot);
    return snapshot;
}

std::vector<std::string> RegistryChanges(const TRegistrySnapshot& before,
                                         const TRegistrySnapshot& after) {
    std::vector<std::string> changes;
    for (const auto& [path, data] : before) {
        auto found = after.find(path);
        if (found == after.end())
            changes.push_back("-" + path);
        else if (found->second != data)
            changes.push_back("~" + path);
    }
    for (const auto& [path, data] : after)
        if (!before.count(path))
            changes.push_back("+" + path);
    std::sort(changes.begin(), changes.end(),
              [](const std::string& a, const std::string& b) { return a.substr(1) < b.substr(1); });
    return changes;
}
