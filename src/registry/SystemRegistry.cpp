#include "registry/SystemRegistry.h"

#include "support/SystemFunction.h"
#include "support/SystemText.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

std::atomic<long> registryCalls{0};

void Count() {
    registryCalls.fetch_add(1, std::memory_order_relaxed);
}

// A wide function of advapi32, looked up where it is called: Windows 95
// lacks most of them, so they are never imported.
#define WIDE_FUNCTION(function) SYSTEM_FUNCTION("advapi32.dll", function)

// The text of `length` units up to its first NUL (a name is never longer).
template <typename C> size_t UpToNul(const C* text, size_t length) {
    return static_cast<size_t>(std::find(text, text + length, C(0)) - text);
}

std::string NameOfWide(const std::vector<WCHAR>& buffer, DWORD length) {
    const size_t units = UpToNul(buffer.data(), std::min<size_t>(length, buffer.size()));
    return Utf8FromWide(buffer.data(), static_cast<int>(units));
}

std::string NameOfAnsi(const std::vector<char>& buffer, DWORD length) {
    const size_t size = UpToNul(buffer.data(), std::min<size_t>(length, buffer.size()));
    return Utf8FromAnsi(std::string(buffer.data(), size));
}

} // namespace

long RegistryCallCount() {
    return registryCalls.load(std::memory_order_relaxed);
}

namespace sysreg {

bool IsTextType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::string ProgramData(DWORD type, const char* data, DWORD size, bool keepOddByte) {
    if (!IsTextType(type))
        return std::string(data, size);
    if (!WideSystem())
        return Utf8FromAnsi(std::string(data, size));
    WideString wide(size / 2, WCHAR(0));
    if (!wide.empty())
        std::memcpy(&wide[0], data, 2 * wide.size());
    std::string text = Utf8FromWide(wide);
    if (size % 2 && keepOddByte) {
        text += '\xFF';
        text += data[size - 1];
    }
    return text;
}

std::string WideTextBytes(const std::string& data) {
    const size_t size = data.size();
    const bool odd = size >= 2 && data[size - 2] == '\xFF';
    const WideString wide = WideFromUtf8(odd ? data.substr(0, size - 2) : data);
    std::string bytes(2 * wide.size(), '\0');
    if (!wide.empty())
        std::memcpy(&bytes[0], wide.data(), bytes.size());
    if (odd)
        bytes += data[size - 1];
    return bytes;
}

std::string SystemData(DWORD type, const std::string& data) {
    if (!IsTextType(type))
        return data;
    return WideSystem() ? WideTextBytes(data) : AnsiFromUtf8(data);
}

DWORD NameUnitSize() {
    return WideSystem() ? sizeof(WCHAR) : 1;
}

LONG OpenKey(HKEY base, const std::string& path, REGSAM access, HKEY& result) {
    result = nullptr;
    Count();
    if (!WideSystem())
        return RegOpenKeyExA(base, AnsiFromUtf8(path).c_str(), 0, access, &result);
    const auto open = WIDE_FUNCTION(RegOpenKeyExW);
    return open ? open(base, WideFromUtf8(path).c_str(), 0, access, &result)
                : ERROR_CALL_NOT_IMPLEMENTED;
}

LONG CreateKey(HKEY base, const std::string& path, REGSAM access, HKEY& result) {
    result = nullptr;
    DWORD disposition = 0;
    Count();
    if (!WideSystem())
        return RegCreateKeyExA(base, AnsiFromUtf8(path).c_str(), 0, nullptr,
                               REG_OPTION_NON_VOLATILE, access, nullptr, &result, &disposition);
    const auto create = WIDE_FUNCTION(RegCreateKeyExW);
    return create ? create(base, WideFromUtf8(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           access, nullptr, &result, &disposition)
                  : ERROR_CALL_NOT_IMPLEMENTED;
}

LONG CloseKey(HKEY key) {
    Count();
    return RegCloseKey(key);
}

LONG DeleteKey(HKEY base, const std::string& path) {
    Count();
    if (!WideSystem())
        return RegDeleteKeyA(base, AnsiFromUtf8(path).c_str());
    const auto remove = WIDE_FUNCTION(RegDeleteKeyW);
    return remove ? remove(base, WideFromUtf8(path).c_str()) : ERROR_CALL_NOT_IMPLEMENTED;
}

LONG DeleteValue(HKEY key, const std::string& name) {
    Count();
    if (!WideSystem())
        return RegDeleteValueA(key, AnsiFromUtf8(name).c_str());
    const auto remove = WIDE_FUNCTION(RegDeleteValueW);
    return remove ? remove(key, WideFromUtf8(name).c_str()) : ERROR_CALL_NOT_IMPLEMENTED;
}

LONG QueryInfoKey(HKEY key, KeyFacts& facts) {
    Count();
    if (!WideSystem())
        return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &facts.SubKeys, &facts.MaxSubKeyLen,
                                nullptr, &facts.Values, &facts.MaxValueNameLen, &facts.MaxDataLen,
                                nullptr, &facts.LastWrite);
    const auto query = WIDE_FUNCTION(RegQueryInfoKeyW);
    return query ? query(key, nullptr, nullptr, nullptr, &facts.SubKeys, &facts.MaxSubKeyLen,
                         nullptr, &facts.Values, &facts.MaxValueNameLen, &facts.MaxDataLen, nullptr,
                         &facts.LastWrite)
                 : ERROR_CALL_NOT_IMPLEMENTED;
}

LONG EnumKey(HKEY key, DWORD index, DWORD room, std::string& name) {
    room = std::max<DWORD>(room, 1);
    DWORD length = room;
    Count();
    if (!WideSystem()) {
        std::vector<char> buffer(room);
        const LONG rc =
            RegEnumKeyExA(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_SUCCESS)
            name = NameOfAnsi(buffer, length);
        return rc;
    }
    const auto enumerate = WIDE_FUNCTION(RegEnumKeyExW);
    if (!enumerate)
        return ERROR_CALL_NOT_IMPLEMENTED;
    std::vector<WCHAR> buffer(room);
    const LONG rc =
        enumerate(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_SUCCESS)
        name = NameOfWide(buffer, length);
    return rc;
}

LONG EnumValue(HKEY key, DWORD index, DWORD nameRoom, DWORD& dataRoom, std::string& name,
               DWORD& type, std::string* data, bool keepOddByte) {
    nameRoom = std::max<DWORD>(nameRoom, 1);
    DWORD nameLength = nameRoom;
    std::vector<char> bytes(data ? std::max<DWORD>(dataRoom, 1) : 0);
    DWORD dataLength = dataRoom;
    BYTE* const dataBuffer = data ? reinterpret_cast<BYTE*>(bytes.data()) : nullptr;
    DWORD* const dataSize = data ? &dataLength : nullptr;
    type = REG_NONE;
    LONG rc;
    Count();
    if (!WideSystem()) {
        std::vector<char> buffer(nameRoom);
        rc = RegEnumValueA(key, index, buffer.data(), &nameLength, nullptr, &type, dataBuffer,
                           dataSize);
        if (rc == ERROR_SUCCESS)
            name = NameOfAnsi(buffer, nameLength);
    } else {
        const auto enumerate = WIDE_FUNCTION(RegEnumValueW);
        if (!enumerate)
            return ERROR_CALL_NOT_IMPLEMENTED;
        std::vector<WCHAR> buffer(nameRoom);
        rc =
            enumerate(key, index, buffer.data(), &nameLength, nullptr, &type, dataBuffer, dataSize);
        if (rc == ERROR_SUCCESS)
            name = NameOfWide(buffer, nameLength);
    }
    if (rc == ERROR_MORE_DATA && data && dataLength > dataRoom)
        dataRoom = dataLength;
    if (rc == ERROR_SUCCESS && data)
        *data = ProgramData(type, bytes.data(), std::min<DWORD>(dataLength, dataRoom), keepOddByte);
    return rc;
}

LONG QueryValue(HKEY key, const std::string& name, DWORD& type, char* buffer, DWORD room,
                DWORD& size) {
    size = room;
    type = REG_NONE;
    BYTE* const data = reinterpret_cast<BYTE*>(buffer);
    Count();
    if (!WideSystem())
        return RegQueryValueExA(key, AnsiFromUtf8(name).c_str(), nullptr, &type, data, &size);
    const auto query = WIDE_FUNCTION(RegQueryValueExW);
    return query ? query(key, WideFromUtf8(name).c_str(), nullptr, &type, data, &size)
                 : ERROR_CALL_NOT_IMPLEMENTED;
}

LONG SetValue(HKEY key, const std::string& name, DWORD type, const std::string& data) {
    // Passed from a copy followed by a character that is no NUL: the NT
    // family stores one character more for a string whose given size leaves
    // out its NUL when the character after it is one, which would change
    // what is stored.
    std::string stored = SystemData(type, data);
    const DWORD size = static_cast<DWORD>(stored.size());
    stored.append(2, '\x01');
    const BYTE* bytes = reinterpret_cast<const BYTE*>(stored.data());
    Count();
    if (!WideSystem())
        return RegSetValueExA(key, AnsiFromUtf8(name).c_str(), 0, type, bytes, size);
    const auto set = WIDE_FUNCTION(RegSetValueExW);
    return set ? set(key, WideFromUtf8(name).c_str(), 0, type, bytes, size)
               : ERROR_CALL_NOT_IMPLEMENTED;
}

} // namespace sysreg
