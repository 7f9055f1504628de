#include "platform/FakeRegistryTree.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iterator>

namespace fake {
namespace registry {

namespace {

FILETIME Now() {
    // 100-ns intervals since 1601-01-01.
    using namespace std::chrono;
    const unsigned long long kEpochDifference = 116444736000000000ULL;
    unsigned long long ticks =
        duration_cast<microseconds>(system_clock::now().time_since_epoch()).count() * 10ULL +
        kEpochDifference;
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return ft;
}

} // namespace

char16_t FoldUnit(char16_t u) {
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char16_t>(u + 0x20);
    if (u >= 0x0100 && u <= 0x017F) {
        // Latin Extended-A: pairs of capital and small letter, with the
        // pairs of 0x139-0x148 and 0x179-0x17E starting at an odd unit.
        const bool oddPairs = (u >= 0x0139 && u <= 0x0148) || (u >= 0x0179 && u <= 0x017E);
        if (u == 0x0130 || u == 0x0131 || u == 0x0138 || u == 0x0149 || u == 0x017F)
            return u;
        if (u == 0x0178)
            return 0x00FF; // Y diaeresis
        return (u % 2 == 0) != oddPairs ? static_cast<char16_t>(u + 1) : u;
    }
    if ((u >= 0x0391 && u <= 0x03AB && u != 0x03A2) || (u >= 0x0410 && u <= 0x042F))
        return static_cast<char16_t>(u + 0x20); // Greek, Cyrillic
    if (u >= 0x0400 && u <= 0x040F)
        return static_cast<char16_t>(u + 0x50);
    return u;
}

std::u16string FoldName(const std::u16string& name) {
    std::u16string folded(name);
    for (char16_t& c : folded)
        c = FoldUnit(c);
    return folded;
}

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

Key::Key(std::u16string name)
    : name_(std::move(name)), folded_(FoldName(name_)), lastWrite_(Now()) {}

std::vector<std::shared_ptr<Key>>::const_iterator
Key::LowerBound(const std::u16string& folded) const {
    return std::lower_bound(
        subKeys_.begin(), subKeys_.end(), folded,
        [](const std::shared_ptr<Key>& key, const std::u16string& f) { return key->folded_ < f; });
}

std::shared_ptr<Key> Key::FindSubKey(const std::u16string& name) const {
    std::u16string folded = FoldName(name);
    auto it = LowerBound(folded);
    return it != subKeys_.end() && (*it)->folded_ == folded ? *it : nullptr;
}

std::shared_ptr<Key> Key::AddSubKey(const std::u16string& name) {
    auto key = std::make_shared<Key>(name);
    key->parent_ = this;
    subKeys_.insert(subKeys_.begin() + (LowerBound(key->folded_) - subKeys_.begin()), key);
    Touch();
    return key;
}

void Key::Delete() {
    // Keeps this key alive until the end of the function: the parent's
    // reference may be the last one.
    std::shared_ptr<Key> self;
    if (parent_) {
        auto it = parent_->LowerBound(folded_);
        if (it != parent_->subKeys_.end() && it->get() == this) {
            self = *it;
            parent_->subKeys_.erase(it);
            parent_->Touch();
        }
    }
    parent_ = nullptr;
    deleted_ = true;
    values_.clear();
}

void Key::DeleteTree() {
    while (!subKeys_.empty())
        subKeys_.back()->DeleteTree();
    Delete();
}

const Value* Key::FindValue(const std::u16string& name) const {
    auto it = values_.find(FoldName(name));
    return it == values_.end() ? nullptr : &it->second;
}

const Value& Key::ValueAt(size_t index) const {
    auto it = values_.begin();
    std::advance(it, index);
    return it->second;
}

void Key::SetValue(const std::u16string& name, DWORD type, const BYTE* data, size_t size) {
    Value& value = values_[FoldName(name)];
    if (value.name.empty())
        value.name = name;
    value.type = type;
    value.data.assign(data, data + size);
    Touch();
}

bool Key::DeleteValue(const std::u16string& name) {
    if (values_.erase(FoldName(name)) == 0)
        return false;
    Touch();
    return true;
}

DWORD Key::MaxValueDataSize() const {
    size_t largest = 0;
    for (const auto& entry : values_) {
        largest = std::max(largest, entry.second.data.size());
    }
    return static_cast<DWORD>(largest);
}

void Key::Touch() {
    lastWrite_ = Now();
}

bool SplitPath(const std::u16string& path, std::vector<std::u16string>& components) {
    components.clear();
    if (!path.empty() && path[0] == u'\\')
        return false;
    size_t start = 0;
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == u'\\') {
            if (i > start)
                components.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return true;
}

} // namespace registry
} // namespace fake
