#include "association/UserItems.h"

#include "association/KeyImage.h"

#include <vector>

namespace {

// The folded names of the user's items: its keys, and below its "CLSID" each
// class identifier. False when the store can't be listed, or needn't be: a
// snapshot made further out on this thread (the check within an export)
// already answers.
bool ListUserItems(std::unordered_set<std::string>& items) {
    if (!TwoClassesStores() || TKnownUserItems::Current())
        return false;
    std::vector<std::string> names;
    LONG rc = StoreKeyNames(TClassesStore::User, "", names);
    if (rc == ERROR_FILE_NOT_FOUND)
        return true; // no key yet: the user holds nothing
    if (rc != ERROR_SUCCESS)
        return false;
    for (const std::string& name : names) {
        const std::string folded = FoldedKeyName(name);
        items.insert(folded);
        if (folded != "clsid")
            continue;
        std::vector<std::string> ids;
        if (StoreKeyNames(TClassesStore::User, name, ids) != ERROR_SUCCESS)
            return false;
        for (const std::string& id : ids)
            items.insert(FoldedKeyName("CLSID\\" + id));
    }
    return true;
}

} // namespace

TUserItemsSnapshot::TUserItemsSnapshot()
    : listed_(ListUserItems(folded_)),
      known_(listed_ ? TKnownUserItems::THolds([this](const std::string& item) {
          return folded_.count(FoldedKeyName(item)) != 0;
      })
                     : TKnownUserItems::THolds()) {}
