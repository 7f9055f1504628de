#include "registry/RawKey.h"

#include "support/AnsiText.h"

#include <algorithm>

namespace {

struct NamedRoot {
    HKEY key;
    const char* name;
};

const NamedRoot kRoots[] = {{HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
                            {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
                            {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
                            {HKEY_USERS, "HKEY_USERS"}};

bool IsRoot(HKEY key) {
    return std::any_of(std::begin(kRoots), std::end(kRoots),
                       [key](const NamedRoot& root) { return root.key == key; });
}

// Opens or creates the names one after another; each step below the last
// handle, which is closed once the next one is open.
template <typename Step>
LONG Follow(const TRawKey& base, const std::string& path, TRawKey& result, Step step) {
    result = TRawKey();
    const std::vector<std::string> names = SplitKeyPath(path);
    TRawKey current(base.Get(), false);
    for (const std::string& name : names) {
        HKEY next = nullptr;
        if (LONG rc = step(current.Get(), name, next))
            return rc;
        current = TRawKey(next, true);
    }
    if (names.empty()) {
        // A second handle to the base, so that result owns what it holds
        // unless the base is a root.
        if (IsRoot(base.Get())) {
            result = TRawKey(base.Get(), false);
            return ERROR_SUCCESS;
        }
        HKEY again = nullptr;
        if (LONG rc = step(base.Get(), std::string(), again))
            return rc;
        current = TRawKey(again, true);
    }
    result = std::move(current);
    return ERROR_SUCCESS;
}

} // namespace

std::vector<std::string> SplitKeyPath(const std::string& path) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= path.size()) {
        // By character: on a Far East system the second byte of a name's
        // character may be 0x5C and separates nothing.
        size_t end = FindCharOf(path, "\\", start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

TRawKey::TRawKey(HKEY key, bool owned) : owned_(owned) {
    if (owned)
        handle_.Reset(key);
    else
        root_ = key;
}

LONG TRawKey::Open(const TRawKey& base, const std::string& path, REGSAM access, TRawKey& result) {
    return Follow(base, path, result, [access](HKEY parent, const std::string& name, HKEY& next) {
        return RegOpenKeyExA(parent, name.c_str(), 0, access, &next);
    });
}

LONG TRawKey::Create(const TRawKey& base, const std::string& path, REGSAM access, TRawKey& result) {
    return Follow(base, path, result, [access](HKEY parent, const std::string& name, HKEY& next) {
        if (name.empty())
            return RegOpenKeyExA(parent, "", 0, access, &next);
        return RegCreateKeyExA(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                               nullptr, &next, nullptr);
    });
}

LONG TRawKey::Values(std::vector<TRawValue>& values) const {
    values.clear();
    DWORD count = 0, maxName = 0, maxData = 0;
    if (LONG rc = RegQueryInfoKeyA(Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   &count, &maxName, &maxData, nullptr, nullptr))
        return rc;
    // Far East systems may count name lengths in characters where the ANSI
    // form needs bytes; the buffers grow on ERROR_MORE_DATA anyway.
    std::vector<char> name(2 * maxName + 2);
    std::string data(maxData + 1, '\0');
    for (DWORD index = 0; index < count; ++index) {
        for (;;) {
            DWORD nameLen = static_cast<DWORD>(name.size());
            DWORD dataLen = static_cast<DWORD>(data.size());
            DWORD type = REG_NONE;
            LONG rc = RegEnumValueA(Get(), index, name.data(), &nameLen, nullptr, &type,
                                    reinterpret_cast<BYTE*>(&data[0]), &dataLen);
            if (rc == ERROR_MORE_DATA) {
                name.resize(name.size() * 2);
                data.resize(std::max<size_t>(data.size() * 2, dataLen + 1));
                continue;
            }
            if (rc)
                return rc;
            values.push_back(TRawValue{std::string(name.data(), nameLen), type,
                                       data.substr(0, std::min<size_t>(dataLen, data.size()))});
            break;
        }
    }
    return ERROR_SUCCESS;
}

LONG TRawKey::SubKeyNames(std::vector<std::string>& names) const {
    names.clear();
    DWORD count = 0, maxName = 0;
    if (LONG rc = RegQueryInfoKeyA(Get(), nullptr, nullptr, nullptr, &count, &maxName, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr))
        return rc;
    std::vector<char> name(2 * maxName + 2);
    for (DWORD index = 0; index < count; ++index) {
        DWORD len = static_cast<DWORD>(name.size());
        if (LONG rc =
                RegEnumKeyExA(Get(), index, name.data(), &len, nullptr, nullptr, nullptr, nullptr))
            return rc;
        names.emplace_back(name.data(), len);
    }
    return ERROR_SUCCESS;
}

LONG TRawKey::SetValue(const TRawValue& value) const {
    // The data is passed from a copy followed by a byte that is no NUL: the
    // NT family stores one byte more for a string whose given size leaves out
    // its NUL when the byte after it is one, which would change the bytes.
    std::string buffer = value.Data + '\x01';
    return RegSetValueExA(Get(), value.Name.c_str(), 0, value.Type,
                          reinterpret_cast<const BYTE*>(buffer.data()),
                          static_cast<DWORD>(value.Data.size()));
}

LONG TRawKey::DeleteValue(const std::string& name) const {
    return RegDeleteValueA(Get(), name.c_str());
}

LONG TRawKey::DeleteTree(const std::string& name) const {
    if (name.empty() || HasCharOf(name, "\\"))
        return ERROR_INVALID_PARAMETER; // one direct subkey, never the key itself
    TRawKey key;
    LONG rc = Open(*this, name, KEY_ALL_ACCESS, key);
    if (rc == ERROR_FILE_NOT_FOUND)
        return ERROR_SUCCESS;
    if (rc)
        return rc;
    std::vector<std::string> subKeys;
    if ((rc = key.SubKeyNames(subKeys)))
        return rc;
    for (const std::string& subKey : subKeys)
        if ((rc = key.DeleteTree(subKey)))
            return rc;
    key = TRawKey();
    return RegDeleteKeyA(Get(), name.c_str());
}

std::string RootKeyName(HKEY root) {
    for (const NamedRoot& named : kRoots)
        if (named.key == root)
            return named.name;
    return std::string();
}

HKEY RootKeyOfName(const std::string& name) {
    for (const NamedRoot& named : kRoots)
        if (name == named.name)
            return named.key;
    return nullptr;
}

std::string RegistryErrorText(LONG code) {
    const char* meaning = "";
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        meaning = ": not found";
        break;
    case ERROR_ACCESS_DENIED:
        meaning = ": access denied";
        break;
    case ERROR_KEY_DELETED:
        meaning = ": key deleted";
        break;
    default:
        break;
    }
    return "error " + std::to_string(code) + meaning;
}
