#include "registry/Registry5LE.h"

#include "registry/ClassesStore.h"
#include "registry/SystemRegistry.h"
#include "support/StringList.h"

#include <cstring>
#include <vector>

namespace {

// Size of the stack buffer ReadString tries first. Almost every text the
// program reads (class names, descriptions, command lines) fits, so the value
// is read with one call instead of a size query followed by a read.
constexpr DWORD kStackTextSize = 512;

bool IsTextType(DWORD regType) {
    return regType == REG_SZ || regType == REG_EXPAND_SZ;
}

// The text of a value's data (the system's form, `size` bytes) up to its
// first NUL; a value stored without its NUL ends at its last character.
std::string TextOf(DWORD type, const char* data, DWORD size) {
    const std::string text = sysreg::ProgramData(type, data, size, false);
    return text.substr(0, text.find('\0'));
}

// Opens `path` below `base`; below HKEY_CLASSES_ROOT as the merged view of
// both stores gives it (see registry/ClassesStore.h).
LONG OpenBelow(HKEY base, const std::string& path, REGSAM access, HKEY& result) {
    if (base == HKEY_CLASSES_ROOT)
        return OpenClassesKey(path, access, result);
    return sysreg::OpenKey(base, path, access, result);
}

// The path without its leading backslash when it is absolute.
std::string StripRoot(const std::string& key, bool relative) {
    return relative ? key : key.substr(1);
}

} // namespace

TRegDataType RegDataToDataType(DWORD regType) {
    switch (regType) {
    case REG_SZ:
        return rdString;
    case REG_EXPAND_SZ:
        return rdExpandString;
    case REG_DWORD:
        return rdInteger;
    case REG_BINARY:
        return rdBinary;
    default:
        return rdUnknown;
    }
}

DWORD DataTypeToRegData(TRegDataType dataType) {
    switch (dataType) {
    case rdString:
        return REG_SZ;
    case rdExpandString:
        return REG_EXPAND_SZ;
    case rdInteger:
        return REG_DWORD;
    case rdBinary:
        return REG_BINARY;
    default:
        return REG_NONE;
    }
}

bool IsRelative(const std::string& key) {
    return key.empty() || key[0] != '\\';
}

// --- TRegKeyHandle

TRegKeyHandle& TRegKeyHandle::operator=(TRegKeyHandle&& other) noexcept {
    if (this != &other)
        Reset(other.Release());
    return *this;
}

HKEY TRegKeyHandle::Release() {
    HKEY key = key_;
    key_ = nullptr;
    return key;
}

void TRegKeyHandle::Reset(HKEY key) {
    if (key_ && key_ != key)
        sysreg::CloseKey(key_);
    key_ = key;
}

// --- TRegistry: construction and state

TRegistry::TRegistry() = default;

TRegistry::~TRegistry() {
    CloseKey();
}

TRegistry::TRegistry(TRegistry&& other) noexcept
    : currentKey_(std::move(other.currentKey_)), rootKey_(other.rootKey_),
      currentPath_(std::move(other.currentPath_)), access_(other.access_) {
    other.currentPath_.clear();
}

TRegistry& TRegistry::operator=(TRegistry&& other) noexcept {
    if (this != &other) {
        currentKey_ = std::move(other.currentKey_);
        rootKey_ = other.rootKey_;
        currentPath_ = std::move(other.currentPath_);
        other.currentPath_.clear();
        access_ = other.access_;
    }
    return *this;
}

void TRegistry::SetRootKey(HKEY value) {
    if (value != rootKey_) {
        rootKey_ = value;
        CloseKey();
    }
}

HKEY TRegistry::GetBaseKey(bool relative) const {
    return relative && currentKey_ ? currentKey_.Get() : rootKey_;
}

void TRegistry::ChangeKey(HKEY value, const std::string& path) {
    CloseKey();
    currentKey_.Reset(value);
    currentPath_ = path;
}

void TRegistry::SetCurrentKey(HKEY value) {
    currentKey_.Release();
    currentKey_.Reset(value);
}

void TRegistry::CloseKey() {
    currentKey_.Reset();
    currentPath_.clear();
}

// --- Keys

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    const bool relative = IsRelative(key);
    const std::string path = StripRoot(key, relative);
    HKEY base = GetBaseKey(relative);
    HKEY opened = nullptr;
    LONG rc;
    if (canCreate && !path.empty())
        rc = sysreg::CreateKey(base, path, access_, opened);
    else
        rc = OpenBelow(base, path, access_, opened);
    if (rc != ERROR_SUCCESS)
        return false;
    TRegKeyHandle handle(opened); // owned until it is current
    std::string newPath = relative && currentKey_ ? currentPath_ + "\\" + path : path;
    ChangeKey(handle.Release(), newPath);
    return true;
}

bool TRegistry::CreateKey(const std::string& key) {
    const bool relative = IsRelative(key);
    const std::string path = StripRoot(key, relative);
    HKEY created = nullptr;
    LONG rc = sysreg::CreateKey(GetBaseKey(relative), path, KEY_ALL_ACCESS, created);
    if (rc != ERROR_SUCCESS)
        throw ERegistryException("Erzeugung von Schlüssel " + key + " misslungen");
    TRegKeyHandle close(created);
    return true;
}

bool TRegistry::DeleteKey(const std::string& key) {
    const bool relative = IsRelative(key);
    const std::string path = StripRoot(key, relative);
    // RegDeleteKey of an empty path deletes the base key itself, and the
    // recursion below would first empty it: with no key open that is the
    // whole root. No caller means that, so it is refused.
    if (path.empty())
        return false;
    {
        TRegKeyHandle doomed(GetKey(key));
        if (doomed) {
            // Borrow the current-key slot so the recursion below resolves
            // subkey names relative to the key being deleted.
            HKEY oldKey = currentKey_.Release();
            currentKey_.Reset(doomed.Get());
            struct Restore {
                TRegistry& reg;
                HKEY oldKey;
                ~Restore() { reg.SetCurrentKey(oldKey); }
            } restore{*this, oldKey};
            TStringList names;
            GetKeyNames(names);
            for (int i = names.Count(); i-- > 0;)
                DeleteKey(names[i]);
        }
    }
    return sysreg::DeleteKey(GetBaseKey(relative), path) == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(const std::string& key) {
    TRegKeyHandle handle(GetKey(key));
    return static_cast<bool>(handle);
}

HKEY TRegistry::GetKey(const std::string& key) {
    const bool relative = IsRelative(key);
    const std::string path = StripRoot(key, relative);
    HKEY opened = nullptr;
    if (OpenBelow(GetBaseKey(relative), path, access_, opened) != ERROR_SUCCESS)
        return nullptr;
    return opened;
}

bool TRegistry::GetKeyInfo(TRegKeyInfo& info) {
    info = TRegKeyInfo();
    sysreg::KeyFacts facts;
    if (!currentKey_ || sysreg::QueryInfoKey(currentKey_.Get(), facts) != ERROR_SUCCESS)
        return false;
    info.NumSubKeys = facts.SubKeys;
    info.MaxSubKeyLen = facts.MaxSubKeyLen;
    info.NumValues = facts.Values;
    info.MaxValueLen = facts.MaxValueNameLen;
    info.MaxDataLen = facts.MaxDataLen;
    info.FileTime = facts.LastWrite;
    return true;
}

void TRegistry::GetKeyNames(TStringList& strings) {
    strings.Clear();
    TRegKeyInfo info;
    if (!GetKeyInfo(info))
        return;
    std::string name;
    for (DWORD i = 0; i < info.NumSubKeys; ++i)
        if (sysreg::EnumKey(currentKey_.Get(), i, info.MaxSubKeyLen + 1, name) == ERROR_SUCCESS)
            strings.Add(name);
}

// --- Values

bool TRegistry::GetDataInfo(const std::string& name, TRegDataInfo& info) {
    info = TRegDataInfo();
    if (!currentKey_)
        return false;
    DWORD type = REG_NONE, size = 0;
    if (sysreg::QueryValue(currentKey_.Get(), name, type, nullptr, 0, size) != ERROR_SUCCESS)
        return false;
    info.RegData = RegDataToDataType(type);
    info.DataSize = static_cast<int32_t>(size);
    return true;
}

bool TRegistry::ValueExists(const std::string& name) {
    TRegDataInfo info;
    return GetDataInfo(name, info);
}

int TRegistry::GetDataSize(const std::string& name) {
    TRegDataInfo info;
    return GetDataInfo(name, info) ? info.DataSize : -1;
}

TRegDataType TRegistry::GetDataType(const std::string& name) {
    TRegDataInfo info;
    return GetDataInfo(name, info) ? info.RegData : rdUnknown;
}

bool TRegistry::DeleteValue(const std::string& name) {
    return currentKey_ && sysreg::DeleteValue(currentKey_.Get(), name) == ERROR_SUCCESS;
}

void TRegistry::PutData(const std::string& name, const void* buffer, DWORD bufSize,
                        TRegDataType regData) {
    if (!currentKey_ ||
        sysreg::SetValue(currentKey_.Get(), name, DataTypeToRegData(regData),
                         std::string(static_cast<const char*>(buffer), bufSize)) != ERROR_SUCCESS)
        throw ERegistryException("Konnte Daten für '" + name + "' nicht setzen");
}

int TRegistry::GetData(const std::string& name, void* buffer, DWORD bufSize,
                       TRegDataType& regData) {
    DWORD type = REG_NONE, size = 0;
    if (!currentKey_ ||
        sysreg::QueryValue(currentKey_.Get(), name, type, static_cast<char*>(buffer), bufSize,
                           size) != ERROR_SUCCESS)
        throw ERegistryException("Konnte Daten für '" + name + "' nicht holen");
    regData = RegDataToDataType(type);
    return static_cast<int>(size);
}

void TRegistry::ReadError(const std::string& name) {
    throw ERegistryException("Ungültiger Datentyp für '" + name + "'");
}

bool TRegistry::ReadStringIfExists(const std::string& name, std::string& value) {
    if (!currentKey_)
        return false;
    char stackBuffer[kStackTextSize];
    DWORD type = REG_NONE, size = 0;
    LONG rc =
        sysreg::QueryValue(currentKey_.Get(), name, type, stackBuffer, sizeof stackBuffer, size);
    const char* data = stackBuffer;
    std::vector<char> heapBuffer;
    if (rc == ERROR_MORE_DATA) {
        // The call reported the size the data needs; read once more into a
        // buffer of that size. A value that grew meanwhile can't be read.
        heapBuffer.resize(size ? size : 1);
        DWORD want = size;
        rc = sysreg::QueryValue(currentKey_.Get(), name, type, heapBuffer.data(), want, size);
        if (rc != ERROR_SUCCESS || size > want)
            throw ERegistryException("Konnte Daten für '" + name + "' nicht holen");
        data = heapBuffer.data();
    } else if (rc != ERROR_SUCCESS) {
        return false; // missing (or not readable): no value
    }
    if (size == 0) {
        value.clear(); // a value without data reads as the empty text, whatever its type
        return true;
    }
    if (!IsTextType(type))
        ReadError(name);
    value = TextOf(type, data, size);
    return true;
}

std::string TRegistry::ReadString(const std::string& name) {
    std::string value;
    ReadStringIfExists(name, value);
    return value;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    PutData(name, value.c_str(), static_cast<DWORD>(value.size() + 1), rdString);
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
    PutData(name, value.c_str(), static_cast<DWORD>(value.size() + 1), rdExpandString);
}

int32_t TRegistry::ReadInteger(const std::string& name) {
    uint32_t data = 0; // a shorter REG_DWORD leaves the high bytes zero
    TRegDataType regData = rdUnknown;
    GetData(name, &data, sizeof data, regData);
    if (regData != rdInteger)
        ReadError(name);
    return static_cast<int32_t>(data);
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
    PutData(name, &value, sizeof value, rdInteger);
}

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, int size) {
    PutData(name, buffer, static_cast<DWORD>(size), rdBinary);
}

int TRegistry::ReadBinaryData(const std::string& name, void* buffer, int bufSize) {
    TRegDataInfo info;
    if (!GetDataInfo(name, info))
        return 0;
    if ((info.RegData != rdBinary && info.RegData != rdUnknown) || info.DataSize > bufSize)
        ReadError(name);
    TRegDataType regData = rdUnknown;
    return GetData(name, buffer, static_cast<DWORD>(bufSize), regData);
}
