// The advapi32 registry functions of the native stand-in, over the in-memory
// tree of FakeRegistryTree: the wide ("W") functions take names and text data
// exactly as the tree keeps them (UTF-16); the ANSI ("A") functions convert
// them through the stand-in's ANSI code page (MultiByteToWideChar), so that a
// character the code page lacks reads back as "?" and a Far East name such as
// ".ソ" (0x2E 0x83 0x5C in code page 932) holds no backslash. Return codes
// follow Wine 8, checked with small probe programs against Wine's real
// registry; where the stand-in is stricter (RegQueryInfoKey needs
// KEY_QUERY_VALUE, creating a subkey needs
// KEY_CREATE_SUB_KEY on the parent handle) it follows Windows' documented
// access rules. With a 95/98/ME version record set (fake::SetVersion) it acts
// as that family does under Wine: handles get every right whatever was asked,
// and RegDeleteKey deletes a key with all its subkeys. Single-threaded, as
// the program is.
#include "platform/FakeControl.h"
#include "platform/FakeInternal.h"
#include "platform/FakeRegistryTree.h"

#include <cstring>
#include <deque>
#include <map>
#include <mutex>

using fake::registry::Key;
using fake::registry::Value;

namespace {

struct Handle {
    std::shared_ptr<Key> key;
    REGSAM access = 0;
};

const int kRootCount = 4;
const int kFaultKinds = static_cast<int>(fake::Fault::EnumValue) + 1;

struct Registry {
    std::shared_ptr<Key> roots[kRootCount];
    std::map<uintptr_t, Handle> handles;
    uintptr_t nextHandle = 0x1000;
    std::deque<LONG> faults[kFaultKinds];
    long calls = 0;

    Registry() { MakeRoots(); }
    void MakeRoots() {
        const char16_t* names[kRootCount] = {u"HKEY_CLASSES_ROOT", u"HKEY_CURRENT_USER",
                                             u"HKEY_LOCAL_MACHINE", u"HKEY_USERS"};
        for (int i = 0; i < kRootCount; ++i)
            roots[i] = std::make_shared<Key>(names[i]);
        // Every user's store of the classes exists on every system.
        roots[2]->AddSubKey(u"Software")->AddSubKey(u"Classes");
    }
};

Registry& Reg() {
    static Registry registry;
    return registry;
}

// The registry answers one call at a time, as the real one does for a key:
// the reads of several threads (registry/ParallelReads.h) may come at once.
std::unique_lock<std::recursive_mutex> OneCallAtATime() {
    static std::recursive_mutex mutex;
    return std::unique_lock<std::recursive_mutex>(mutex);
}

// Counts the call and reports an injected failure of that kind, if any.
bool Enter(fake::Fault kind, LONG& error) {
    Registry& r = Reg();
    ++r.calls;
    std::deque<LONG>& queue = r.faults[static_cast<int>(kind)];
    if (queue.empty())
        return false;
    error = queue.front();
    queue.pop_front();
    return true;
}

// Generic rights and MAXIMUM_ALLOWED mapped to the key rights they stand for.
REGSAM MapAccess(REGSAM sam) {
    if (sam & (GENERIC_ALL | MAXIMUM_ALLOWED))
        return KEY_ALL_ACCESS;
    REGSAM access = sam & KEY_ALL_ACCESS;
    if (sam & GENERIC_READ)
        access |= KEY_READ;
    if (sam & GENERIC_WRITE)
        access |= KEY_WRITE;
    if (sam & GENERIC_EXECUTE)
        access |= KEY_EXECUTE;
    return access;
}

bool IsPredefinedValue(uintptr_t value) {
    return value >= 0x80000000u && value < 0x80000000u + kRootCount;
}

// The key and rights behind a handle: the predefined roots have every right.
LONG Resolve(HKEY hKey, Handle& out) {
    Registry& r = Reg();
    uintptr_t value = reinterpret_cast<uintptr_t>(hKey);
    if (IsPredefinedValue(value)) {
        // HKEY_CLASSES_ROOT itself is the machine's store; the paths below
        // it are followed in the store the view takes them from (WalkPath).
        out.key = hKey == HKEY_CLASSES_ROOT ? fake::detail::ClassesKey(false, true)
                                            : r.roots[value - 0x80000000u];
        out.access = KEY_ALL_ACCESS;
        return ERROR_SUCCESS;
    }
    auto it = r.handles.find(value);
    if (it == r.handles.end())
        return ERROR_INVALID_HANDLE;
    out = it->second;
    return out.key->IsDeleted() ? ERROR_KEY_DELETED : ERROR_SUCCESS;
}

LONG ResolveWith(HKEY hKey, REGSAM needed, Handle& out) {
    LONG rc = Resolve(hKey, out);
    if (rc == ERROR_SUCCESS && (out.access & needed) != needed)
        rc = ERROR_ACCESS_DENIED;
    return rc;
}

bool IsPredefined(HKEY hKey) {
    return IsPredefinedValue(reinterpret_cast<uintptr_t>(hKey));
}

HKEY NewHandle(std::shared_ptr<Key> key, REGSAM sam) {
    Registry& r = Reg();
    uintptr_t value = r.nextHandle;
    r.nextHandle += 4; // handle values are never reused
    // The 95/98/ME registry has no security: every handle may do everything.
    REGSAM access = fake::detail::Windows9x() ? KEY_ALL_ACCESS : MapAccess(sam);
    r.handles[value] = Handle{std::move(key), access};
    return reinterpret_cast<HKEY>(value);
}

// A path followed from a handle as far as its keys exist.
struct PathWalk {
    Handle base; // the handle the path starts at
    std::vector<std::u16string> components;
    std::shared_ptr<Key> key; // the last key found
    size_t depth = 0;         // how many components were found
    bool Complete() const { return depth == components.size(); }
};

// Resolves the handle, splits the path and follows it as far as it goes.
LONG WalkPath(HKEY hKey, const std::u16string& path, PathWalk& walk) {
    if (LONG rc = Resolve(hKey, walk.base))
        return rc;
    if (!fake::registry::SplitPath(path, walk.components))
        return ERROR_BAD_PATHNAME;
    if (hKey == HKEY_CLASSES_ROOT)
        walk.base.key = fake::detail::ViewBase(walk.components);
    walk.key = walk.base.key;
    while (!walk.Complete()) {
        std::shared_ptr<Key> next = walk.key->FindSubKey(walk.components[walk.depth]);
        if (!next)
            break;
        walk.key = std::move(next);
        ++walk.depth;
    }
    return ERROR_SUCCESS;
}

// Whether a handle with these rights on `key` would write a store that
// refuses writes (fake::RefuseMachineClasses).
bool WriteRefused(const Key& key, REGSAM sam) {
    return (MapAccess(sam) & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) &&
           fake::detail::MachineClassesRefused(key);
}

// --- Conversions of the ANSI functions.

std::u16string WideOfAnsi(const char* text, size_t size) {
    if (!size)
        return std::u16string();
    const int count = static_cast<int>(size);
    const int units = MultiByteToWideChar(CP_ACP, 0, text, count, nullptr, 0);
    std::u16string wide(static_cast<size_t>(units), u'\0');
    if (units)
        MultiByteToWideChar(CP_ACP, 0, text, count, &wide[0], units);
    return wide;
}

std::u16string WideName(LPCSTR name) {
    return name ? WideOfAnsi(name, std::strlen(name)) : std::u16string();
}

std::u16string WideName(LPCWSTR name) {
    return name ? std::u16string(name) : std::u16string();
}

std::string AnsiOf(const char16_t* text, size_t units) {
    if (!units)
        return std::string();
    const int count = static_cast<int>(units);
    const int size = WideCharToMultiByte(CP_ACP, 0, text, count, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    if (size)
        WideCharToMultiByte(CP_ACP, 0, text, count, &ansi[0], size, nullptr, nullptr);
    return ansi;
}

std::string AnsiOf(const std::u16string& text) {
    return AnsiOf(text.data(), text.size());
}

// Value data as an ANSI function takes or gives it: text converted (the
// odd last byte of a text stored with an odd size is lost, as on NT).
std::vector<BYTE> StoredOfAnsi(DWORD type, const BYTE* data, DWORD size) {
    if (!fake::registry::IsStringType(type))
        return std::vector<BYTE>(data, data + size);
    const std::u16string wide = WideOfAnsi(reinterpret_cast<const char*>(data), size);
    const BYTE* bytes = reinterpret_cast<const BYTE*>(wide.data());
    return std::vector<BYTE>(bytes, bytes + 2 * wide.size());
}

std::vector<BYTE> AnsiOfStored(const Value& value) {
    if (!fake::registry::IsStringType(value.type))
        return value.data;
    std::u16string wide(value.data.size() / 2, u'\0');
    if (!wide.empty())
        std::memcpy(&wide[0], value.data.data(), 2 * wide.size());
    const std::string ansi = AnsiOf(wide);
    return std::vector<BYTE>(ansi.begin(), ansi.end());
}

// The length of a name as a function counts it: UTF-16 units for the wide
// functions and for NT's ANSI ones (which is why Far East NT systems report
// lengths that can be too short for the ANSI form), bytes of the ANSI form
// on the 95 family.
size_t NameLength(const std::u16string& name, bool ansi) {
    return ansi && fake::detail::Windows9x() ? AnsiOf(name).size() : name.size();
}

// The characters of a buffer, so that the A and W functions share one body.
template <typename C> struct Text;
template <> struct Text<char> {
    static std::string Out(const std::u16string& name) { return AnsiOf(name); }
    static std::vector<BYTE> Data(const Value& value) { return AnsiOfStored(value); }
    static std::vector<BYTE> Stored(DWORD type, const BYTE* data, DWORD size) {
        return StoredOfAnsi(type, data, size);
    }
    static const bool kAnsi = true;
};
template <> struct Text<char16_t> {
    static const std::u16string& Out(const std::u16string& name) { return name; }
    static const std::vector<BYTE>& Data(const Value& value) { return value.data; }
    static std::vector<BYTE> Stored(DWORD, const BYTE* data, DWORD size) {
        return std::vector<BYTE>(data, data + size);
    }
    static const bool kAnsi = false;
};

// NT counts a forgotten NUL of a string: when the character after the given
// size is a NUL, it is stored too. Like NT, this reads that character.
template <typename C> DWORD CountForgottenNul(DWORD type, const BYTE* data, DWORD size) {
    if (!fake::registry::IsStringType(type) || size < sizeof(C))
        return size;
    const C* text = reinterpret_cast<const C*>(data);
    const DWORD units = size / sizeof(C);
    return text[units - 1] && !text[units] ? size + sizeof(C) : size;
}

// --- The functions, once for both kinds of text.

template <typename C>
LSTATUS OpenKey(HKEY hKey, const C* lpSubKey, REGSAM samDesired, PHKEY phkResult) {
    const auto lock = OneCallAtATime();
    LONG error;
    if (phkResult)
        *phkResult = nullptr;
    if (Enter(fake::Fault::Open, error))
        return error;
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    std::u16string path = WideName(lpSubKey);
    // NT lets a path below HKEY_CLASSES_ROOT start with one backslash.
    if (hKey == HKEY_CLASSES_ROOT && !fake::detail::Windows9x() && !path.empty() &&
        path[0] == u'\\')
        path.erase(0, 1);
    PathWalk walk;
    if (LONG rc = WalkPath(hKey, path, walk))
        return rc;
    // A predefined root opened with an empty path gives the root back.
    if (walk.components.empty() && IsPredefined(hKey)) {
        *phkResult = hKey;
        return ERROR_SUCCESS;
    }
    if (!walk.Complete())
        return ERROR_FILE_NOT_FOUND;
    if (!fake::detail::Windows9x() && WriteRefused(*walk.key, samDesired))
        return ERROR_ACCESS_DENIED;
    *phkResult = NewHandle(std::move(walk.key), samDesired);
    return ERROR_SUCCESS;
}

template <typename C>
LSTATUS CreateKey(HKEY hKey, const C* lpSubKey, REGSAM samDesired, PHKEY phkResult,
                  LPDWORD lpdwDisposition) {
    const auto lock = OneCallAtATime();
    LONG error;
    if (phkResult)
        *phkResult = nullptr;
    if (Enter(fake::Fault::Create, error))
        return error;
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    PathWalk walk;
    if (LONG rc = WalkPath(hKey, WideName(lpSubKey), walk))
        return rc;
    if (!walk.Complete() && !(walk.base.access & KEY_CREATE_SUB_KEY))
        return ERROR_ACCESS_DENIED;
    if (WriteRefused(*walk.key, walk.Complete() ? samDesired : KEY_CREATE_SUB_KEY))
        return ERROR_ACCESS_DENIED;
    // Wine reports an empty path as a created key as well.
    if (lpdwDisposition)
        *lpdwDisposition = !walk.Complete() || walk.components.empty() ? REG_CREATED_NEW_KEY
                                                                       : REG_OPENED_EXISTING_KEY;
    for (size_t i = walk.depth; i < walk.components.size(); ++i)
        walk.key = walk.key->AddSubKey(walk.components[i]);
    *phkResult = NewHandle(std::move(walk.key), samDesired);
    return ERROR_SUCCESS;
}

template <typename C> LSTATUS DeleteKey(HKEY hKey, const C* lpSubKey) {
    const auto lock = OneCallAtATime();
    LONG error;
    if (Enter(fake::Fault::DeleteKey, error))
        return error;
    if (!lpSubKey)
        return ERROR_INVALID_PARAMETER;
    // The parent handle needs no particular right: the key itself is opened
    // for deletion, as Windows and Wine do.
    PathWalk walk;
    if (LONG rc = WalkPath(hKey, WideName(lpSubKey), walk))
        return rc;
    if (!walk.Complete())
        return ERROR_FILE_NOT_FOUND;
    const std::shared_ptr<Key>& key = walk.key;
    if (key->IsRoot() || WriteRefused(*key, KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    // 95/98/ME delete the whole tree; NT refuses a key that has subkeys.
    if (fake::detail::Windows9x()) {
        key->DeleteTree();
        return ERROR_SUCCESS;
    }
    if (key->SubKeyCount() > 0)
        return ERROR_ACCESS_DENIED;
    key->Delete();
    return ERROR_SUCCESS;
}

template <typename C> LSTATUS DeleteValue(HKEY hKey, const C* lpValueName) {
    const auto lock = OneCallAtATime();
    LONG error;
    if (Enter(fake::Fault::DeleteValue, error))
        return error;
    Handle handle;
    if (LONG rc = ResolveWith(hKey, KEY_SET_VALUE, handle))
        return rc;
    if (WriteRefused(*handle.key, KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    return handle.key->DeleteValue(WideName(lpValueName)) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

template <typename C>
LSTATUS EnumKey(HKEY hKey, DWORD dwIndex, C* lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                C* lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
    const auto lock = OneCallAtATime();
    LONG error;
    if (Enter(fake::Fault::Enum, error))
        return error;
    if (lpReserved)
        return ERROR_INVALID_PARAMETER;
    Handle handle;
    if (LONG rc = ResolveWith(hKey, KEY_ENUMERATE_SUB_KEYS, handle))
        return rc;
    std::vector<const Key*> view;
    if (hKey == HKEY_CLASSES_ROOT)
        view = fake::detail::ViewRootSubKeys();
    const size_t count = hKey == HKEY_CLASSES_ROOT ? view.size() : handle.key->SubKeyCount();
    if (dwIndex >= count)
        return ERROR_NO_MORE_ITEMS;
    if (!lpName || !lpcchName || (lpClass && !lpcchClass))
        return ERROR_INVALID_PARAMETER;
    const Key& subKey =
        hKey == HKEY_CLASSES_ROOT ? *view[dwIndex] : handle.key->SubKeyAt(dwIndex);
    const auto name = Text<C>::Out(subKey.Name());
    // A short buffer leaves the buffer and the length untouched (Wine); the
    // caller sizes its buffer from RegQueryInfoKey.
    if (name.size() >= *lpcchName || (lpClass && *lpcchClass == 0))
        return ERROR_MORE_DATA;
    std::memcpy(lpName, name.c_str(), (name.size() + 1) * sizeof(C));
    *lpcchName = static_cast<DWORD>(name.size());
    if (lpClass) {
        lpClass[0] = 0;
        *lpcchClass = 0;
    }
    if (lpftLastWriteTime)
        *lpftLastWriteTime = subKey.LastWriteTime();
    return ERROR_SUCCESS;
}

template <typename C>
LSTATUS EnumValue(HKEY hKey, DWORD dwIndex, C* lpValueName, LPDWORD lpcchValueName,
                  LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    const auto lock = OneCallAtATime();
    LONG error;
    if (Enter(fake::Fault::EnumValue, error))
        return error;
    if (lpReserved || !lpValueName || !lpcchValueName || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    Handle handle;
    if (LONG rc = ResolveWith(hKey, KEY_QUERY_VALUE, handle))
        return rc;
    if (dwIndex >= handle.key->ValueCount())
        return ERROR_NO_MORE_ITEMS;
    const Value& value = handle.key->ValueAt(dwIndex);
    const auto name = Text<C>::Out(value.name);
    const std::vector<BYTE> data = Text<C>::Data(value);
    const DWORD size = static_cast<DWORD>(data.size());
    // As RegEnumKeyEx: a short name buffer is left untouched.
    if (name.size() >= *lpcchValueName)
        return ERROR_MORE_DATA;
    if (lpData && *lpcbData < size) {
        *lpcbData = size;
        return ERROR_MORE_DATA;
    }
    std::memcpy(lpValueName, name.c_str(), (name.size() + 1) * sizeof(C));
    *lpcchValueName = static_cast<DWORD>(name.size());
    if (lpType)
        *lpType = value.type;
    if (lpData && size)
        std::memcpy(lpData, data.data(), size);
    if (lpcbData)
        *lpcbData = size;
    return ERROR_SUCCESS;
}

template <typename C>
LSTATUS QueryInfoKey(HKEY hKey, C* lpClass, LPDWORD lpcchClass, LPDWORD lpReserved,
                     LPDWORD lpcSubKeys, LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                     LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                     LPDWORD lpcbSecurityDescriptor, PFILETIME lpftLastWriteTime) {
    const auto lock = OneCallAtATime();
    LONG error;
    if (Enter(fake::Fault::QueryInfo, error))
        return error;
    if (lpReserved || (lpClass && !lpcchClass))
        return ERROR_INVALID_PARAMETER;
    // Windows asks for KEY_QUERY_VALUE here; Wine does not check it.
    Handle handle;
    if (LONG rc = ResolveWith(hKey, KEY_QUERY_VALUE, handle))
        return rc;
    const Key& key = *handle.key;
    if (lpClass) {
        if (*lpcchClass == 0)
            return ERROR_MORE_DATA;
        lpClass[0] = 0;
    }
    if (lpcchClass)
        *lpcchClass = 0;
    const auto length = [](const std::u16string& name) { return NameLength(name, Text<C>::kAnsi); };
    if (hKey == HKEY_CLASSES_ROOT) {
        const std::vector<const Key*> view = fake::detail::ViewRootSubKeys();
        size_t longest = 0;
        for (const Key* subKey : view)
            longest = std::max(longest, length(subKey->Name()));
        if (lpcSubKeys)
            *lpcSubKeys = static_cast<DWORD>(view.size());
        if (lpcbMaxSubKeyLen)
            *lpcbMaxSubKeyLen = static_cast<DWORD>(longest);
    } else {
        if (lpcSubKeys)
            *lpcSubKeys = static_cast<DWORD>(key.SubKeyCount());
        if (lpcbMaxSubKeyLen)
            *lpcbMaxSubKeyLen = key.MaxSubKeyName(length);
    }
    if (lpcbMaxClassLen)
        *lpcbMaxClassLen = 0;
    if (lpcValues)
        *lpcValues = static_cast<DWORD>(key.ValueCount());
    if (lpcbMaxValueNameLen)
        *lpcbMaxValueNameLen = key.MaxValueName(length);
    // The data size as stored, text in UTF-16: for the ANSI form a bound.
    if (lpcbMaxValueLen)
        *lpcbMaxValueLen = key.MaxValueDataSize();
    if (lpcbSecurityDescriptor)
        *lpcbSecurityDescriptor = 0;
    if (lpftLastWriteTime)
        *lpftLastWriteTime = key.LastWriteTime();
    return ERROR_SUCCESS;
}

template <typename C>
LSTATUS QueryValue(HKEY hKey, const C* lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                   LPBYTE lpData, LPDWORD lpcbData) {
    const auto lock = OneCallAtATime();
    LONG error;
    if (Enter(fake::Fault::QueryValue, error))
        return error;
    if (lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    Handle handle;
    if (LONG rc = ResolveWith(hKey, KEY_QUERY_VALUE, handle))
        return rc;
    const Value* value = handle.key->FindValue(WideName(lpValueName));
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    if (lpType)
        *lpType = value->type;
    const std::vector<BYTE> data = Text<C>::Data(*value);
    const DWORD size = static_cast<DWORD>(data.size());
    if (lpData) {
        if (*lpcbData < size) {
            *lpcbData = size; // the buffer stays untouched
            return ERROR_MORE_DATA;
        }
        if (size)
            std::memcpy(lpData, data.data(), size);
        // A string stored without its NUL gets one in the buffer when there
        // is room, not counted in the size (NT and Wine).
        const DWORD unit = sizeof(C);
        if (fake::registry::IsStringType(value->type) && size >= unit && size % unit == 0 &&
            reinterpret_cast<const C*>(data.data())[size / unit - 1] && *lpcbData >= size + unit)
            std::memset(lpData + size, 0, unit);
    }
    if (lpcbData)
        *lpcbData = size;
    return ERROR_SUCCESS;
}

template <typename C>
LSTATUS SetValue(HKEY hKey, const C* lpValueName, DWORD dwType, const BYTE* lpData, DWORD cbData) {
    const auto lock = OneCallAtATime();
    LONG error;
    if (Enter(fake::Fault::SetValue, error))
        return error;
    Handle handle;
    if (LONG rc = ResolveWith(hKey, KEY_SET_VALUE, handle))
        return rc;
    if (WriteRefused(*handle.key, KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    if (!lpData && cbData)
        return ERROR_NOACCESS;
    if (lpData)
        cbData = CountForgottenNul<C>(dwType, lpData, cbData);
    const std::vector<BYTE> data = Text<C>::Stored(dwType, lpData, cbData);
    handle.key->SetValue(WideName(lpValueName), dwType, data.data(), data.size());
    return ERROR_SUCCESS;
}

} // namespace

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    return OpenKey(hKey, lpSubKey, samDesired, phkResult);
}

LSTATUS RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    return OpenKey(hKey, lpSubKey, samDesired, phkResult);
}

LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired,
                        LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    return CreateKey(hKey, lpSubKey, samDesired, phkResult, lpdwDisposition);
}

LSTATUS RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM samDesired,
                        LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    return CreateKey(hKey, lpSubKey, samDesired, phkResult, lpdwDisposition);
}

LSTATUS RegCloseKey(HKEY hKey) {
    const auto lock = OneCallAtATime();
    Registry& r = Reg();
    ++r.calls;
    if (IsPredefined(hKey))
        return ERROR_SUCCESS;
    return r.handles.erase(reinterpret_cast<uintptr_t>(hKey)) ? ERROR_SUCCESS
                                                              : ERROR_INVALID_HANDLE;
}

LSTATUS RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
    return DeleteKey(hKey, lpSubKey);
}

LSTATUS RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey) {
    return DeleteKey(hKey, lpSubKey);
}

LSTATUS RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
    return DeleteValue(hKey, lpValueName);
}

LSTATUS RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName) {
    return DeleteValue(hKey, lpValueName);
}

LSTATUS RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                      LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
    return EnumKey(hKey, dwIndex, lpName, lpcchName, lpReserved, lpClass, lpcchClass,
                   lpftLastWriteTime);
}

LSTATUS RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName,
                      LPDWORD lpReserved, LPWSTR lpClass, LPDWORD lpcchClass,
                      PFILETIME lpftLastWriteTime) {
    return EnumKey(hKey, dwIndex, lpName, lpcchName, lpReserved, lpClass, lpcchClass,
                   lpftLastWriteTime);
}

LSTATUS RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName,
                      LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    return EnumValue(hKey, dwIndex, lpValueName, lpcchValueName, lpReserved, lpType, lpData,
                     lpcbData);
}

LSTATUS RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName,
                      LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    return EnumValue(hKey, dwIndex, lpValueName, lpcchValueName, lpReserved, lpType, lpData,
                     lpcbData);
}

LSTATUS RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass, LPDWORD lpReserved,
                         LPDWORD lpcSubKeys, LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                         LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                         LPDWORD lpcbSecurityDescriptor, PFILETIME lpftLastWriteTime) {
    return QueryInfoKey(hKey, lpClass, lpcchClass, lpReserved, lpcSubKeys, lpcbMaxSubKeyLen,
                        lpcbMaxClassLen, lpcValues, lpcbMaxValueNameLen, lpcbMaxValueLen,
                        lpcbSecurityDescriptor, lpftLastWriteTime);
}

LSTATUS RegQueryInfoKeyW(HKEY hKey, LPWSTR lpClass, LPDWORD lpcchClass, LPDWORD lpReserved,
                         LPDWORD lpcSubKeys, LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                         LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                         LPDWORD lpcbSecurityDescriptor, PFILETIME lpftLastWriteTime) {
    return QueryInfoKey(hKey, lpClass, lpcchClass, lpReserved, lpcSubKeys, lpcbMaxSubKeyLen,
                        lpcbMaxClassLen, lpcValues, lpcbMaxValueNameLen, lpcbMaxValueLen,
                        lpcbSecurityDescriptor, lpftLastWriteTime);
}

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData) {
    return QueryValue(hKey, lpValueName, lpReserved, lpType, lpData, lpcbData);
}

LSTATUS RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData) {
    return QueryValue(hKey, lpValueName, lpReserved, lpType, lpData, lpcbData);
}

LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                       DWORD cbData) {
    return SetValue(hKey, lpValueName, dwType, lpData, cbData);
}

LSTATUS RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                       DWORD cbData) {
    return SetValue(hKey, lpValueName, dwType, lpData, cbData);
}

namespace fake {

namespace detail {

std::shared_ptr<Key> RootKey(HKEY predefined) {
    return Reg().roots[reinterpret_cast<uintptr_t>(predefined) - 0x80000000u];
}

} // namespace detail

void ResetRegistry() {
    Registry& r = Reg();
    r.handles.clear();
    r.MakeRoots();
    for (auto& queue : r.faults)
        queue.clear();
    r.calls = 0;
    detail::ResetSystem();
    detail::ResetClassesView();
}

void FailNext(Fault kind, LONG error) {
    Reg().faults[static_cast<int>(kind)].push_back(error);
}

long RegistryCallCount() {
    return Reg().calls;
}

} // namespace fake
