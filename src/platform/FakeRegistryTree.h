// The data of the in-memory registry: keys with their subkeys and values.
// Names are kept as created and compared the way the real registry compares
// them: each Windows-1252 character is taken as its Unicode code point and
// folded to lower case (as Wine folds them), so "TXTFILE" and "txtfile" are
// one key and subkeys enumerate in the order of their folded names.
#pragma once

#include "platform/FakeWin32.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fake {
namespace registry {

// The folded form of a key or value name (lower case, UTF-16 code units).
std::u16string FoldName(const std::string& name);

// String types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) are converted to UTF-16
// by the ANSI functions and kept that way, which shows in the sizes reported
// by RegQueryInfoKeyA.
bool IsStringType(DWORD type);

struct Value {
    std::string name; // as first written
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// One key. Keys are shared between their parent and the handles opened on
// them: a deleted key stays alive, marked deleted, until its last handle is
// closed.
class Key {
public:
    explicit Key(std::string name);
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    const std::string& Name() const { return name_; }
    bool IsRoot() const { return parent_ == nullptr && !deleted_; }
    bool IsDeleted() const { return deleted_; }
    FILETIME LastWriteTime() const { return lastWrite_; }

    // Subkeys, sorted by folded name.
    size_t SubKeyCount() const { return subKeys_.size(); }
    const Key& SubKeyAt(size_t index) const { return *subKeys_[index]; }
    std::shared_ptr<Key> FindSubKey(const std::string& name) const;
    // Creates the subkey `name`, which must not exist yet.
    std::shared_ptr<Key> AddSubKey(const std::string& name);
    // Detaches this key (which has no subkeys) from its parent and marks it
    // deleted; handles still referring to it see ERROR_KEY_DELETED.
    void Delete();
    // Deletes the subkeys, depth first, and then this key.
    void DeleteTree();

    const Value* FindValue(const std::string& name) const;
    void SetValue(const std::string& name, DWORD type, const BYTE* data, size_t size);
    bool DeleteValue(const std::string& name);
    size_t ValueCount() const { return values_.size(); }
    // The value at `index` in the order of the folded names (index < ValueCount()).
    const Value& ValueAt(size_t index) const;
    // Longest subkey name and value name in characters, without NUL, and the
    // largest value data in bytes as stored.
    DWORD MaxSubKeyNameLength() const;
    DWORD MaxValueNameLength() const;
    DWORD MaxValueDataSize() const;

private:
    std::vector<std::shared_ptr<Key>>::const_iterator
    LowerBound(const std::u16string& folded) const;
    void Touch();

    std::string name_;
    std::u16string folded_;
    Key* parent_ = nullptr;
    bool deleted_ = false;
    FILETIME lastWrite_{};
    std::vector<std::shared_ptr<Key>> subKeys_;
    std::map<std::u16string, Value> values_;
};

// Splits a subkey path at its backslashes. Empty components (doubled or
// trailing backslashes) are skipped as Wine skips them; a path that starts
// with a backslash is refused (false), which the functions report as
// ERROR_BAD_PATHNAME. A null or empty path gives no components.
bool SplitPath(const char* path, std::vector<std::string>& components);

} // namespace registry
} // namespace fake
