// The two stores of the classes and the view Windows makes of them. On
// Windows 2000 and later HKEY_CLASSES_ROOT is a view that merges this user's
// classes (HKEY_CURRENT_USER\Software\Classes) over every user's
// (HKEY_LOCAL_MACHINE\Software\Classes); on the 95 family and NT 4 it is one
// store. Wine's HKEY_CLASSES_ROOT is the machine's store alone, so on NT 5
// and later the program reads both stores itself, by Windows' documented
// rules for the merged view:
//  - an item (a key directly below the root) that the user's store holds is
//    read from there with everything below it, and hides the machine's key
//    of that name entirely, values and subkeys;
//  - every other item is read from the machine's store;
//  - below "CLSID" the rule applies one level deeper: each class identifier
//    "CLSID\{...}" is an item of its own.
#pragma once

#include "platform/Win32.h"

#include <functional>
#include <string>
#include <vector>

enum class TClassesStore {
    View,    // HKEY_CLASSES_ROOT as the system shows it
    User,    // HKEY_CURRENT_USER\Software\Classes
    Machine, // HKEY_LOCAL_MACHINE\Software\Classes
};

// Where an item lives, as a view of both stores shows it.
enum class TItemPlace {
    None,             // in neither store
    Single,           // in the one store of the 95 family and NT 4
    User,             // in this user's store only
    Machine,          // in every user's store only
    UserHidesMachine, // in both: this user's key hides every user's
};

// Whether the system keeps two stores (NT 5 and later).
bool TwoClassesStores();

// The predefined root of a store, and the path of its keys below that root:
// "Software\Classes\<path>" for the two stores, `path` itself for the view.
HKEY StoreRoot(TClassesStore store);
std::string StorePath(TClassesStore store, const std::string& path);
// "HKEY_CURRENT_USER\Software\Classes" and so on.
std::string StoreName(TClassesStore store);
// The store a key of the program's journal or backup (root and path) lies
// in, with `path` made relative to that store; false for any other key.
bool StoreOfKey(HKEY root, const std::string& path, TClassesStore& store, std::string& below);

// The item a path below the view belongs to: its first name, or its first
// two for a path below "CLSID"; empty for an empty path.
std::string ItemKeyOf(const std::string& path);

// The store a read of `path` below the view goes to: View with one store;
// with two the user's when it holds the path's item, else the machine's.
// Answers ERROR_SUCCESS, or the error of a user's store that can't be asked.
LONG ReadingStore(const std::string& path, TClassesStore& store);

// While one lives, the reads through the merged view on the thread that made
// it ask `userHolds` whether the user's store holds an item (a name as
// ItemKeyOf gives it), instead of asking the store at each open: for a run
// of reads in which nothing is written, such as an export or the check, each
// key it opens then takes one request instead of two or three. An empty
// function changes nothing. They nest, the innermost answering.
class TKnownUserItems {
public:
    using THolds = std::function<bool(const std::string& item)>;
    explicit TKnownUserItems(THolds userHolds);
    ~TKnownUserItems();
    TKnownUserItems(const TKnownUserItems&) = delete;
    TKnownUserItems& operator=(const TKnownUserItems&) = delete;

    // The innermost one of this thread that answers, or null.
    static const TKnownUserItems* Current();
    bool UserHolds(const std::string& item) const { return userHolds_(item); }

private:
    THolds userHolds_;
    const TKnownUserItems* outer_;
};

// Opens `path` below the view for reading, as the merged view gives it:
// with two stores from the user's store when it holds the path's item, else
// from the machine's; with one store from HKEY_CLASSES_ROOT. The empty path
// opens HKEY_CLASSES_ROOT itself. Answers the registry's error code.
LONG OpenClassesKey(const std::string& path, REGSAM access, HKEY& result);

// Where the item `item` lives (one or two registry requests).
TItemPlace PlaceOfItem(const std::string& item);
// "this user", "all users" (also the one store of the 95 family and NT 4,
// which every user shares), "this user, hiding all users' entry"; empty for
// None.
const char* PlaceText(TItemPlace place);

// The names of the keys directly below a store's root (or below `path` in
// it); empty when the key can't be opened. ERROR_SUCCESS or the error.
LONG StoreKeyNames(TClassesStore store, const std::string& path, std::vector<std::string>& names);

// Whether the process may write to the store: the store's key opens with the
// rights to create keys and set values (a missing one: the key it would be
// created in opens with the right to create keys). Creates nothing. Answers
// ERROR_SUCCESS or the registry's error (ERROR_ACCESS_DENIED for a standard
// user and the machine's store).
LONG StoreWritable(TClassesStore store);
