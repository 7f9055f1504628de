#include "association/Lookups.h"

#include "association/LayerRegistry.h"
#include "association/KeyImage.h"
#include "association/Names.h"
#include "support/StringList.h"
#include "support/ZQRoutines.h"

namespace {

// OS version codes of Windows 2000 and Windows XP, the systems that keep a
// class's description in "FriendlyTypeName".
bool HasFriendlyTypeNames() {
    int code = GetOSVersionCode();
    return code == 8 || code == 9;
}

} // namespace

bool ExtensionExists(const std::string& ext) {
    return IsValidExtension(ext) && ClassesRootRegistry(KEY_READ).KeyExists(ExtensionKey(ext));
}

bool FileClassExists(const std::string& className) {
    return IsValidFileClass(className) &&
           ClassesRootRegistry(KEY_READ).KeyExists(FileClassKey(className));
}

void GetExtensions(TStringList& list) {
    std::unordered_set<std::string> userKeys;
    GetExtensions(list, userKeys);
}

void GetExtensions(TStringList& list, std::unordered_set<std::string>& userKeys) {
    TListUpdate update(list);
    list.Clear();
    userKeys.clear();
    std::vector<std::string> names;
    if (!TwoClassesStores()) {
        TRegistry reg = ClassesRootRegistry(KEY_READ);
        if (!reg.OpenKey("", false))
            return;
        TStringList listed;
        reg.GetKeyNames(listed);
        names.assign(listed.begin(), listed.end());
    } else {
        // The merged view lists the user's keys and those of the machine's
        // that the user's store doesn't hold.
        StoreKeyNames(TClassesStore::User, "", names);
        for (const std::string& name : names)
            userKeys.insert(FoldedKeyName(name));
        std::vector<std::string> machine;
        StoreKeyNames(TClassesStore::Machine, "", machine);
        for (std::string& name : machine)
            if (IsValidExtension(name) && !userKeys.count(FoldedKeyName(name)))
                names.push_back(std::move(name));
    }
    // Keep the extensions first and sort only them: the stable sort gives the
    // same order as sorting all names and dropping the others, with far fewer
    // comparisons (HKEY_CLASSES_ROOT holds many more classes than extensions).
    for (const std::string& name : names)
        if (IsValidExtension(name))
            list.Add(name);
    list.Sort();
}

std::string GetExtensionClass(const std::string& ext) {
    if (!IsValidExtension(ext))
        return std::string();
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(ExtensionKey(ext), false))
        return std::string();
    return reg.ReadString("");
}

std::string GetExtensionClassIn(TClassesStore store, const std::string& ext) {
    if (!IsValidExtension(ext))
        return std::string();
    TRegistry reg;
    reg.SetRootKey(StoreRoot(store));
    reg.SetAccess(KEY_READ);
    if (!reg.OpenKey(StorePath(store, ExtensionKey(ext)), false))
        return std::string();
    return reg.ReadString("");
}

std::string GetClassDescription(const std::string& className) {
    if (!IsValidFileClass(className))
        return std::string();
    TRegistry reg = ClassesRootRegistry(KEY_READ);
    if (!reg.OpenKey(FileClassKey(className), false))
        return std::string();
    return DescriptionOfOpenClass(reg);
}

std::string DescriptionOfOpenClass(TRegistry& reg) {
    std::string description;
    if (HasFriendlyTypeNames() && reg.ReadStringIfExists("FriendlyTypeName", description))
        return description;
    return reg.ReadString("");
}
