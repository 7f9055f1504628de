#include "platform/FakeRegistryTree.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iterator>

namespace fake {
namespace registry {

namespace {

// Unicode code points of the Windows-1252 characters 0x80 to 0x9F; the
// undefined ones map to the C1 control of the same number, as in Wine.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t FoldChar(unsigned char c) {
    char16_t u = (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : c;
    if (u >= 'A' && u <= 'Z')
        return static_cast<char16_t>(u + 0x20);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return static_cast<char16_t>(u + 0x20);
    switch (u) {
    case 0x0152:
        return 0x0153; // OE ligature
    case 0x0160:
        return 0x0161; // S caron
    case 0x0178:
        return 0x00FF; // Y diaeresis
    case 0x017D:
        return 0x017E; // Z caron
    default:
        return u;
    }
}

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

// Whether the byte at `i` and the next one make one character of a Far East
// code page.
static bool IsDoubleByte(const char* text, size_t i) {
    return text[i + 1] != '\0' && IsDBCSLeadByte(static_cast<BYTE>(text[i]));
}

std::u16string FoldName(const std::string& name) {
    // A two-byte character is one unit that has no case: its second byte may
    // look like an ASCII letter, but is none.
    std::u16string folded;
    folded.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        if (i + 1 < name.size() && IsDoubleByte(name.c_str(), i)) {
            folded += static_cast<char16_t>((static_cast<unsigned char>(name[i]) << 8) |
                                            static_cast<unsigned char>(name[i + 1]));
            ++i;
        } else {
            folded += FoldChar(static_cast<unsigned char>(name[i]));
        }
    }
    return folded;
}

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

Key::Key(std::string name) : name_(std::move(name)), folded_(FoldName(name_)), lastWrite_(Now()) {}

std::vector<std::shared_ptr<Key>>::const_iterator
Key::LowerBound(const std::u16string& folded) const {
    return std::lower_bound(
        subKeys_.begin(), subKeys_.end(), folded,
        [](const std::shared_ptr<Key>& key, const std::u16string& f) { return key->folded_ < f; });
}

std::shared_ptr<Key> Key::FindSubKey(const std::string& name) const {
    std::u16string folded = FoldName(name);
    auto it = LowerBound(folded);
    return it != subKeys_.end() && (*it)->folded_ == folded ? *it : nullptr;
}

std::shared_ptr<Key> Key::AddSubKey(const std::string& name) {
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

const Value* Key::FindValue(const std::string& name) const {
    auto it = values_.find(FoldName(name));
    return it == values_.end() ? nullptr : &it->second;
}

const Value& Key::ValueAt(size_t index) const {
    auto it = values_.begin();
    std::advance(it, index);
    return it->second;
}

void Key::SetValue(const std::string& name, DWORD type, const BYTE* data, size_t size) {
    Value& value = values_[FoldName(name)];
    if (value.name.empty())
        value.name = name;
    value.type = type;
    value.data.assign(data, data + size);
    Touch();
}

bool Key::DeleteValue(const std::string& name) {
    if (values_.erase(FoldName(name)) == 0)
        return false;
    Touch();
    return true;
}

DWORD Key::MaxSubKeyNameLength() const {
    size_t longest = 0;
    for (const auto& key : subKeys_)
        longest = std::max(longest, key->name_.size());
    return static_cast<DWORD>(longest);
}

DWORD Key::MaxValueNameLength() const {
    size_t longest = 0;
    for (const auto& entry : values_)
        longest = std::max(longest, entry.second.name.size());
    return static_cast<DWORD>(longest);
}

DWORD Key::MaxValueDataSize() const {
    size_t largest = 0;
    for (const auto& entry : values_) {
        size_t size = entry.second.data.size();
        largest = std::max(largest, IsStringType(entry.second.type) ? 2 * size : size);
    }
    return static_cast<DWORD>(largest);
}

void Key::Touch() {
    lastWrite_ = Now();
}

bool SplitPath(const char* path, std::vector<std::string>& components) {
    components.clear();
    if (!path || !*path)
        return true;
    if (*path == '\\')
        return false;
    const char* start = path;
    for (const char* p = path;; ++p) {
        if (*p != '\0' && IsDoubleByte(p, 0)) {
            ++p; // the second byte of a character ("\\" in ".\x83\\") separates nothing
            continue;
        }
        if (*p == '\\' || *p == '\0') {
            if (p > start)
                components.emplace_back(start, p);
            if (*p == '\0')
                break;
            start = p + 1;
        }
    }
    return true;
}

} // namespace registry
} // namespace fake
