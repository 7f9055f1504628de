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

// Binary search of a sorted table over [lo, hi): the first position whose name
// does not sort before `name`, and whether the name is there (ignoring case).
template <typename Table>
int Search(const Table& table, int lo, int hi, const std::string& name, bool& found) {
    found = false;
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

template <typename Table> int Search(const Table& table, const std::string& name, bool& found) {
    return Search(table, 0, static_cast<int>(table.size()), name, found);
}

// Batch size for the pending entries of a bulk fill: about the square root of
// the table, so that inserting into the batch and merging the batches cost
// about the same, O(n sqrt n) moves in all, whatever order the names come in.
bool BatchFull(std::size_t pending, std::size_t table) {
    return pending >= 64 && pending * pending >= table;
}

} // namespace

TFileClass::TFileClass() = default;
TFileClass::~TFileClass() = default;

int TFileClass::Count() const {
    return static_cast<int>(entries_.size() + pending_.size());
}

void TFileClass::Clear() {
    entries_.clear();
    pending_.clear();
}

void TFileClass::BeginUpdate() {
    ++updateCount_;
}

void TFileClass::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Settle();
}

void TFileClass::Settle() const {
    if (!pending_.empty())
        MergePending();
}

// Merges the sorted pending entries into the sorted table from the back: each
// pending name finds its place among the table's names by binary search, and
// the names after it move up as one block.
void TFileClass::MergePending() const {
    int tableEnd = static_cast<int>(entries_.size()); // table names not yet placed: [0, tableEnd)
    entries_.resize(entries_.size() + pending_.size());
    int free = static_cast<int>(entries_.size()); // positions [free, size) are final
    for (int j = static_cast<int>(pending_.size()) - 1; j >= 0; --j) {
        bool found;
        int place = Search(entries_, 0, tableEnd, pending_[j]->name, found);
        std::move_backward(entries_.begin() + place, entries_.begin() + tableEnd,
                           entries_.begin() + free);
        free -= tableEnd - place;
        tableEnd = place;
        entries_[--free] = std::move(pending_[j]);
    }
    pending_.clear();
}

TFileClass::TEntry& TFileClass::At(int Index) const {
    Settle();
    if (Index < 0 || Index >= static_cast<int>(entries_.size()))
        NotInList();
    return *entries_[Index];
}

int TFileClass::IndexOf(const std::string& ClassName) const {
    Settle();
    bool found;
    int pos = Search(entries_, ClassName, found);
    return found ? pos : -1;
}

int TFileClass::Add(const std::string& ClassName, const std::string& Description,
                    const std::string& Ext) {
    auto make = [&] {
        auto entry = std::make_unique<TEntry>();
        entry->name = ClassName;
        entry->description = Description;
        entry->extensions.push_back(Ext);
        return entry;
    };
    // Inside a bracket, new names wait in the pending batch until it is merged;
    // an entry's position counts the names before it in the table and the batch.
    bool inTable, inPending;
    int tablePos = Search(entries_, ClassName, inTable);
    int pendingPos = Search(pending_, ClassName, inPending);
    if (inTable) {
        entries_[tablePos]->Append(Ext);
    } else if (inPending) {
        pending_[pendingPos]->Append(Ext);
    } else if (updateCount_ == 0) {
        entries_.insert(entries_.begin() + tablePos, make());
    } else {
        pending_.insert(pending_.begin() + pendingPos, make());
        if (BatchFull(pending_.size(), entries_.size()))
            MergePending();
    }
    return tablePos + pendingPos;
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
    Settle();
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
