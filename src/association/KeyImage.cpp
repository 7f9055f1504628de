#include "association/KeyImage.h"

#include "registry/ParallelReads.h"
#include "support/Utf8Text.h"

#include <algorithm>

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& key, LONG code) {
    throw EKeyImageError(what + " " + key + " (" + RegistryErrorText(code) + ").");
}

void ReadTree(const TRawKey& key, TKeyTree& tree, const std::string& fullName) {
    std::vector<std::string> names;
    if (LONG rc = key.Contents(tree.Values, names))
        Fail("Could not read the values of", fullName, rc);
    for (const std::string& name : names) {
        TRawKey subKey;
        const std::string subName = fullName + "\\" + name;
        if (LONG rc = TRawKey::Open(key, name, KEY_READ, subKey))
            Fail("Could not open", subName, rc);
        tree.SubKeys.push_back(TKeyTree{name, {}, {}});
        ReadTree(subKey, tree.SubKeys.back(), subName);
    }
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
            if (SameKeyName(listed, name))
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
    return a.Root == b.Root && a.Path == b.Path && a.Exists == b.Exists && a.Tree == b.Tree &&
           a.OneValue == b.OneValue && a.ValueName == b.ValueName;
}

namespace {

// Follows `path` below `root` one name at a time. Answers the open key
// (`image` Exists, its Path the path), or a closed one with `image` (Exists
// false) naming the topmost missing key on the way, so that taking a change
// back also removes the keys a creation made; `parent` is the key above the
// one opened.
TRawKey OpenForImage(HKEY root, const std::string& path, TKeyImage& image, TRawKey& parent) {
    image.Root = root;
    const std::vector<std::string> names = SplitKeyPath(path);
    if (names.empty())
        throw EKeyImageError("A root key as a whole is not kept for undo: " + RootKeyName(root));
    TRawKey key(root, false);
    for (const std::string& name : names) {
        image.Path += (image.Path.empty() ? "" : "\\") + name;
        TRawKey next;
        LONG rc = TRawKey::Open(key, name, KEY_READ, next);
        // A name longer than a key name can be (255 characters) names no
        // key; the registry may refuse it with another error than "not
        // found" (Wine: ERROR_MORE_DATA).
        if (rc == ERROR_FILE_NOT_FOUND || (rc && WideFromUtf8(name).size() > 255))
            return TRawKey();
        if (rc)
            Fail("Could not open", image.FullName(), rc);
        parent = std::move(key);
        key = std::move(next);
    }
    image.Exists = true;
    return key;
}

// The name of the key an image is of, as the registry spells it; asked
// after its contents are read, so that a failure to read them is the one
// reported.
void SetSpelling(TKeyImage& image, const TRawKey& parent) {
    image.Tree.Name = SpellingIn(parent, SplitKeyPath(image.Path).back());
}

} // namespace

TKeyImage CaptureValue(HKEY root, const std::string& path, const std::string& name) {
    TKeyImage image;
    TRawKey parent;
    const TRawKey key = OpenForImage(root, path, image, parent);
    if (!image.Exists)
        return image;
    image.OneValue = true;
    image.ValueName = name;
    std::vector<TRawValue> values;
    if (LONG rc = key.Values(values))
        Fail("Could not read the values of", image.FullName(), rc);
    for (const TRawValue& value : values)
        if (SameKeyName(value.Name, name))
            image.Tree.Values.push_back(value);
    SetSpelling(image, parent);
    return image;
}

TKeyImage CaptureKey(HKEY root, const std::string& path) {
    TKeyImage image;
    TRawKey parent;
    const TRawKey key = OpenForImage(root, path, image, parent);
    if (image.Exists) {
        ReadTree(key, image.Tree, image.FullName());
        SetSpelling(image, parent);
    }
    return image;
}

TKeyImage CaptureKeyAsNamed(HKEY root, const std::string& path) {
    TKeyImage image;
    TRawKey parent;
    const TRawKey key = OpenForImage(root, path, image, parent);
    if (image.Exists) {
        ReadTree(key, image.Tree, image.FullName());
        image.Tree.Name = SplitKeyPath(image.Path).back();
    }
    return image;
}

std::vector<TKeyImage> CaptureKeysAsNamed(HKEY root, const std::vector<std::string>& paths) {
    std::vector<TKeyImage> images(paths.size());
    ReadInParallel(paths.size(), [&](size_t i) { images[i] = CaptureKeyAsNamed(root, paths[i]); });
    return images;
}

namespace {

void RestoreValue(const TKeyImage& image) {
    // The key is opened by the name the image spells it with (made again so
    // when it has gone since).
    std::vector<std::string> names = SplitKeyPath(image.Path);
    names.back() = image.Tree.Name;
    std::string path;
    for (const std::string& name : names)
        path += (path.empty() ? "" : "\\") + name;
    TRawKey key;
    if (LONG rc = TRawKey::Create(TRawKey(image.Root, false), path, KEY_ALL_ACCESS, key))
        Fail("Could not create", image.FullName(), rc);
    if (!image.Tree.Values.empty()) {
        // A name spelt otherwise is written again as it was spelt.
        if (image.Tree.Values[0].Name != image.ValueName)
            key.DeleteValue(image.ValueName);
        if (LONG rc = key.SetValue(image.Tree.Values[0]))
            Fail("Could not write value '" + image.Tree.Values[0].Name + "' of", image.FullName(),
                 rc);
        return;
    }
    LONG rc = key.DeleteValue(image.ValueName);
    if (rc && rc != ERROR_FILE_NOT_FOUND)
        Fail("Could not delete value '" + image.ValueName + "' of", image.FullName(), rc);
}

} // namespace

void RestoreKey(const TKeyImage& image) {
    if (image.Exists && image.OneValue)
        return RestoreValue(image);
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
        if (SameKeyName(sibling, image.Tree.Name) && sibling != image.Tree.Name)
            if (LONG rc = parent.DeleteTree(sibling))
                Fail("Could not delete", image.FullName(), rc);
    TRawKey key;
    if (LONG rc = TRawKey::Create(parent, image.Tree.Name, KEY_ALL_ACCESS, key))
        Fail("Could not create", image.FullName(), rc);
    WriteTree(key, image.Tree, image.FullName());
}

namespace {

// A UTF-16 unit in lower case as the registry folds names: ASCII and Latin-1
// letters, Latin Extended-A, Greek and Cyrillic.
unsigned FoldUnit(unsigned u) {
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return u + 0x20;
    if (u >= 0x0100 && u <= 0x017F) {
        const bool oddPairs = (u >= 0x0139 && u <= 0x0148) || (u >= 0x0179 && u <= 0x017E);
        if (u == 0x0130 || u == 0x0131 || u == 0x0138 || u == 0x0149 || u == 0x017F)
            return u;
        if (u == 0x0178)
            return 0x00FF;
        return (u % 2 == 0) != oddPairs ? u + 1 : u;
    }
    if ((u >= 0x0391 && u <= 0x03AB && u != 0x03A2) || (u >= 0x0410 && u <= 0x042F))
        return u + 0x20;
    if (u >= 0x0400 && u <= 0x040F)
        return u + 0x50;
    return u;
}

} // namespace

bool SameKeyName(const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    const WideString wa = WideFromUtf8(a), wb = WideFromUtf8(b);
    if (wa.size() != wb.size())
        return false;
    for (size_t i = 0; i < wa.size(); ++i)
        if (FoldUnit(static_cast<unsigned short>(wa[i])) !=
            FoldUnit(static_cast<unsigned short>(wb[i])))
            return false;
    return true;
}

std::string FoldedKeyName(const std::string& name) {
    WideString wide = WideFromUtf8(name);
    for (WCHAR& unit : wide)
        unit = static_cast<WCHAR>(FoldUnit(static_cast<unsigned short>(unit)));
    return Utf8FromWide(wide);
}

bool IsSameOrBelow(const std::string& path, const std::string& ancestor) {
    const std::vector<std::string> a = SplitKeyPath(path);
    const std::vector<std::string> b = SplitKeyPath(ancestor);
    return b.size() <= a.size() && std::equal(b.begin(), b.end(), a.begin(), SameKeyName);
}
