#include "registry/RawKey.h"

#include "registry/ClassesStore.h"
#include "registry/SystemRegistry.h"
#include "support/SystemText.h"

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
        // Byte by byte: in UTF-8 the byte of "\\" is never part of another
        // character (".ソ" holds none, though its ANSI form in code page 932,
        // 0x2E 0x83 0x5C, does).
        size_t end = path.find('\\', start);
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
    // Below HKEY_CLASSES_ROOT a key is read from the store the merged view
    // takes it from (see registry/ClassesStore.h).
    if (base.Get() == HKEY_CLASSES_ROOT && !SplitKeyPath(path).empty()) {
        TClassesStore store = TClassesStore::View;
        if (LONG rc = ReadingStore(path, store))
            return rc;
        if (store != TClassesStore::View)
            return Open(TRawKey(StoreRoot(store), false), StorePath(store, path), access, result);
    }
    const std::vector<std::string> names = SplitKeyPath(path);
    if (names.size() > 1 && WideSystem()) {
        // The wide functions take the names as one path: one request instead
        // of an open and a close for each name. (In the ANSI form a name's
        // double-byte character may hold the byte of a backslash, so the 95
        // family opens them one by one.)
        std::string joined = names[0];
        for (size_t i = 1; i < names.size(); ++i)
            joined += "\\" + names[i];
        result = TRawKey();
        HKEY key = nullptr;
        if (LONG rc = sysreg::OpenKey(base.Get(), joined, access, key))
            return rc;
        result = TRawKey(key, true);
        return ERROR_SUCCESS;
    }
    return Follow(base, path, result, [access](HKEY parent, const std::string& name, HKEY& next) {
        return sysreg::OpenKey(parent, name, access, next);
    });
}

LONG TRawKey::Create(const TRawKey& base, const std::string& path, REGSAM access, TRawKey& result) {
    return Follow(base, path, result, [access](HKEY parent, const std::string& name, HKEY& next) {
        if (name.empty())
            return sysreg::OpenKey(parent, std::string(), access, next);
        return sysreg::CreateKey(parent, name, access, next);
    });
}

LONG TRawKey::Values(std::vector<TRawValue>& values) const {
    values.clear();
    sysreg::KeyFacts facts;
    if (LONG rc = sysreg::QueryInfoKey(Get(), facts))
        return rc;
    return ReadValues(facts, values);
}

LONG TRawKey::SubKeyNames(std::vector<std::string>& names) const {
    names.clear();
    sysreg::KeyFacts facts;
    if (LONG rc = sysreg::QueryInfoKey(Get(), facts))
        return rc;
    return ReadSubKeyNames(facts, names);
}

LONG TRawKey::Contents(std::vector<TRawValue>& values, std::vector<std::string>& names) const {
    values.clear();
    names.clear();
    sysreg::KeyFacts facts;
    if (LONG rc = sysreg::QueryInfoKey(Get(), facts))
        return rc;
    if (LONG rc = ReadValues(facts, values))
        return rc;
    return ReadSubKeyNames(facts, names);
}

LONG TRawKey::ReadValues(const sysreg::KeyFacts& facts, std::vector<TRawValue>& values) const {
    // The buffers grow on ERROR_MORE_DATA: a value may change meanwhile.
    DWORD nameRoom = facts.MaxValueNameLen + 1;
    DWORD dataRoom = facts.MaxDataLen + 1;
    for (DWORD index = 0; index < facts.Values; ++index) {
        for (;;) {
            TRawValue value;
            DWORD room = dataRoom;
            LONG rc = sysreg::EnumValue(Get(), index, nameRoom, room, value.Name, value.Type,
                                        &value.Data, true);
            if (rc == ERROR_MORE_DATA) {
                nameRoom *= 2;
                dataRoom = std::max(2 * dataRoom, room + 1);
                continue;
            }
            if (rc)
                return rc;
            values.push_back(std::move(value));
            break;
        }
    }
    return ERROR_SUCCESS;
}

LONG TRawKey::ReadSubKeyNames(const sysreg::KeyFacts& facts, std::vector<std::string>& names) const {
    std::string name;
    for (DWORD index = 0; index < facts.SubKeys; ++index) {
        if (LONG rc = sysreg::EnumKey(Get(), index, facts.MaxSubKeyLen + 1, name))
            return rc;
        names.push_back(name);
    }
    return ERROR_SUCCESS;
}

LONG TRawKey::SetValue(const TRawValue& value) const {
    return sysreg::SetValue(Get(), value.Name, value.Type, value.Data);
}

LONG TRawKey::DeleteValue(const std::string& name) const {
    return sysreg::DeleteValue(Get(), name);
}

LONG TRawKey::DeleteTree(const std::string& name) const {
    if (name.empty() || name.find('\\') != std::string::npos)
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
    return sysreg::DeleteKey(Get(), name);
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
