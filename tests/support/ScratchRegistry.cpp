#include "support/ScratchRegistry.h"

#ifndef _WIN32
#include "platform/FakeControl.h"
#endif

#include <string>

namespace {

#ifdef _WIN32
// Deletes a key with all its subkeys (RegDeleteKeyA refuses keys with children).
void DeleteTree(HKEY parent, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        char name[512];
        for (;;) {
            DWORD len = sizeof name;
            if (RegEnumKeyExA(key, 0, name, &len, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            DeleteTree(key, name);
        }
        RegCloseKey(key);
    }
    RegDeleteKeyA(parent, path.c_str());
}

HKEY CreateScratch(const std::string& path) {
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot create scratch key " << path;
    return key;
}
#endif

HKEY OpenForTest(const std::string& path, HKEY root, bool create) {
    HKEY key = nullptr;
    LONG rc = create ? RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                       &key, nullptr)
                     : RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key);
    return rc == ERROR_SUCCESS ? key : nullptr;
}

void Put(const std::string& path, const std::string& name, DWORD type, const void* data,
         DWORD size, HKEY root) {
    HKEY key = OpenForTest(path, root, true);
    ASSERT_NE(key, nullptr) << "cannot create " << path;
    EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

} // namespace

ScratchRegistry::ScratchRegistry() {
#ifdef _WIN32
    static int counter = 0;
    path_ = "Software\\CorvixTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    classesRoot_ = CreateScratch(path_ + "\\HKCR");
    currentUser_ = CreateScratch(path_ + "\\HKCU");
    RegOverridePredefKey(HKEY_CLASSES_ROOT, classesRoot_);
    RegOverridePredefKey(HKEY_CURRENT_USER, currentUser_);
#else
    fake::ResetRegistry();
#endif
}

ScratchRegistry::~ScratchRegistry() {
#ifdef _WIN32
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(classesRoot_);
    RegCloseKey(currentUser_);
    DeleteTree(HKEY_CURRENT_USER, path_);
#else
    fake::ResetRegistry();
#endif
}

void PutKey(const std::string& path, HKEY root) {
    HKEY key = OpenForTest(path, root, true);
    ASSERT_NE(key, nullptr) << "cannot create " << path;
    RegCloseKey(key);
}

void PutString(const std::string& path, const std::string& name, const std::string& value,
               HKEY root) {
    Put(path, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1), root);
}

void PutDword(const std::string& path, const std::string& name, DWORD value, HKEY root) {
    Put(path, name, REG_DWORD, &value, sizeof value, root);
}

void PutBinary(const std::string& path, const std::string& name, const std::string& bytes,
               HKEY root) {
    Put(path, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()), root);
}

void PutRaw(const std::string& path, const std::string& name, DWORD type, const std::string& bytes,
            HKEY root) {
    Put(path, name, type, bytes.data(), static_cast<DWORD>(bytes.size()), root);
}

bool HasKey(const std::string& path, HKEY root) {
    HKEY key = OpenForTest(path, root, false);
    if (key)
        RegCloseKey(key);
    return key != nullptr;
}

RawValue GetRaw(const std::string& path, const std::string& name, HKEY root) {
    RawValue raw;
    HKEY key = OpenForTest(path, root, false);
    if (!key)
        return raw;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string bytes(size, '\0');
        if (RegQueryValueExA(key, name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&bytes[0]), &size) == ERROR_SUCCESS) {
            raw.exists = true;
            raw.type = type;
            raw.bytes = bytes.substr(0, size);
        }
    }
    RegCloseKey(key);
    return raw;
}

bool HasValue(const std::string& path, const std::string& name, HKEY root) {
    return GetRaw(path, name, root).exists;
}

std::string GetText(const std::string& path, const std::string& name, HKEY root) {
    std::string bytes = GetRaw(path, name, root).bytes;
    std::string::size_type nul = bytes.find('\0');
    return nul == std::string::npos ? bytes : bytes.substr(0, nul);
}
