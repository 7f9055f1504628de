#include "ToolWindowSupport.h"

#include <cstdio>

#include "support/ZQIniFiles.h"

namespace {

void ListKey(HKEY key, const std::string& path, std::string& out) {
    out += path + "\n";
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name, type = 0, size = 0;
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        std::string data(size, '\0');
        nameLength = sizeof name;
        RegEnumValueA(key, i, name, &nameLength, nullptr, &type,
                      reinterpret_cast<BYTE*>(data.empty() ? nullptr : &data[0]), &size);
        out += path + " [" + name + "] type " + std::to_string(type) + ":";
        for (unsigned char c : data) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02x", c);
            out += hex;
        }
        out += "\n";
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY sub = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
            ListKey(sub, path + "\\" + name, out);
            RegCloseKey(sub);
        }
    }
}

} // namespace

std::string RegistryListing() {
    std::string out;
    ListKey(HKEY_CLASSES_ROOT, "HKCR", out);
    return out;
}

void ToolWindowTest::TearDown() {
    EXPECT_TRUE(dialogs_.Unexpected().empty())
        << "unexpected: " << dialogs_.Unexpected().front().text;
    EXPECT_EQ(dialogs_.Pending(), 0u) << "scripted answers left unused";
}

void ToolWindowTest::Set(const std::string& section, const std::string& key, int value) {
    TZQIniFile(SettingsPath()).WriteInteger(section, key, value);
}

std::string ToolWindowTest::Get(const std::string& section, const std::string& key) const {
    return TZQIniFile(SettingsPath()).ReadString(section, key, "<none>");
}

TBounds CentredBounds(int width, int height) {
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height};
}
