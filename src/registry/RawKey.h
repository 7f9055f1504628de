// One open registry key with its values taken as raw type and bytes, for the
// code that copies keys exactly (the undo journal). `TRegistry` knows only the
// five data types the program interprets; this class keeps every type, every
// byte and every name as the registry holds them.
//
// Names and text are UTF-8 (registry/SystemRegistry.h converts them for the
// system). Paths are followed one name at a time: the ANSI registry
// functions refuse a path longer than MAX_PATH characters as a whole on some
// systems (Wine among them), and two 255-character key names make such a path.
#pragma once

#include "registry/Registry5LE.h"

#include <string>
#include <vector>

namespace sysreg {
struct KeyFacts;
}

// One value: its name (empty for the default value), type and data. The data
// of REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ is text in UTF-8, converted unit
// for unit so that every NUL stays (a text the NT registry holds with an odd
// number of bytes keeps its last byte after a 0xFF byte, see
// sysreg::ProgramData); the data of any other type is the bytes as stored.
struct TRawValue {
    std::string Name;
    DWORD Type = REG_NONE;
    std::string Data;
};

// The names of a key path: "a\b\c" gives a, b, c. Empty names (doubled or
// leading backslashes) are skipped. The path is UTF-8, searched byte by byte.
std::vector<std::string> SplitKeyPath(const std::string& path);

class TRawKey {
public:
    TRawKey() = default;
    // Takes a predefined root (never closed) or an open handle (closed).
    TRawKey(HKEY key, bool owned);
    TRawKey(TRawKey&&) noexcept = default;
    TRawKey& operator=(TRawKey&&) noexcept = default;

    HKEY Get() const { return owned_ ? handle_.Get() : root_; }
    explicit operator bool() const { return Get() != nullptr; }

    // Opens `path` below `base` with `access`. Answers ERROR_SUCCESS, or the
    // registry's error (ERROR_FILE_NOT_FOUND when a name on the way is
    // missing) with `result` left closed. The empty path opens `base` itself.
    static LONG Open(const TRawKey& base, const std::string& path, REGSAM access, TRawKey& result);
    // As Open, creating the keys on the way.
    static LONG Create(const TRawKey& base, const std::string& path, REGSAM access,
                       TRawKey& result);

    // Every value, and the names of the direct subkeys in the registry's
    // index order. ERROR_SUCCESS or the error of the call that failed.
    LONG Values(std::vector<TRawValue>& values) const;
    LONG SubKeyNames(std::vector<std::string>& names) const;
    // Both, with one question for the key's sizes instead of two.
    LONG Contents(std::vector<TRawValue>& values, std::vector<std::string>& names) const;

    // Writes the value with exactly its type and bytes.
    LONG SetValue(const TRawValue& value) const;
    LONG DeleteValue(const std::string& name) const;
    // Deletes the direct subkey `name` with all its subkeys; a missing subkey
    // counts as deleted.
    LONG DeleteTree(const std::string& name) const;

private:
    LONG ReadValues(const sysreg::KeyFacts& facts, std::vector<TRawValue>& values) const;
    LONG ReadSubKeyNames(const sysreg::KeyFacts& facts, std::vector<std::string>& names) const;

    HKEY root_ = nullptr;
    bool owned_ = false;
    TRegKeyHandle handle_;
};

// "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", ... for a predefined root; the
// empty text for any other handle.
std::string RootKeyName(HKEY root);
// The predefined root of that name, or null.
HKEY RootKeyOfName(const std::string& name);
// A registry error code as a short text ("error 5: access denied").
std::string RegistryErrorText(LONG code);
