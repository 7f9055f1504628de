// TFileClass: the in-memory index of file classes and the extensions that name
// them. Entries are kept sorted by class name in the program's one text order
// (CompareText, case-insensitive), so a lookup by name is a binary search and
// entries can also be addressed by position 0 .. Count() - 1 in that order.
//
// Each entry holds the class name (the spelling first added), the description
// given when the entry was created (kept, never returned) and the extensions
// in the order they were added. Extensions match exactly, case included.
//
// Positions are valid until the next insertion or deletion. A negative
// position is what a lookup of an absent name yields (-1); the by-name
// operations pass it on, which is why an absent name gives an error, nothing
// or zero as documented below. A position at or above Count() is always an
// error.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TStringList;

class TFileClass {
public:
    TFileClass();
    ~TFileClass();
    TFileClass(const TFileClass&) = delete;
    TFileClass& operator=(const TFileClass&) = delete;

    // Number of entries.
    int Count() const;
    // Removes every entry.
    void Clear();
    // Exchanges the entries of the two indexes (a scan's fresh index takes
    // the place of the old one in one step).
    void Swap(TFileClass& other);

    // Bracket around a bulk fill (the registry scan): holds the table's change
    // notification. Content and results are the same inside and outside.
    // Brackets nest.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    // Position of ClassName (compared ignoring case), or -1 when absent.
    int IndexOf(const std::string& ClassName) const;

    // Files Ext under ClassName and returns the entry's position. A new entry
    // takes Description; an existing one keeps its own and gains Ext unless it
    // holds it already.
    int Add(const std::string& ClassName, const std::string& Description, const std::string& Ext);

    // Whether the entry at Index holds Ext. Index < 0: "FileClass is not in list.".
    bool HasExtension(int Index, const std::string& Ext) const;
    // Appends Ext unless held. Index < 0: "FileClass is not in list.".
    void AddExtension(int Index, const std::string& Ext);
    // Removes Ext when held. Index < 0: does nothing.
    void RemoveExtension(int Index, const std::string& Ext);
    // Number of extensions. Index < 0: 0.
    int ExtensionCount(int Index) const;
    // Removes the entry. Index < 0: "FileClass is not in list.".
    void Delete(int Index);

    // The same operations by class name, at IndexOf(ClassName).
    void DeleteClass(const std::string& ClassName);
    void AddClassExtension(const std::string& ClassName, const std::string& Ext);
    void RemoveClassExtension(const std::string& ClassName, const std::string& Ext);
    int ClassExtensionCount(const std::string& ClassName) const;

    // Empties List and fills it with every class name in index order.
    void GetClassNames(TStringList& List) const;
    // Empties List and fills it with the extensions of ClassName in the order
    // they were added; List stays empty when the name is absent.
    void GetClassExtensions(const std::string& ClassName, TStringList& List) const;

private:
    struct TEntry;

    TEntry& At(int Index) const;

    // Sorted by name with CompareText; lookups are binary searches.
    std::vector<std::unique_ptr<TEntry>> entries_;
    int updateCount_ = 0;
};
