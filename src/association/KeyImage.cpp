#include "association/KeyImage.h"

#include <algorithm>

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& key, LONG code) {
    throw EKeyImageError(what + " " + key + " (" + RegistryErrorText(code) + ").");
}

void ReadTree(const TRawKey& key, TKeyTree& tree, const std::string& fullName) {
    if (LONG rc = key.Values(tree.Values))
        Fail("Could not read the values of", fullName, rc);
    std::vector<std::string> names;
    if (LONG rc = key.SubKeyNames(names))
        Fail("Could not list the subkeys of", fullName, rc);
    for (const std::string& name : names) {
        TRawKey subKey;
        const std::string subName = fullName + "\\" + name;
        if (LONG rc = TRawKey::Open(key, name, KEY_READ, subKey))
            Fail("Could not open", subName, rc);
        tree.SubKeys.push_back(TKeyTree{name, {}, {}});
        ReadTree(subKey, tree.SubKeys.back(), subName);
    }
}

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Fold(x) == Fold(y); });
}

// Writes the tree into the open `key`. Names are matched exactly: a value or
// subkey whose name differs only in case is deleted and written again, so the
// names come back as they were spelt.
void WriteTree(const TRawKey& key, const TKeyTree& tree, const std::string& fullName) {
    std::vector<TRawValue> current;
    if (LONG rc = key.Values(current))
        Fail("Could not read the values of", fullName, rc);
    for (const TRawValue& value : current) {
        bool kept = std::any_of(tree.Values.begin(), tree.Values.end(),
                                [&](const TRawValue& old) { return old.Name == value.Name; });
        if (!kept)
            if (LONG rc = key.DeleteValue(value.Name))
                Fail("Could not delete value '" + value.Name + "' of", fullName, rc);
    }
    for (const TRawValue& value : tree.Values)
        if (LONG rc = key.SetValue(value))
            Fail("Could not write value '" + value.Name + "' of", fullName, rc);

    std::vector<std::string> names;
    if (LONG rc = key.SubKeyNames(names))
        Fail("Could not list the subkeys of", fullName, rc);
    for (const std::string& name : names) {
        bool kept = std::any_of(tree.SubKeys.begin(), tree.SubKeys.end(),
                                [&](const TKeyTree& old) { return old.Name == name; });
        if (!kept)
            if (LONG rc = key.DeleteTree(name))
                Fail("Could not delete", fullName + "\\" + name, rc);
    }
    for (const TKeyTree& subTree : tree.SubKeys) {
        TRawKey subKey;
        const std::string subName = fullName + "\\" + subTree.Name;
        if (LONG rc = TRawKey::Create(key, subTree.Name, KEY_ALL_ACCESS, subKey))
            Fail("Could not create", subName, rc);
        WriteTree(subKey, subTree, subName);
    }
}

// The name of `parent`'s subkey `name` as the registry spells it (the names
// compare without regard to case); `name` itself when it is not listed.
std::string SpellingIn(const TRawKey& parent, const std::string& name) {
    std::vector<std::string> names;
    if (parent.SubKeyNames(names) == ERROR_SUCCESS)
        for (const std::string& listed : names)
            if (SameName(listed, name))
                return listed;
    return name;
}

} // namespace

std::string TKeyImage::FullName() const {
    return Path.empty() ? RootKeyName(Root) : RootKeyName(Root) + "\\" + Path;
}

bool operator==(const TRawValue& a, const TRawValue& b) {
    return a.Name == b.Name && a.Type == b.Type && a.Data == b.Data;
}

bool operator==(const TKeyTree& a, const TKeyTree& b) {
    return a.Name == b.Name && a.Values == b.Values && a.SubKeys == b.SubKeys;
}

bool operator==(const TKeyImage& a, const TKeyImage& b) {
    return a.Root == b.Root && a.Path == b.Path && a.Exists == b.Exists && a.Tree == b.Tree;
}

TKeyImage CaptureKey(HKEY root, const std::string& path) {
    TKeyImage image;
    image.Root = root;
    const std::vector<std::string> names = SplitKeyPath(path);
    if (names.empty())
        throw EKeyImageError("A root key as a whole is not kept for undo: " + RootKeyName(root));
    // Followed one name at a time: a missing key is recorded as its topmost
    // missing ancestor, so that taking the change back also removes the keys
    // a creation made on the way.
    TRawKey key(root, false), parent;
    for (const std::string& name : names) {
        image.Path += (image.Path.empty() ? "" : "\\") + name;
        TRawKey next;
        LONG rc = TRawKey::Open(key, name, KEY_READ, next);
        if (rc == ERROR_FILE_NOT_FOUND)
            return image;
        if (rc)
            Fail("Could not open", image.FullName(), rc);
        parent = std::move(key);
        key = std::move(next);
    }
    image.Exists = true;
    ReadTree(key, image.Tree, image.FullName());
    image.Tree.Name = SpellingIn(parent, names.back());
    return image;
}

void RestoreKey(const TKeyImage& image) {
    std::vector<std::string> names = SplitKeyPath(image.Path);
    if (names.empty())
        throw EKeyImageError("A root key as a whole is not restored: " + image.FullName());
    const std::string last = names.back();
    names.pop_back();
    std::string parentPath;
    for (const std::string& name : names)
        parentPath += (parentPath.empty() ? "" : "\\") + name;

    TRawKey parent;
    const TRawKey root(image.Root, false);
    if (!image.Exists) {
        LONG rc = TRawKey::Open(root, parentPath, KEY_ALL_ACCESS, parent);
        if (rc == ERROR_FILE_NOT_FOUND)
            return; // nothing there to delete
        if (rc == ERROR_SUCCESS)
            rc = parent.DeleteTree(last);
        if (rc)
            Fail("Could not delete", image.FullName(), rc);
        return;
    }
    if (LONG rc = TRawKey::Create(root, parentPath, KEY_ALL_ACCESS, parent))
        Fail("Could not create", image.FullName(), rc);
    // A key that is there under another spelling is made again under the old
    // one, with everything in it.
    std::vector<std::string> siblings;
    if (LONG rc = parent.SubKeyNames(siblings))
        Fail("Could not list the subkeys of the key above", image.FullName(), rc);
    for (const std::string& sibling : siblings)
        if (SameName(sibling, image.Tree.Name) && sibling != image.Tree.Name)
            if (LONG rc = parent.DeleteTree(sibling))
                Fail("Could not delete", image.FullName(), rc);
    TRawKey key;
    if (LONG rc = TRawKey::Create(parent, image.Tree.Name, KEY_ALL_ACCESS, key))
        Fail("Could not create", image.FullName(), rc);
    WriteTree(key, image.Tree, image.FullName());
}

bool IsSameOrBelow(const std::string& path, const std::string& ancestor) {
    const std::vector<std::string> a = SplitKeyPath(path);
    const std::vector<std::string> b = SplitKeyPath(ancestor);
    return b.size() <= a.size() && std::equal(b.begin(), b.end(), a.begin(), SameName);
}
