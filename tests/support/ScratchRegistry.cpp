#include "support/ScratchRegistry.h"

#ifndef _WIN32
#include "platform/FakeControl.h"
#endif

#include "support/Utf8Text.h"

#include <cstring>
#include <string>

namespace {

// The helpers call the wide functions, as the program does on the NT family:
// names and text in UTF-8 here, UTF-16 in the registry.
WideString W(const std::string& text) {
    return WideFromUtf8(text);
}

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

#ifdef _WIN32
// Deletes a key with all its subkeys (RegDeleteKey refuses keys with children).
void DeleteTree(HKEY parent, const std::wstring& path) {
    HKEY key;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        wchar_t name[512];
        for (;;) {
            DWORD len = sizeof name / sizeof name[0];
            if (RegEnumKeyExW(key, 0, name, &len, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            DeleteTree(key, name);
        }
        RegCloseKey(key);
    }
    RegDeleteKeyW(parent, path.c_str());
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
    LONG rc = create ? RegCreateKeyExW(root, W(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                       nullptr, &key, nullptr)
                     : RegOpenKeyExW(root, W(path).c_str(), 0, KEY_READ, &key);
    return rc == ERROR_SUCCESS ? key : nullptr;
}

// Text data (UTF-8) is written as UTF-16.
void Put(const std::string& path, const std::string& name, DWORD type, const void* data,
         DWORD size, HKEY root) {
    HKEY key = OpenForTest(path, root, true);
    ASSERT_NE(key, nullptr) << "cannot create " << path;
    std::string stored;
    if (IsText(type)) {
        // UTF-16; the byte after a 0xFF at the end is an odd last byte.
        std::string text(static_cast<const char*>(data), size);
        const bool odd = size >= 2 && text[size - 2] == '\xFF';
        const WideString wide = W(odd ? text.substr(0, size - 2) : text);
        stored.assign(reinterpret_cast<const char*>(wide.data()), 2 * wide.size());
        if (odd)
            stored += text[size - 1];
        size = static_cast<DWORD>(stored.size());
        stored.append(2, '\x01'); // no NUL after the data: NT stores no more
        data = stored.data();
    }
    EXPECT_EQ(RegSetValueExW(key, W(name).c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

} // namespace

ScratchRegistry::ScratchRegistry() {
#ifdef _WIN32
    static int counter = 0;
    path_ = "Software\\CorvixTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    // The machine's store of the classes is the scratch HKEY_LOCAL_MACHINE's
    // "Software\Classes", and HKEY_CLASSES_ROOT is that key, as Wine makes it.
    localMachine_ = CreateScratch(path_ + "\\HKLM");
    classesRoot_ = CreateScratch(path_ + "\\HKLM\\Software\\Classes");
    currentUser_ = CreateScratch(path_ + "\\HKCU");
    RegOverridePredefKey(HKEY_CLASSES_ROOT, classesRoot_);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, localMachine_);
    RegOverridePredefKey(HKEY_CURRENT_USER, currentUser_);
#else
    fake::ResetRegistry();
#endif
}

ScratchRegistry::~ScratchRegistry() {
#ifdef _WIN32
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(classesRoot_);
    RegCloseKey(localMachine_);
    RegCloseKey(currentUser_);
    DeleteTree(HKEY_CURRENT_USER, std::wstring(path_.begin(), path_.end()));
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
    if (RegQueryValueExW(key, W(name).c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string bytes(size + 2, '\0');
        if (RegQueryValueExW(key, W(name).c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&bytes[0]), &size) == ERROR_SUCCESS) {
            raw.exists = true;
            raw.type = type;
            raw.bytes = bytes.substr(0, size);
        }
    }
    if (raw.exists && IsText(type)) {
        // Text in UTF-8, unit for unit; the last byte of an odd size after 0xFF.
        WideString units(size / 2, WCHAR(0));
        if (!units.empty())
            std::memcpy(&units[0], raw.bytes.data(), 2 * units.size());
        const std::string odd = size % 2 ? "\xFF" + raw.bytes.substr(size - 1) : "";
        raw.bytes = Utf8FromWide(units) + odd;
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
