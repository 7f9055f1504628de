// The data of the in-memory registry: keys with their subkeys and values.
// As in the NT registry, names are kept in UTF-16 as created and compared
// without regard to case: each unit is folded to lower case (as Wine folds
// them), so "TXTFILE" and "txtfile" are one key and subkeys enumerate in the
// order of their folded names. Text data (REG_SZ, REG_EXPAND_SZ,
// REG_MULTI_SZ) is kept as the wide functions give it, in UTF-16; the ANSI
// functions convert names and text data on the way in and out.
#pragma once

#include "platform/FakeWin32.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fake {
namespace registry {

// One UTF-16 unit in lower case: ASCII and Latin-1 letters, the letters of
// Latin Extended-A, Greek and Cyrillic; every other unit as it is.
char16_t FoldUnit(char16_t c);
// The folded form of a key or value name.
std::u16string FoldName(const std::u16string& name);

bool IsStringType(DWORD type);

struct Value {
    std::u16string name; // as first written
    DWORD type = REG_NONE;
    std::vector<BYTE> data; // text types in UTF-16, as the wide functions see them
};

// One key. Keys are shared between their parent and the handles opened on
// them: a deleted key stays alive, marked deleted, until its last handle is
// closed.
class Key {
public:
    explicit Key(std::u16string name);
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    const std::u16string& Name() const { return name_; }
    bool IsRoot() const { return parent_ == nullptr && !deleted_; }
    bool IsDeleted() const { return deleted_; }
    // The key this one is a subkey of (null for a root or a deleted key).
    const Key* Parent() const { return parent_; }
    FILETIME LastWriteTime() const { return lastWrite_; }

    // Subkeys, sorted by folded name.
    size_t SubKeyCount() const { return subKeys_.size(); }
    const Key& SubKeyAt(size_t index) const { return *subKeys_[index]; }
    std::shared_ptr<Key> FindSubKey(const std::u16string& name) const;
    // Creates the subkey `name`, which must not exist yet.
    std::shared_ptr<Key> AddSubKey(const std::u16string& name);
    // Detaches this key (which has no subkeys) from its parent and marks it
    // deleted; handles still referring to it see ERROR_KEY_DELETED.
    void Delete();
    // Deletes the subkeys, depth first, and then this key.
    void DeleteTree();

    const Value* FindValue(const std::u16string& name) const;
    void SetValue(const std::u16string& name, DWORD type, const BYTE* data, size_t size);
    bool DeleteValue(const std::u16string& name);
    size_t ValueCount() const { return values_.size(); }
    // The value at `index` in the order of the folded names (index < ValueCount()).
    const Value& ValueAt(size_t index) const;
    // The largest value data in bytes as stored.
    DWORD MaxValueDataSize() const;
    // The longest subkey and value names without NUL, as `measure` counts
    // them (UTF-16 units, or the bytes of the ANSI form on the 95 family).
    template <typename Measure> DWORD MaxSubKeyName(Measure measure) const {
        size_t longest = 0;
        for (const auto& key : subKeys_)
            longest = std::max(longest, measure(key->name_));
        return static_cast<DWORD>(longest);
    }
    template <typename Measure> DWORD MaxValueName(Measure measure) const {
        size_t longest = 0;
        for (const auto& entry : values_)
            longest = std::max(longest, measure(entry.second.name));
        return static_cast<DWORD>(longest);
    }

private:
    std::vector<std::shared_ptr<Key>>::const_iterator
    LowerBound(const std::u16string& folded) const;
    void Touch();

    std::u16string name_;
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
// ERROR_BAD_PATHNAME. An empty path gives no components.
bool SplitPath(const std::u16string& path, std::vector<std::u16string>& components);

} // namespace registry
} // namespace fake
