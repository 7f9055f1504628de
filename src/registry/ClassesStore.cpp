#include "registry/ClassesStore.h"

#include "registry/SystemRegistry.h"
#include "support/ZQRoutines.h"

#include <cctype>

namespace {

const char kClassesPath[] = "Software\\Classes";

// The names of a path, empty ones (doubled backslashes) left out.
std::vector<std::string> NamesOf(const std::string& path) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

bool SameAscii(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

// Whether the item key `item` exists in the store: ERROR_SUCCESS with `has`
// set, or the error of a store that can't be asked (not "not found").
LONG StoreHas(TClassesStore store, const std::string& item, bool& has) {
    HKEY key = nullptr;
    const LONG rc = sysreg::OpenKey(StoreRoot(store), StorePath(store, item), KEY_QUERY_VALUE, key);
    has = rc == ERROR_SUCCESS;
    if (has)
        sysreg::CloseKey(key);
    return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
}

bool StoreHas(TClassesStore store, const std::string& item) {
    bool has = false;
    StoreHas(store, item, has);
    return has;
}

// The innermost TKnownUserItems of each thread.
thread_local const TKnownUserItems* knownUserItems = nullptr;

} // namespace

TKnownUserItems::TKnownUserItems(THolds userHolds)
    : userHolds_(std::move(userHolds)), outer_(knownUserItems) {
    if (userHolds_)
        knownUserItems = this;
}

TKnownUserItems::~TKnownUserItems() {
    if (knownUserItems == this)
        knownUserItems = outer_;
}

const TKnownUserItems* TKnownUserItems::Current() {
    return knownUserItems;
}

bool TwoClassesStores() {
    return HasMergedClassesView();
}

HKEY StoreRoot(TClassesStore store) {
    switch (store) {
    case TClassesStore::User:
        return HKEY_CURRENT_USER;
    case TClassesStore::Machine:
        return HKEY_LOCAL_MACHINE;
    default:
        return HKEY_CLASSES_ROOT;
    }
}

std::string StorePath(TClassesStore store, const std::string& path) {
    if (store == TClassesStore::View)
        return path;
    return path.empty() ? std::string(kClassesPath) : kClassesPath + ("\\" + path);
}

std::string StoreName(TClassesStore store) {
    switch (store) {
    case TClassesStore::User:
        return "HKEY_CURRENT_USER\\Software\\Classes";
    case TClassesStore::Machine:
        return "HKEY_LOCAL_MACHINE\\Software\\Classes";
    default:
        return "HKEY_CLASSES_ROOT";
    }
}

bool StoreOfKey(HKEY root, const std::string& path, TClassesStore& store, std::string& below) {
    if (root == HKEY_CLASSES_ROOT) {
        store = TClassesStore::View;
        below = path;
        return true;
    }
    if (root != HKEY_CURRENT_USER && root != HKEY_LOCAL_MACHINE)
        return false;
    const std::vector<std::string> names = NamesOf(path);
    if (names.size() < 2 || !SameAscii(names[0], "Software") || !SameAscii(names[1], "Classes"))
        return false;
    store = root == HKEY_CURRENT_USER ? TClassesStore::User : TClassesStore::Machine;
    below.clear();
    for (size_t i = 2; i < names.size(); ++i)
        below += (below.empty() ? "" : "\\") + names[i];
    return true;
}

std::string ItemKeyOf(const std::string& path) {
    const std::vector<std::string> names = NamesOf(path);
    if (names.empty())
        return std::string();
    if (names.size() >= 2 && SameAscii(names[0], "CLSID"))
        return names[0] + "\\" + names[1];
    return names[0];
}

LONG ReadingStore(const std::string& path, TClassesStore& store) {
    store = TClassesStore::View;
    if (!TwoClassesStores())
        return ERROR_SUCCESS;
    bool user = false;
    if (const TKnownUserItems* known = TKnownUserItems::Current()) {
        store = known->UserHolds(ItemKeyOf(path)) ? TClassesStore::User : TClassesStore::Machine;
        return ERROR_SUCCESS;
    }
    const LONG rc = StoreHas(TClassesStore::User, ItemKeyOf(path), user);
    store = user ? TClassesStore::User : TClassesStore::Machine;
    return rc;
}

LONG OpenClassesKey(const std::string& path, REGSAM access, HKEY& result) {
    result = nullptr;
    if (!TwoClassesStores() || path.empty())
        return sysreg::OpenKey(HKEY_CLASSES_ROOT, path, access, result);
    if (const TKnownUserItems* known = TKnownUserItems::Current()) {
        const TClassesStore store =
            known->UserHolds(ItemKeyOf(path)) ? TClassesStore::User : TClassesStore::Machine;
        return sysreg::OpenKey(StoreRoot(store), StorePath(store, path), access, result);
    }
    // The whole path in the user's store first: most reads of an item the
    // user holds take one request.
    const LONG user = sysreg::OpenKey(HKEY_CURRENT_USER, StorePath(TClassesStore::User, path),
                                      access, result);
    if (user != ERROR_FILE_NOT_FOUND)
        return user; // found, or a store that can't be read
    const std::string item = ItemKeyOf(path);
    bool userItem = false;
    if (item.size() < path.size()) {
        if (LONG rc = StoreHas(TClassesStore::User, item, userItem))
            return rc;
        if (userItem)
            return user; // the user's item hides the machine's, with its subkeys
    }
    return sysreg::OpenKey(HKEY_LOCAL_MACHINE, StorePath(TClassesStore::Machine, path), access,
                           result);
}

TItemPlace PlaceOfItem(const std::string& item) {
    if (!TwoClassesStores()) {
        HKEY key = nullptr;
        if (sysreg::OpenKey(HKEY_CLASSES_ROOT, item, KEY_QUERY_VALUE, key) != ERROR_SUCCESS)
            return TItemPlace::None;
        sysreg::CloseKey(key);
        return TItemPlace::Single;
    }
    const bool user = StoreHas(TClassesStore::User, item);
    const bool machine = StoreHas(TClassesStore::Machine, item);
    if (user)
        return machine ? TItemPlace::UserHidesMachine : TItemPlace::User;
    return machine ? TItemPlace::Machine : TItemPlace::None;
}

const char* PlaceText(TItemPlace place) {
    switch (place) {
    case TItemPlace::User:
        return "this user";
    case TItemPlace::Machine:
    case TItemPlace::Single:
        return "all users";
    case TItemPlace::UserHidesMachine:
        return "this user, hiding all users' entry";
    default:
        return "";
    }
}

LONG StoreKeyNames(TClassesStore store, const std::string& path, std::vector<std::string>& names) {
    names.clear();
    HKEY key = nullptr;
    if (LONG rc = sysreg::OpenKey(StoreRoot(store), StorePath(store, path), KEY_READ, key))
        return rc;
    sysreg::KeyFacts facts;
    LONG rc = sysreg::QueryInfoKey(key, facts);
    std::string name;
    for (DWORD i = 0; rc == ERROR_SUCCESS && i < facts.SubKeys; ++i) {
        rc = sysreg::EnumKey(key, i, facts.MaxSubKeyLen + 1, name);
        if (rc == ERROR_SUCCESS)
            names.push_back(name);
    }
    if (key != StoreRoot(store))
        sysreg::CloseKey(key);
    return rc;
}

LONG StoreWritable(TClassesStore store) {
    const REGSAM rights = KEY_CREATE_SUB_KEY | KEY_SET_VALUE;
    HKEY key = nullptr;
    LONG rc = sysreg::OpenKey(StoreRoot(store), StorePath(store, ""), rights, key);
    // A store without its key yet is writable where the key can be created;
    // the test creates nothing.
    for (const char* parent : {"Software", ""})
        if (rc == ERROR_FILE_NOT_FOUND && store != TClassesStore::View)
            rc = sysreg::OpenKey(StoreRoot(store), parent, KEY_CREATE_SUB_KEY, key);
    if (rc == ERROR_SUCCESS && key && key != StoreRoot(store))
        sysreg::CloseKey(key);
    return rc;
}
