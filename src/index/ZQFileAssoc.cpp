#include "index/ZQFileAssoc.h"

#include <algorithm>

#include "support/Exception.h"
#include "support/StringList.h"
#include "support/TextCompare.h"

struct TFileClass::TEntry {
    std::string name;
    std::string description;
    std::vector<std::string> extensions;

    bool Holds(const std::string& ext) const {
        return std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
    }
    void Append(const std::string& ext) {
        if (!Holds(ext))
            extensions.push_back(ext);
    }
};

namespace {

[[noreturn]] void NotInList() {
    throw Exception("FileClass is not in list.");
}

// Binary search of the sorted table: the first position whose name does not
// sort before `name`, and whether the name is there (ignoring case).
template <typename Table> int Search(const Table& table, const std::string& name, bool& found) {
    found = false;
    int lo = 0, hi = static_cast<int>(table.size());
    // A fill in index order (the registry scan) appends: one comparison with
    // the last name settles it. The comparison costs about a microsecond
    // under Wine, so this saves most of a scan's comparisons and adds one to
    // a search that ends elsewhere.
    if (lo < hi && CompareText(table[hi - 1]->name, name) < 0)
        return hi;
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        int c = CompareText(table[mid]->name, name);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid;
            if (c == 0)
                found = true;
        }
    }
    return lo;
}

} // namespace

TFileClass::TFileClass() = default;
TFileClass::~TFileClass() = default;

void TFileClass::Swap(TFileClass& other) {
    entries_.swap(other.entries_);
}

int TFileClass::Count() const {
    return static_cast<int>(entries_.size());
}

void TFileClass::Clear() {
    entries_.clear();
}

void TFileClass::BeginUpdate() {
    ++updateCount_;
}

void TFileClass::EndUpdate() {
    if (updateCount_ > 0)
        --updateCount_;
}

TFileClass::TEntry& TFileClass::At(int Index) const {
    if (Index < 0 || Index >= Count())
        NotInList();
    return *entries_[Index];
}

int TFileClass::IndexOf(const std::string& ClassName) const {
    bool found;
    int pos = Search(entries_, ClassName, found);
    return found ? pos : -1;
}

int TFileClass::Add(const std::string& ClassName, const std::string& Description,
                    const std::string& Ext) {
    bool found;
    int pos = Search(entries_, ClassName, found);
    if (found) {
        entries_[pos]->Append(Ext);
    } else {
        auto entry = std::make_unique<TEntry>();
        entry->name = ClassName;
        entry->description = Description;
        entry->extensions.push_back(Ext);
        entries_.insert(entries_.begin() + pos, std::move(entry));
    }
    return pos;
}

bool TFileClass::HasExtension(int Index, const std::string& Ext) const {
    return At(Index).Holds(Ext);
}

void TFileClass::AddExtension(int Index, const std::string& Ext) {
    At(Index).Append(Ext);
}

void TFileClass::RemoveExtension(int Index, const std::string& Ext) {
    if (Index < 0)
        return;
    auto& extensions = At(Index).extensions;
    auto it = std::find(extensions.begin(), extensions.end(), Ext);
    if (it != extensions.end())
        extensions.erase(it);
}

int TFileClass::ExtensionCount(int Index) const {
    if (Index < 0)
        return 0;
    return static_cast<int>(At(Index).extensions.size());
}

void TFileClass::Delete(int Index) {
    At(Index); // checks Index
    entries_.erase(entries_.begin() + Index);
}

void TFileClass::DeleteClass(const std::string& ClassName) {
    Delete(IndexOf(ClassName));
}

void TFileClass::AddClassExtension(const std::string& ClassName, const std::string& Ext) {
    AddExtension(IndexOf(ClassName), Ext);
}

void TFileClass::RemoveClassExtension(const std::string& ClassName, const std::string& Ext) {
    RemoveExtension(IndexOf(ClassName), Ext);
}

int TFileClass::ClassExtensionCount(const std::string& ClassName) const {
    return ExtensionCount(IndexOf(ClassName));
}

void TFileClass::GetClassNames(TStringList& List) const {
    TListUpdate update(List);
    List.Clear();
    for (const auto& entry : entries_)
        List.Add(entry->name);
}

void TFileClass::GetClassExtensions(const std::string& ClassName, TStringList& List) const {
    TListUpdate update(List);
    List.Clear();
    int index = IndexOf(ClassName);
    if (index < 0)
        return;
    for (const auto& ext : entries_[index]->extensions)
        List.Add(ext);
}
