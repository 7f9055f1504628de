// The program's only road to the Windows registry: `TRegistry` holds one
// predefined root key and at most one open key below it, opens and creates
// keys by relative or absolute path, deletes keys recursively, lists subkeys
// and reads and writes typed values. The value text conversions (hexadecimal
// text, icon location text) live beside it in registry/ValueText.h.
#pragma once

#include "platform/Win32.h"
#include "registry/ValueText.h"
#include "support/Exception.h"

#include <cstdint>
#include <string>

class TStringList;

// A registry operation that failed; the message is shown unchanged.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// The data type of a value, as the program distinguishes it.
enum TRegDataType { rdUnknown = 0, rdString = 1, rdExpandString = 2, rdInteger = 3, rdBinary = 4 };

// REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_BINARY map to their element; any
// other registry type is rdUnknown.
TRegDataType RegDataToDataType(DWORD regType);
// The inverse; rdUnknown maps to REG_NONE.
DWORD DataTypeToRegData(TRegDataType dataType);

// The facts of the open key. Name lengths are in the units of the registry
// functions in use (UTF-16 units on the NT family, bytes of the ANSI form on
// the 95 family), MaxDataLen in bytes as stored (text in UTF-16 on NT).
struct TRegKeyInfo {
    DWORD NumSubKeys = 0;
    DWORD MaxSubKeyLen = 0;
    DWORD NumValues = 0;
    DWORD MaxValueLen = 0;
    DWORD MaxDataLen = 0;
    FILETIME FileTime = {0, 0};
};

// The facts of one value.
struct TRegDataInfo {
    TRegDataType RegData = rdUnknown;
    int32_t DataSize = 0; // in bytes as stored (text in UTF-16 on the NT family)
};

// True when the path is empty or does not begin with a backslash.
bool IsRelative(const std::string& key);

// Number of registry calls the program has made in this process (each
// advapi32 call counts one; registry/SystemRegistry.cpp makes them all).
// Under Wine every such call is a round trip to the wine server, so this is
// the figure a benchmark of the scan reports.
long RegistryCallCount();

// Owns one open registry key handle and closes it. Never holds a predefined
// root key (those are not closed).
class TRegKeyHandle {
public:
    TRegKeyHandle() = default;
    explicit TRegKeyHandle(HKEY key) : key_(key) {}
    ~TRegKeyHandle() { Reset(); }
    TRegKeyHandle(const TRegKeyHandle&) = delete;
    TRegKeyHandle& operator=(const TRegKeyHandle&) = delete;
    TRegKeyHandle(TRegKeyHandle&& other) noexcept : key_(other.Release()) {}
    TRegKeyHandle& operator=(TRegKeyHandle&& other) noexcept;

    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }
    // Gives up ownership without closing.
    HKEY Release();
    // Closes the held key (if any) and takes `key`.
    void Reset(HKEY key = nullptr);

private:
    HKEY key_ = nullptr;
};

// A root key and at most one open key below it.
//
// Paths: a path that begins with a backslash is absolute (from RootKey); any
// other path is relative to the open key, or to RootKey when none is open.
// Values always refer to the open key; the empty name is its default value.
// Messages of the raised ERegistryException carry the name or key exactly as
// passed.
class TRegistry {
public:
    // RootKey HKEY_CURRENT_USER, Access KEY_ALL_ACCESS, no key open.
    TRegistry();
    // Closes the open key; the root key is never closed.
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;
    TRegistry(TRegistry&& other) noexcept;
    TRegistry& operator=(TRegistry&& other) noexcept;

    HKEY RootKey() const { return rootKey_; }
    // A different root closes the open key; the same root changes nothing.
    void SetRootKey(HKEY value);
    // Access mask of OpenKey and GetKey (CreateKey always uses KEY_ALL_ACCESS).
    REGSAM Access() const { return access_; }
    void SetAccess(REGSAM value) { access_ = value; }
    // The open key, or null.
    HKEY CurrentKey() const { return currentKey_.Get(); }
    // Path of the open key below RootKey without a leading backslash; empty
    // when none is open.
    const std::string& CurrentPath() const { return currentPath_; }

    // --- Keys.

    // Makes `key` the open key, creating it (and missing parents) when
    // canCreate is true and the path is not empty. The empty path opens a
    // second handle to the base itself and never creates. On failure answers
    // false and the previously open key stays open and current.
    bool OpenKey(const std::string& key, bool canCreate);
    // Creates `key` and missing parents without making it current; raises
    // ERegistryException "Erzeugung von Schlüssel %s misslungen" on failure.
    bool CreateKey(const std::string& key);
    // Deletes `key` with all its subkeys. Subkeys are enumerated only when
    // the key's information can be queried with Access; otherwise only the
    // final deletion is tried (which the NT family refuses for a key that
    // has subkeys). An empty path is refused (false): it would name the base
    // key itself. Never raises.
    bool DeleteKey(const std::string& key);
    // Whether `key` opens with Access. The open key is not touched.
    bool KeyExists(const std::string& key);
    // A new handle to `key` opened with Access, or null; the caller closes it.
    // The open key is not touched.
    HKEY GetKey(const std::string& key);
    // Closes the open key and empties CurrentPath.
    void CloseKey();
    // Facts of the open key. False when the query fails (the record is then
    // zero).
    bool GetKeyInfo(TRegKeyInfo& info);
    // Replaces the list's contents with the names of the open key's direct
    // subkeys, in the registry's index order; a name that can't be read at its
    // index is skipped. The list stays empty when the key can't be queried.
    void GetKeyNames(TStringList& strings);

    // --- Values of the open key.

    bool ValueExists(const std::string& name);
    // True when the value was deleted.
    bool DeleteValue(const std::string& name);
    // Type and size of a value; false (and a zero record) when it is missing.
    bool GetDataInfo(const std::string& name, TRegDataInfo& info);
    // Size in bytes, or -1 when the value is missing.
    int GetDataSize(const std::string& name);
    // Type, or rdUnknown when the value is missing.
    TRegDataType GetDataType(const std::string& name);

    // The text of a REG_SZ or REG_EXPAND_SZ value up to its first NUL (never
    // beyond the data; an expandable string comes unexpanded). A missing value
    // or one without data gives the empty string. Another type raises
    // "Ungültiger Datentyp für '%s'"; a value that changes size while it is
    // read raises "Konnte Daten für '%s' nicht holen".
    std::string ReadString(const std::string& name);
    // As ReadString, but tells a missing value apart: false (value untouched)
    // when the value doesn't exist. One registry call for texts that fit a
    // small buffer.
    bool ReadStringIfExists(const std::string& name, std::string& value);
    // Writes `value` as REG_SZ with its terminating NUL; raises
    // "Konnte Daten für '%s' nicht setzen" on failure.
    void WriteString(const std::string& name, const std::string& value);
    // The same as REG_EXPAND_SZ: a text whose %NAME% the reader expands.
    void WriteExpandString(const std::string& name, const std::string& value);
    // A REG_DWORD value. A missing value or data longer than 4 bytes raises
    // "Konnte Daten für '%s' nicht holen"; another type raises
    // "Ungültiger Datentyp für '%s'".
    int32_t ReadInteger(const std::string& name);
    // Writes REG_DWORD; raises "Konnte Daten für '%s' nicht setzen" on failure.
    void WriteInteger(const std::string& name, int32_t value);
    // Reads a REG_BINARY (or unknown-type) value of at most bufSize bytes into
    // buffer and answers its size. A missing value gives 0 and leaves the
    // buffer untouched; another type or a larger value raises
    // "Ungültiger Datentyp für '%s'".
    int ReadBinaryData(const std::string& name, void* buffer, int bufSize);
    // Writes `size` bytes as REG_BINARY; raises "Konnte Daten für '%s' nicht
    // setzen" on failure.
    void WriteBinaryData(const std::string& name, const void* buffer, int size);

private:
    // The open key for a relative path, else the root.
    HKEY GetBaseKey(bool relative) const;
    // Closes the open key and makes `value` with `path` current.
    void ChangeKey(HKEY value, const std::string& path);
    // Replaces the open handle without closing the old one.
    void SetCurrentKey(HKEY value);
    // Writes the value of the open key (text in UTF-8); raises "Konnte Daten
    // für '%s' nicht setzen".
    void PutData(const std::string& name, const void* buffer, DWORD bufSize, TRegDataType regData);
    // Reads the value's data as the registry gives it (text types in the
    // system's form) into buffer; raises "Konnte Daten für '%s' nicht holen"
    // when the value is missing or larger than bufSize. Answers bytes read.
    int GetData(const std::string& name, void* buffer, DWORD bufSize, TRegDataType& regData);
    [[noreturn]] static void ReadError(const std::string& name);

    TRegKeyHandle currentKey_;
    HKEY rootKey_ = HKEY_CURRENT_USER;
    std::string currentPath_;
    REGSAM access_ = KEY_ALL_ACCESS;
};
